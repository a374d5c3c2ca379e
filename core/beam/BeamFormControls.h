#pragma once
// The beam form's controls as its form model changes them: what the
// calculation run reads and writes, plus the boxes, the spinner and the
// diameter group the form's own reactions touch.

#include <string>

#include "core/beam/BeamFormAccess.h"

namespace zb {

class BeamFormControls : public BeamFormAccess {
 public:
  virtual void SetOuterDiameterText(const std::string& text) = 0;
  virtual void SetConductorDiameterText(const std::string& text) = 0;
  virtual void SetPermittivityText(const std::string& text) = 0;
  // The two diameter boxes with their labels.
  virtual void SetDiametersEnabled(bool enabled) = 0;
  // The caption of band button index.
  virtual std::string BandCaption(int index) = 0;
  virtual void SetBandCaption(int index, const std::string& caption) = 0;
  // The spinner beside the velocity-factor box. Setting a new value raises
  // its change behaviour, also when set from code.
  virtual int SpinnerValue() = 0;
  virtual void SetSpinnerValue(int value) = 0;
};

}  // namespace zb
