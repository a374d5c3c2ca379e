#include "ui/app/Application.h"

#include "ui/common/HandlerGuard.h"

namespace zb::ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    if (platform_) ShowHandlerError(*platform_, std::current_exception(), "\r\n");
    return true;  // the event counts as handled
  }
}

}  // namespace zb::ui
