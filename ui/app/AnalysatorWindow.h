#pragma once
// What the frame's menu entry "5. Am &Analysator messen…" asks of the
// analyser dialog, without its header.

namespace zb::ui {

class AnalysatorWindow {
 public:
  virtual ~AnalysatorWindow() = default;

  // Shows the dialog with the analysers found and the range to sweep.
  virtual void OpenAnalysator() = 0;
};

}  // namespace zb::ui
