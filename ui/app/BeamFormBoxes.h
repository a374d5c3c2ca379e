#pragma once
// The beam form's boxes the side windows read and write, without the beam
// form's header: resonance frequency (Text1), velocity factor (Text4) and
// conductor diameter (Text7). The program writes them whole, whatever the
// length the user may type.

#include <string>

namespace zb::ui {

class BeamFormBoxes {
 public:
  virtual ~BeamFormBoxes() = default;

  virtual std::string GetText1() = 0;
  virtual void SetText1(const std::string& text) = 0;
  virtual void SetText4(const std::string& text) = 0;
  virtual std::string GetText7() = 0;
  virtual void SetText7(const std::string& text) = 0;
};

}  // namespace zb::ui
