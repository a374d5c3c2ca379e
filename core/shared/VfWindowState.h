#pragma once
// What the calculations read from the velocity-factor window. Reading it may
// bring the window into existence (hidden), so the getters are not const.

#include <string>

namespace zb {

// What the window holds: nothing (a fresh pruning window, or one closed), its
// loaded entries without a result, a completed estimate, or a completed
// pruning calculation.
enum class VfWindowStatus { Empty, Loaded, Estimated, Pruned };

class VfWindowState {
 public:
  virtual ~VfWindowState() = default;
  virtual VfWindowStatus Status() = 0;
  virtual bool GroundCorrection() = 0;      // "&Erdbodenkorrektur" ticked
  virtual std::string HeightText() = 0;     // antenna height above ground, m
  virtual std::string DiameterText() = 0;   // wire diameter, mm
  virtual std::string FrequencyText() = 0;  // resonance frequency, MHz

  bool IsActive() { return Status() == VfWindowStatus::Estimated; }
};

// Where there is no velocity-factor window, its state reads as not active.
class NoVfWindow final : public VfWindowState {
 public:
  VfWindowStatus Status() override { return VfWindowStatus::Empty; }
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
  VfWindowStatus Status() override { return VfWindowStatus::Estimated; }
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
