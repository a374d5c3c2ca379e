#pragma once
// The status bar the frame and the quick view both carry: a status text that
// takes the width left over, the computer's time and today's date.

#include <QObject>
#include <QString>
#include <array>

class QLabel;
class QMainWindow;
class QTimer;

namespace zb::ui {

class StatusPanels : public QObject {
  Q_OBJECT

 public:
  // Builds the panels into the window's status bar ("StatusBar1", panels
  // "StatusBar1Panel1" to "StatusBar1Panel3") and starts the clock.
  explicit StatusPanels(QMainWindow* window);

  QString Text() const;
  void SetText(const QString& text);

 private:
  void UpdateClock();

  std::array<QLabel*, 3> panels_{};
  QTimer* clock_ = nullptr;
};

}  // namespace zb::ui
