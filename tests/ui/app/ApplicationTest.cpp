// The program's application object: an exception that leaves any event
// handler is shown in the " Fehler " box and the program goes on.

#include <gtest/gtest.h>

#include <QEvent>
#include <QTimer>
#include <stdexcept>

#include "core/numbers/RuntimeError.h"
#include "tests/support/ScriptedPlatform.h"
#include "ui/app/Application.h"

namespace zb::test {
namespace {

// A handler that fails the way a window's handler can.
class FailingReceiver : public QObject {
 public:
  std::exception_ptr failure;
  bool event(QEvent* event) override {
    if (event->type() != QEvent::User) return QObject::event(event);
    std::rethrow_exception(failure);
  }
};

TEST(Application, AnExceptionLeavingAHandlerIsShownAndTheProgramGoesOn) {
  ScriptedPlatform platform;
  platform.answers = {MsgResult::Ok, MsgResult::Ok};
  static_cast<zb::ui::Application*>(qApp)->SetPlatform(&platform);
  FailingReceiver receiver;

  receiver.failure = std::make_exception_ptr(RuntimeError(kOverflow));
  QEvent first(QEvent::User);
  QCoreApplication::sendEvent(&receiver, &first);
  receiver.failure = std::make_exception_ptr(std::length_error("basic_string"));
  QEvent second(QEvent::User);
  QCoreApplication::sendEvent(&receiver, &second);

  ASSERT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(platform.messages[0].prompt, "Überlauf\r\nBitte kleinere Werte verwenden.");
  EXPECT_EQ(platform.messages[0].title, " Fehler ");
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_EQ(platform.messages[1].prompt, ErrorDescription(0));
  static_cast<zb::ui::Application*>(qApp)->SetPlatform(nullptr);
}

}  // namespace
}  // namespace zb::test

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  zb::ui::Application app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
