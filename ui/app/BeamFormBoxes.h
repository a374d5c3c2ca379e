#pragma once
// The beam form's boxes the side windows read and write, without the beam
// form's header: resonance frequency, velocity factor and conductor
// diameter. The program writes them whole, whatever the
// length the user may type.

#include <string>

namespace zb::ui {

class BeamFormBoxes {
 public:
  virtual ~BeamFormBoxes() = default;

  virtual std::string FrequencyText() = 0;
  virtual void SetFrequencyText(const std::string& text) = 0;
  virtual void SetVelocityFactorText(const std::string& text) = 0;
  virtual std::string ConductorDiameterText() = 0;
  virtual void SetConductorDiameterText(const std::string& text) = 0;
};

}  // namespace zb::ui
