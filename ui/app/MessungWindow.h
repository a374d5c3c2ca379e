#pragma once
// What the frame's menu entry "4. &Messung auswerten…" asks of the
// measurement window, without its header.

namespace zb::ui {

class MessungWindow {
 public:
  virtual ~MessungWindow() = default;

  // Asks for a sweep file and shows its evaluation; a file that cannot be
  // read is refused with its reason and the window stays as it was.
  virtual void OpenMeasurement() = 0;
};

}  // namespace zb::ui
