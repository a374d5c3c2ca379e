#pragma once
// What the printout asks of the beam form: a line added to its note area
// ("Info"), without the beam form's header.

#include <string>

namespace zb::ui {

class NoteAreaWindow {
 public:
  virtual ~NoteAreaWindow() = default;

  // Appends the text directly to the note area's caption.
  virtual void AppendToInfo(const std::string& text) = 0;
};

}  // namespace zb::ui
