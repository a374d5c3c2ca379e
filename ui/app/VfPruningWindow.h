#pragma once
// What the frame's menu entries ask of the velocity-factor and pruning
// window, without its header.

#include <QString>

namespace zb::ui {

class VfPruningWindow {
 public:
  virtual ~VfPruningWindow() = default;

  // "1. &Verkürzungsfaktor": the estimator, shown as a child window.
  virtual void OpenInVfMode() = 0;
  // "3. Pruning / Optimieren": this instance becomes the pruning window.
  virtual void OpenInPruningMode() = 0;
  // The pruning window's "ist Resonanzfrequenz" box, filled from a measurement;
  // the results on show follow the new value at once.
  virtual void SetMeasuredResonance(const QString& mhz) = 0;
};

}  // namespace zb::ui
