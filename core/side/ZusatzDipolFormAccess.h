#pragma once
// What the coupled-dipole run reads and writes on its window (ZusatzDipol):
// the additional dipole's wanted frequency (MHz), impedance (ohm) and wire
// diameter (mm), the exciter's lowest resonance (MHz), wire diameter (mm) and
// VF, and the results spacing (mm) and length (m).

#include <string>

namespace zb {

// The window's entries, in the order they stand in the window.
enum class ZusatzDipolBox {
  WantedFrequency = 1,
  ExciterResonance,
  Impedance,
  DipoleDiameter,
  ExciterDiameter,
  ExciterVf
};

class ZusatzDipolFormAccess {
 public:
  virtual ~ZusatzDipolFormAccess() = default;

  virtual std::string WantedFrequencyText() = 0;
  virtual std::string ExciterResonanceText() = 0;
  virtual std::string ImpedanceText() = 0;
  virtual std::string DipoleDiameterText() = 0;
  virtual std::string ExciterDiameterText() = 0;
  virtual std::string ExciterVfText() = 0;
  virtual void SetDipoleDiameterText(const std::string& text) = 0;
  virtual void SetExciterDiameterText(const std::string& text) = 0;
  virtual void SetExciterVfText(const std::string& text) = 0;
  virtual void SetSpacing(const std::string& caption) = 0;
  virtual void SetLength(const std::string& caption) = 0;
  virtual void Focus(ZusatzDipolBox box) = 0;
};

}  // namespace zb
