#pragma once
// What the printouts need of a window: its client area to put on paper, its
// controls by name to hide for the print, and its Tag (the state marker).

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace zb::ui {

class PrintableWindow {
 public:
  virtual ~PrintableWindow() = default;
  virtual QWidget& ClientArea() = 0;
  virtual void SetControlVisible(const QString& control, bool visible) = 0;
  virtual std::string Tag() = 0;
};

// A window whose controls are its named child widgets. A control hidden for
// the print keeps its place, so the page shows the rest where the screen has it.
class WidgetPrintable final : public PrintableWindow {
 public:
  WidgetPrintable(QWidget& window, std::function<std::string()> tag);
  QWidget& ClientArea() override { return window_; }
  void SetControlVisible(const QString& control, bool visible) override;
  std::string Tag() override { return tag_ ? tag_() : std::string(); }

 private:
  QWidget& window_;
  std::function<std::string()> tag_;
};

}  // namespace zb::ui
