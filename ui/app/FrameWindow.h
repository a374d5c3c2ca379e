#pragma once
// What the other windows and the module ask of the frame, without its header.

#include <QString>

class QWidget;

namespace zb::ui {

class WmfPicture;

class FrameWindow {
 public:
  virtual ~FrameWindow() = default;

  // Panel 1 of the frame's status bar.
  virtual QString StatusText() const = 0;
  virtual void SetStatusText(const QString& text) = 0;
  // True while the frame closes the other windows on its way out.
  virtual bool ClosingFrame() const = 0;
  // Puts a window into the frame as a child window (hidden until shown).
  virtual void AddChildWindow(QWidget* window) = 0;
  // Shows a child window and makes it the active one.
  virtual void ShowChildWindow(QWidget* window) = 0;
  // The background drawing and the file it came from.
  virtual void SetPicture(const WmfPicture& picture, const QString& file) = 0;
  // The open pruning window, opened as "3. Pruning / Optimieren" opens it when
  // there is none; null when it cannot be opened.
  virtual QWidget* OpenedPruningWindow() = 0;
  // Ticks "3 Querträger" in the "Bauvariante" menu.
  virtual void CheckThreeCrossArms() = 0;
};

}  // namespace zb::ui
