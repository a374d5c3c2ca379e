#pragma once
// How an evaluated sweep reads: the rows the command line prints and the
// measurement window shows, with the same numbers in the same masks, so both
// say the same for the same file. The decimal separator follows the user's
// locale (core/numbers/NumberText.h).

#include <optional>
#include <string>
#include <vector>

#include "core/measurement/SweepEvaluation.h"

namespace zb {

// One row: its caption (UTF-8, with its colon) and the value as shown.
struct SweepRow {
  std::string caption;
  std::string value;
};

// A frequency in MHz with three decimals ("14,100").
std::string SweepMHzText(double mhz);
// An SWR with two decimals; "unendlich" where every |gamma| >= 1.
std::string SwrText(double swr);
// A resistance or reactance with one decimal; "unbestimmt" or "unendlich"
// where the impedance has no finite value.
std::string OhmsText(double ohms);
// "13,779 bis 14,429 MHz", an open edge named; "nicht erreicht" without a band.
std::string SwrBandText(const std::optional<SwrBand>& band);

// Where the resonance lies outside the sweep, what the user should do
// ("Resonanz unterhalb des Messbereichs – bitte tiefer messen"); "" inside it.
std::string ResonanceOutsideText(ResonanceKind kind);

// What the user reads beside a file without an option line: a sweep in MHz
// read as GHz is a thousand times off.
std::string AssumedOptionsNote();

// The seven rows: points, resonance, smallest SWR, both bands, R and X.
std::vector<SweepRow> SweepEvaluationRows(const SweepEvaluation& evaluation);

// The resonance as it goes into the pruning's box of the measured frequency.
std::string MeasuredResonanceText(double mhz);

}  // namespace zb
