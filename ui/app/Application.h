#pragma once
// The program's application object. Its event delivery is the last guard:
// an exception that leaves any window's event handler is shown in the
// " Fehler " box instead of ending the program.

#include <QApplication>

namespace zb {
class Platform;
}

namespace zb::ui {

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);

  // Where the box is shown; until then a failing handler is only skipped.
  void SetPlatform(zb::Platform* platform) { platform_ = platform; }

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  zb::Platform* platform_ = nullptr;
};

}  // namespace zb::ui
