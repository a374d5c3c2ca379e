#pragma once
// The coupled-dipole window without a window: its boxes and result labels as
// plain values, loaded as the window loads.

#include <array>
#include <string>

#include "core/side/ZusatzDipolFormAccess.h"
#include "core/side/ZusatzDipolRules.h"

namespace zb {

class HeadlessZusatzDipolForm final : public ZusatzDipolFormAccess {
 public:
  explicit HeadlessZusatzDipolForm(const ZusatzDipolLoadedTexts& loaded)
      : boxes_{loaded.wantedFrequency, loaded.exciterResonance, loaded.impedance,
               loaded.dipoleDiameter,  loaded.exciterDiameter,  loaded.exciterVf} {}

  // The box at this place (1 .. 6, as ZusatzDipolBox).
  std::string& Box(int number) { return boxes_[static_cast<std::size_t>(number - 1)]; }
  const std::string& Spacing() const { return spacing_; }
  const std::string& Length() const { return length_; }
  // The box that got the focus last (1 .. 6), 0 when none did.
  int Focus() const { return focus_; }

  std::string WantedFrequencyText() override { return Box(1); }
  std::string ExciterResonanceText() override { return Box(2); }
  std::string ImpedanceText() override { return Box(3); }
  std::string DipoleDiameterText() override { return Box(4); }
  std::string ExciterDiameterText() override { return Box(5); }
  std::string ExciterVfText() override { return Box(6); }
  void SetDipoleDiameterText(const std::string& text) override { Box(4) = text; }
  void SetExciterDiameterText(const std::string& text) override { Box(5) = text; }
  void SetExciterVfText(const std::string& text) override { Box(6) = text; }
  void SetSpacing(const std::string& caption) override { spacing_ = caption; }
  void SetLength(const std::string& caption) override { length_ = caption; }
  void Focus(ZusatzDipolBox box) override { focus_ = static_cast<int>(box); }

 private:
  std::array<std::string, 6> boxes_;
  std::string spacing_, length_;
  int focus_ = 0;
};

}  // namespace zb
