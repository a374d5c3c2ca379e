#pragma once
// What the two runs of the velocity-factor and pruning window (frmVk) read
// and write. The window implements it over its widgets, the command line over
// plain values, so both run the very same code.
//
// VF mode: Text1 frequency (MHz), Text2 height above ground (m), Text3 wire
// diameter (mm); Label7 slenderness %, Label5 height %, Label9 the estimate.
// Pruning mode: Text1 measured length lS (m), Text2 measured and Text3 wanted
// resonance (MHz); Label7 new lS, Label5 VF gesamt, Label9/11/13 the changes
// of lS, lR and lD in mm.

#include <string>

#include "core/TextColour.h"

namespace zb {

class VkFormAccess {
 public:
  virtual ~VkFormAccess() = default;

  virtual std::string Title() = 0;  // tells the two modes apart
  virtual std::string GetText1() = 0;
  virtual std::string GetText2() = 0;
  virtual std::string GetText3() = 0;
  virtual void SetText2(const std::string& text) = 0;
  virtual void SetText3(const std::string& text) = 0;
  virtual void SetText3Colour(TextColour colour) = 0;
  virtual void SetLabel5(const std::string& caption) = 0;
  virtual void SetLabel5Colour(TextColour colour) = 0;
  virtual void SetLabel7(const std::string& caption) = 0;
  virtual void SetLabel7Colour(TextColour colour) = 0;
  virtual void SetLabel9(const std::string& caption) = 0;
  virtual void SetLabel11(const std::string& caption) = 0;
  virtual void SetLabel13(const std::string& caption) = 0;
  virtual void FocusText1() = 0;
  virtual void FocusText2() = 0;
  virtual void FocusText3() = 0;

  virtual bool ErdbodenKorChecked() = 0;   // "&Erdbodenkorrektur"
  virtual bool VkUebernehmenChecked() = 0; // "&Vk übernehmen"
  // The vf of the last completed estimate in this window, 0 before the first.
  virtual float EstimatedVf() = 0;
  virtual void SetEstimatedVf(float vf) = 0;
  // Puts the printout's title line Label14 where Command1 stands.
  virtual void MoveLabel14ToCommand1() = 0;
  virtual void SetTag(const std::string& marker) = 0;

  // The beam form's boxes this window writes (the beam form is created
  // hidden if it does not exist yet): frequency, velocity factor, conductor
  // diameter.
  virtual void SetBeamFormText1(const std::string& text) = 0;
  virtual void SetBeamFormText4(const std::string& text) = 0;
  virtual void SetBeamFormText7(const std::string& text) = 0;
};

}  // namespace zb
