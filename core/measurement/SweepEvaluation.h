#pragma once
// What a measured sweep says about the antenna: the impedance and SWR of every
// point, the smallest SWR, the resonance and the SWR <= 2 and <= 1,5 bands.
// All in 8-byte arithmetic. Plain C++, no Qt.
//
// A window or the command line reads a file with ReadMeasurement: a path in,
// the evaluated sweep or the German message (with its line) out.

#include <complex>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <vector>

#include "core/measurement/Touchstone.h"

namespace zb {

// One frequency point of the sweep.
struct MeasuredPoint {
  double frequencyMHz = 0;
  std::complex<double> gamma;  // reflection coefficient from the file
  double resistance = 0;       // R of Z = z0 (1 + gamma) / (1 - gamma), ohms; +inf where gamma = 1
  double reactance = 0;        // X of Z, ohms; NaN where gamma = 1
  double swr = 1;              // (1 + |gamma|) / (1 - |gamma|); +inf for |gamma| >= 1
};

// An SWR band: the contiguous run of points at or below the threshold around
// the smallest SWR, its edges interpolated linearly in SWR; an open edge is
// where the run reaches the end of the sweep (then the edge is that end).
struct SwrBand {
  double lowMHz = 0;
  double highMHz = 0;
  bool lowOpen = false;
  bool highOpen = false;
};

enum class ResonanceKind {
  ReactanceZero,  // X crosses from below 0 to 0 or above between two points: interpolated there
  SwrMinimum,     // no such crossing, X of both signs: the point of the smallest SWR
  BelowSweep,     // no crossing, every X >= 0 (inductive): the resonance lies below the first point
  AboveSweep,     // no crossing, every X < 0 (capacitive): the resonance lies above the last point
};
// "reactanceZero", "swrMinimum", "belowSweep", "aboveSweep"
const char* ResonanceKindName(ResonanceKind kind);
// True where the resonance lies outside the sweep: its frequency is then
// only the point of the smallest SWR and must not go on to the pruning.
bool ResonanceOutsideSweep(ResonanceKind kind);

struct SweepEvaluation {
  std::size_t points = 0;
  double fStartMHz = 0;
  double fStopMHz = 0;
  double z0 = 50;
  double resonanceMHz = 0;  // outside the sweep: the point of the smallest SWR
  ResonanceKind resonanceKind = ResonanceKind::SwrMinimum;
  double resistance = 0;         // R at the resonance, ohms
  double reactance = 0;          // X at the resonance, ohms
  double swrMin = 1;             // smallest SWR of a point (not interpolated); +inf where every |gamma| >= 1
  double swrMinMHz = 0;          // where: the first point of the smallest SWR
  std::optional<SwrBand> swr2;   // SWR <= 2; none where swrMin is above 2
  std::optional<SwrBand> swr15;  // SWR <= 1.5
};

inline constexpr double kSwrBandWide = 2.0;
inline constexpr double kSwrBandNarrow = 1.5;

// Impedance and SWR of every point of the sweep.
std::vector<MeasuredPoint> MeasuredPoints(const Sweep& sweep);

// The evaluation of the points (at least one) against z0.
SweepEvaluation EvaluateSweep(const std::vector<MeasuredPoint>& points, double z0);

// The band at or below threshold around the point of the smallest SWR; none
// where that point is above the threshold.
std::optional<SwrBand> SwrBandAround(const std::vector<MeasuredPoint>& points, std::size_t minimum,
                                     double threshold);

// A sweep read and evaluated.
struct Measurement {
  std::vector<MeasuredPoint> points;  // for the SWR curve
  SweepEvaluation evaluation;
  bool optionsAssumed = false;  // the file had no option line: its numbers may be read in the wrong unit
};

// A measurement, or why there is none.
struct MeasurementRead {
  std::optional<Measurement> measurement;
  TouchstoneError error;  // only meaningful without a measurement
};

// A read sweep evaluated; a refusal passed on.
MeasurementRead EvaluatedRead(TouchstoneRead read);

// The text of a Touchstone file read and evaluated; ports as for ParseTouchstone.
MeasurementRead EvaluateTouchstone(std::string_view text, int ports);

// The Touchstone file read and evaluated: what the window and the command line call.
MeasurementRead ReadMeasurement(const std::filesystem::path& path);

}  // namespace zb
