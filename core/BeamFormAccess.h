#pragma once
// What the calculation run reads and writes on the beam input form. The
// window implements it over its widgets, the command line over plain values,
// so both run the very same calculation.

#include <string>

#include "core/BandTable.h"  // the band buttons Option2(0) .. Option2(kBandOther)

namespace zb {

class BeamFormAccess {
 public:
  virtual ~BeamFormAccess() = default;

  virtual std::string GetText1() = 0;  // resonance frequency, MHz
  virtual void SetText1(const std::string& text) = 0;
  virtual std::string GetText4() = 0;  // velocity factor of the wire
  virtual void SetText4(const std::string& text) = 0;
  virtual std::string GetCombo1Text() = 0;  // permittivity entry
  virtual std::string GetText6() = 0;       // outer diameter, mm
  virtual std::string GetText7() = 0;       // conductor diameter, mm

  // Selects band button Option2(index); selecting a button that is not yet
  // selected runs that button's click behaviour.
  virtual void SelectOption2(int index) = 0;
  // The selected segment button Option1(0..2), or -1 when none is.
  virtual int SelectedOption1() = 0;

  virtual void SetInfoCaption(const std::string& text) = 0;
  virtual void EnableCommand2() = 0;
  // Panel 1 of the frame's status bar.
  virtual void SetFrameStatus(const std::string& text) = 0;
  virtual void FocusCombo1() = 0;
  virtual void FocusText7() = 0;
};

}  // namespace zb
