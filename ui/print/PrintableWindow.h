#pragma once
// What the printouts need of a window: its client area to put on paper, its
// controls by name to hide for the print, and what it holds (a side window
// comes on paper only with a result).

#include <QString>
#include <functional>

#include "core/shared/VfWindowState.h"

class QWidget;

namespace zb::ui {

class PrintableWindow {
 public:
  virtual ~PrintableWindow() = default;
  virtual QWidget& ClientArea() = 0;
  virtual void SetControlVisible(const QString& control, bool visible) = 0;
  virtual zb::VfWindowStatus Status() = 0;
};

// A window whose controls are its named child widgets. A control hidden for
// the print keeps its place, so the page shows the rest where the screen has it.
class WidgetPrintable final : public PrintableWindow {
 public:
  WidgetPrintable(QWidget& window, std::function<zb::VfWindowStatus()> status);
  QWidget& ClientArea() override { return window_; }
  void SetControlVisible(const QString& control, bool visible) override;
  zb::VfWindowStatus Status() override { return status_ ? status_() : zb::VfWindowStatus::Empty; }

 private:
  QWidget& window_;
  std::function<zb::VfWindowStatus()> status_;
};

}  // namespace zb::ui
