#pragma once
// The beam form's controls as its form model changes them: what the
// calculation run reads and writes, plus the boxes, the spinner and the
// diameter group the form's own reactions touch.

#include <string>

#include "core/BeamFormAccess.h"

namespace zb {

class BeamFormControls : public BeamFormAccess {
 public:
  virtual void SetText6(const std::string& text) = 0;
  virtual void SetText7(const std::string& text) = 0;
  virtual void SetCombo1Text(const std::string& text) = 0;
  // The two diameter boxes with their labels.
  virtual void SetDiametersEnabled(bool enabled) = 0;
  // The caption of band button Option2(index).
  virtual std::string Option2Caption(int index) = 0;
  virtual void SetOption2Caption(int index, const std::string& caption) = 0;
  // The spinner beside the velocity-factor box. Setting a new value raises
  // its change behaviour, also when set from code.
  virtual int SpinnerValue() = 0;
  virtual void SetSpinnerValue(int value) = 0;
};

}  // namespace zb
