#pragma once
// What the calculation run reads and writes on the beam input form. The
// window implements it over its widgets, the command line over plain values,
// so both run the very same calculation.

#include <string>

#include "core/beam/BandTable.h"  // the band buttons 0 .. kBandOther

namespace zb {

class BeamFormAccess {
 public:
  virtual ~BeamFormAccess() = default;

  virtual std::string FrequencyText() = 0;  // resonance frequency, MHz
  virtual void SetFrequencyText(const std::string& text) = 0;
  virtual std::string VelocityFactorText() = 0;  // velocity factor of the wire
  virtual void SetVelocityFactorText(const std::string& text) = 0;
  virtual std::string PermittivityText() = 0;       // permittivity entry
  virtual std::string OuterDiameterText() = 0;      // outer diameter, mm
  virtual std::string ConductorDiameterText() = 0;  // conductor diameter, mm

  // Selects band button index; selecting a button that is not yet
  // selected runs that button's click behaviour.
  virtual void SelectBand(int index) = 0;
  // The selected segment button (0..2), or -1 when none is.
  virtual int SelectedSegment() = 0;

  virtual void SetInfoCaption(const std::string& text) = 0;
  virtual void EnableShowButton() = 0;
  // Panel 1 of the frame's status bar.
  virtual void SetFrameStatus(const std::string& text) = 0;
  virtual void FocusPermittivity() = 0;
  virtual void FocusConductorDiameter() = 0;
};

}  // namespace zb
