#pragma once
// What the frame's menu entry "4. &Messung auswerten…" and the analyser
// dialog ask of the measurement window, without its header.

namespace zb::ui {

struct AnalyserSweep;

class MessungWindow {
 public:
  virtual ~MessungWindow() = default;

  // Asks for a sweep file and shows its evaluation; a file that cannot be
  // read is refused with its reason and the window stays as it was.
  virtual void OpenMeasurement() = 0;
  // Shows a sweep just taken from an analyser as an opened file is shown,
  // with the commands that take it again from the same port.
  virtual void ShowAnalyserSweep(const AnalyserSweep& sweep) = 0;
};

}  // namespace zb::ui
