#pragma once
// What the two runs of the velocity-factor and pruning window (frmVk) read
// and write. The window implements it over its widgets, the command line over
// plain values, so both run the very same code. The window shows the same
// three boxes and result labels in both modes with different meanings, so
// each mode has its own names for them.

#include <string>

#include "core/shared/TextColour.h"
#include "core/shared/VfWindowState.h"
#include "core/side/VfFormRules.h"

namespace zb {

class VfFormAccess : public VfWindowState {
 public:
  virtual VfWindowMode Mode() = 0;

  // Estimating the velocity factor. The entries, frequency (MHz), height
  // above ground (m) and wire diameter (mm), are those of VfWindowState.
  virtual void SetHeightText(const std::string& text) = 0;
  virtual void SetDiameterText(const std::string& text) = 0;
  virtual void SetDiameterColour(TextColour colour) = 0;
  virtual void FocusFrequency() = 0;
  virtual void FocusHeight() = 0;
  // Slenderness and height as shares (%), the estimated velocity factor.
  virtual void SetSlenderness(const std::string& caption) = 0;
  virtual void SetSlendernessColour(TextColour colour) = 0;
  virtual void SetHeightShare(const std::string& caption) = 0;
  virtual void SetHeightShareColour(TextColour colour) = 0;
  virtual void SetEstimate(const std::string& caption) = 0;
  virtual bool TakeOverVfChecked() = 0;  // "&Vk übernehmen"
  // The vf of the last completed estimate in this window, 0 before the first.
  virtual float EstimatedVf() = 0;
  virtual void SetEstimatedVf(float vf) = 0;
  // Puts the printout's title line where the "&Rechnen" button stands.
  virtual void MovePrintTitleToButton() = 0;

  // Pruning: the measured radiator length lS (m), the measured and the
  // wanted resonance (MHz).
  virtual std::string MeasuredLengthText() = 0;
  virtual std::string MeasuredResonanceText() = 0;
  virtual std::string WantedResonanceText() = 0;
  virtual void FocusMeasuredLength() = 0;
  virtual void FocusMeasuredResonance() = 0;
  virtual void FocusWantedResonance() = 0;
  // The new lS (m), VF gesamt, and the changes of lS, lR and lD (mm).
  virtual void SetNewLength(const std::string& caption) = 0;
  virtual void SetVfGesamt(const std::string& caption) = 0;
  virtual void SetVfGesamtColour(TextColour colour) = 0;
  virtual void SetRadiatorChange(const std::string& caption) = 0;
  virtual void SetReflectorChange(const std::string& caption) = 0;
  virtual void SetDirectorChange(const std::string& caption) = 0;

  virtual void SetStatus(VfWindowStatus status) = 0;

  // The beam form's boxes this window writes (the beam form is created
  // hidden if it does not exist yet).
  virtual void SetBeamFormFrequency(const std::string& text) = 0;
  virtual void SetBeamFormVelocityFactor(const std::string& text) = 0;
  virtual void SetBeamFormConductorDiameter(const std::string& text) = 0;
};

}  // namespace zb
