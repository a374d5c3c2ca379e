#pragma once
// The windows the input-data printout reads and changes.

#include <string>

namespace zb::ui {

class PrintableWindow;

class InputPrintWindows {
 public:
  virtual ~InputPrintWindows() = default;
  // The beam input form, and its note area the heading goes into.
  virtual PrintableWindow& BeamForm() = 0;
  virtual void AppendToBeamInfo(const std::string& text) = 0;
  // The velocity-factor window in estimation mode and the pruning window;
  // nothing when the window is not loaded.
  virtual PrintableWindow* VelocityFactorWindow() = 0;
  virtual PrintableWindow* PruningWindow() = 0;
};

}  // namespace zb::ui
