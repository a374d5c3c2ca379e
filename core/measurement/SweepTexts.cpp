#include "core/measurement/SweepTexts.h"

#include <cmath>
#include <string_view>

#include "core/numbers/NumberText.h"

namespace zb {

namespace {

// The value through the mask; a value that rounds to zero shows without a sign.
std::string Shown(double value, std::string_view mask) {
  std::string text = FormatNumber(value, mask);
  if (!text.empty() && text[0] == '-' && text.find_first_of("123456789") == std::string::npos)
    text.erase(0, 1);
  return text;
}

const char* ResonanceKindText(ResonanceKind kind) {
  return kind == ResonanceKind::ReactanceZero ? "Blindwiderstand null"
                                              : "beim kleinsten SWR, kein Nulldurchgang des Blindwiderstands";
}

}  // namespace

std::string SweepMHzText(double mhz) { return Shown(mhz, "0.000"); }

std::string SwrText(double swr) { return std::isinf(swr) ? "unendlich" : Shown(swr, "0.00"); }

std::string OhmsText(double ohms) {
  if (std::isnan(ohms)) return "unbestimmt";
  if (std::isinf(ohms)) return ohms > 0 ? "unendlich" : "-unendlich";
  return Shown(ohms, "0.0");
}

std::string SwrBandText(const std::optional<SwrBand>& band) {
  if (!band) return "nicht erreicht";
  return SweepMHzText(band->lowMHz) + (band->lowOpen ? " (Messbereichsanfang)" : "") + " bis " +
         SweepMHzText(band->highMHz) + (band->highOpen ? " (Messbereichsende)" : "") + " MHz";
}

std::string ResonanceOutsideText(ResonanceKind kind) {
  if (kind == ResonanceKind::BelowSweep)
    return "Resonanz unterhalb des Messbereichs \u2013 bitte tiefer messen";
  if (kind == ResonanceKind::AboveSweep)
    return "Resonanz oberhalb des Messbereichs \u2013 bitte h\u00F6her messen";
  return "";
}

namespace {

// The resonance row: where it lies, or where to measure instead; the edge of
// the sweep is never offered as the resonance.
std::string ResonanceText(const SweepEvaluation& e) {
  if (ResonanceOutsideSweep(e.resonanceKind)) return ResonanceOutsideText(e.resonanceKind);
  return SweepMHzText(e.resonanceMHz) + " MHz (" + ResonanceKindText(e.resonanceKind) + ")";
}

}  // namespace

std::vector<SweepRow> SweepEvaluationRows(const SweepEvaluation& e) {
  return {
      {"Messpunkte:", std::to_string(e.points) + " von " + SweepMHzText(e.fStartMHz) + " bis " +
                          SweepMHzText(e.fStopMHz) + " MHz"},
      {"Resonanz:", ResonanceText(e)},
      {"Kleinstes SWR:", SwrText(e.swrMin) + " bei " + SweepMHzText(e.swrMinMHz) + " MHz"},
      {"SWR \u2264 2:", SwrBandText(e.swr2)},
      {"SWR \u2264 " + FormatNumber(kSwrBandNarrow, "0.0") + ":", SwrBandText(e.swr15)},
      {"Wirkwiderstand R bei Resonanz [\u03A9]:", OhmsText(e.resistance)},
      {"Blindwiderstand X bei Resonanz [\u03A9]:", OhmsText(e.reactance)},
  };
}

std::string AssumedOptionsNote() { return "ohne Optionszeile: GHz, S, MA, R 50 angenommen"; }

std::string MeasuredResonanceText(double mhz) { return FormatNumber(mhz, "0.0##"); }

}  // namespace zb
