#pragma once
// What the calculations read from the velocity-factor window. Reading it may
// bring the window into existence (hidden), so the getters are not const.

#include <string>

namespace zb {

inline constexpr const char* kVfTagActive = "Aktiv";

class VfWindowState {
 public:
  virtual ~VfWindowState() = default;
  virtual std::string Tag() = 0;              // "Aktiv" after a completed estimate
  virtual bool GroundCorrection() = 0;        // "&Erdbodenkorrektur" ticked
  virtual std::string HeightText() = 0;       // antenna height above ground, m
  virtual std::string DiameterText() = 0;     // wire diameter, mm
  virtual std::string FrequencyText() = 0;    // resonance frequency, MHz

  bool IsActive() { return Tag() == kVfTagActive; }
};

// Where there is no velocity-factor window, its state reads as not active.
class NoVfWindow final : public VfWindowState {
 public:
  std::string Tag() override { return ""; }
  bool GroundCorrection() override { return false; }
  std::string HeightText() override { return ""; }
  std::string DiameterText() override { return ""; }
  std::string FrequencyText() override { return ""; }
};

// A velocity-factor window that holds a completed estimate with these entries.
class FixedVfWindow final : public VfWindowState {
 public:
  FixedVfWindow(std::string height, std::string diameter, bool groundCorrection)
      : height_(std::move(height)), diameter_(std::move(diameter)), ground_(groundCorrection) {}
  std::string Tag() override { return kVfTagActive; }
  bool GroundCorrection() override { return ground_; }
  std::string HeightText() override { return height_; }
  std::string DiameterText() override { return diameter_; }
  std::string FrequencyText() override { return ""; }

 private:
  std::string height_;
  std::string diameter_;
  bool ground_;
};

}  // namespace zb
