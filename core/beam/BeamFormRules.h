#pragma once
// What the beam form's buttons and boxes do with their texts. The window and
// the command line's headless form both apply these rules.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/shared/Translate.h"

namespace zb {

// The segment the band buttons read: 1 CW, 2 SSB, 3 band centre for the
// selected segment button 0..2, 0 (read as band centre) for none.
std::int16_t SegmentOfOption1(int selectedOption1);

// A band button was selected: the new frequency text, or nothing when the
// button ("andere") gives no frequency.
std::optional<std::string> BandButtonFrequencyText(std::string_view caption, int selectedOption1);

// Segment button `index` was selected: the frequency in the box moved to the
// band's design frequency for that segment, or nothing.
std::optional<std::string> SegmentButtonFrequencyText(std::string_view text1, int index);

// The design caption of a band button shown in the general number format
// ("7.0" becomes "7", "1.8" becomes "1,8" under German); "andere" stays.
std::string ShownBandCaption(std::string_view designCaption);

// The velocity-factor box and its spinner: value v of 0..1000 stands for
// VF = 1 - v / 1000.
inline constexpr int kSpinnerMax = 1000;

// Spinner value nearest to (1 - vf) * 1000, ties to even, limited to 0..1000.
int SpinnerValueFor(float vf);

// The spinner value set when the form is activated: 1000 - nearest(vf * 1000).
int SpinnerValueOnActivate(float vf);

// The velocity factor a spinner value shows, with the mask "0.00##".
std::string VelocityFactorTextFor(int spinnerValue);

// Leaving the velocity-factor box.
struct VelocityFactorLeave {
  enum Kind { SetSpinner, ExactlyOne, OutOfRange } kind;
  int spinnerValue = 0;  // for SetSpinner
};
VelocityFactorLeave LeaveVelocityFactor(std::string_view velocityFactorText);

// Texts written when the velocity factor is exactly 1 or out of range.
inline constexpr const char* kIdealWireCombo = "1,0";
inline constexpr const char* kVelocityFactorNote =
    TrMark("BeamForm", " Bitte einen Verkürzungsfaktor von 0 - 1,0 !(typisch 0,946) eintragen");
inline constexpr const char* kTypicalVelocityFactor = "0,946";

// The spinner moved to `value` (user or code): the value the spinner must be
// re-based to when the box was typed into since its last move, or nothing.
std::optional<int> RebasedSpinnerValue(int value, int lastValue, std::string_view velocityFactorText);

// Velocity factors below this are shown in red.
inline constexpr float kLowVelocityFactor = 0.8f;
bool IsLowVelocityFactor(std::string_view velocityFactorText);

}  // namespace zb
