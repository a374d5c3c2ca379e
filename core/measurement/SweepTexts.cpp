#include "core/measurement/SweepTexts.h"

#include <cmath>
#include <string_view>

#include "core/numbers/NumberText.h"
#include "core/shared/Translate.h"

namespace zb {

namespace {

// The value through the mask; a value that rounds to zero shows without a sign.
std::string Shown(double value, std::string_view mask) {
  std::string text = FormatNumber(value, mask);
  if (!text.empty() && text[0] == '-' && text.find_first_of("123456789") == std::string::npos)
    text.erase(0, 1);
  return text;
}

std::string ResonanceKindText(ResonanceKind kind) {
  return kind == ResonanceKind::ReactanceZero
             ? Tr("Sweep", "Blindwiderstand null")
             : Tr("Sweep", "beim kleinsten SWR, kein Nulldurchgang des Blindwiderstands");
}

}  // namespace

std::string SweepMHzText(double mhz) { return Shown(mhz, "0.000"); }

std::string SwrText(double swr) { return std::isinf(swr) ? Tr("Sweep", "unendlich") : Shown(swr, "0.00"); }

std::string OhmsText(double ohms) {
  if (std::isnan(ohms)) return Tr("Sweep", "unbestimmt");
  if (std::isinf(ohms)) return (ohms > 0 ? "" : "-") + Tr("Sweep", "unendlich");
  return Shown(ohms, "0.0");
}

std::string SwrBandText(const std::optional<SwrBand>& band) {
  if (!band) return Tr("Sweep", "nicht erreicht");
  return Fill(Tr("Sweep", "%1%2 bis %3%4 MHz"),
              {SweepMHzText(band->lowMHz), band->lowOpen ? Tr("Sweep", " (Messbereichsanfang)") : "",
               SweepMHzText(band->highMHz), band->highOpen ? Tr("Sweep", " (Messbereichsende)") : ""});
}

std::string ResonanceOutsideText(ResonanceKind kind) {
  if (kind == ResonanceKind::BelowSweep)
    return Tr("Sweep", "Resonanz unterhalb des Messbereichs – bitte tiefer messen");
  if (kind == ResonanceKind::AboveSweep)
    return Tr("Sweep", "Resonanz oberhalb des Messbereichs – bitte höher messen");
  return "";
}

namespace {

// The resonance row: where it lies, or where to measure instead; the edge of
// the sweep is never offered as the resonance.
std::string ResonanceText(const SweepEvaluation& e) {
  if (ResonanceOutsideSweep(e.resonanceKind)) return ResonanceOutsideText(e.resonanceKind);
  return Fill(Tr("Sweep", "%1 MHz (%2)"), {SweepMHzText(e.resonanceMHz), ResonanceKindText(e.resonanceKind)});
}

}  // namespace

std::vector<SweepRow> SweepEvaluationRows(const SweepEvaluation& e) {
  return {
      {Tr("Sweep", "Messpunkte:"),
       Fill(Tr("Sweep", "%1 von %2 bis %3 MHz"),
            {std::to_string(e.points), SweepMHzText(e.fStartMHz), SweepMHzText(e.fStopMHz)})},
      {Tr("Sweep", "Resonanz:"), ResonanceText(e)},
      {Tr("Sweep", "Kleinstes SWR:"),
       Fill(Tr("Sweep", "%1 bei %2 MHz"), {SwrText(e.swrMin), SweepMHzText(e.swrMinMHz)})},
      {"SWR \u2264 2:", SwrBandText(e.swr2)},
      {"SWR \u2264 " + FormatNumber(kSwrBandNarrow, "0.0") + ":", SwrBandText(e.swr15)},
      {Tr("Sweep", "Wirkwiderstand R bei Resonanz [Ω]:"), OhmsText(e.resistance)},
      {Tr("Sweep", "Blindwiderstand X bei Resonanz [Ω]:"), OhmsText(e.reactance)},
  };
}

std::string AssumedOptionsNote() { return Tr("Sweep", "ohne Optionszeile: GHz, S, MA, R 50 angenommen"); }

std::string MeasuredResonanceText(double mhz) { return FormatNumber(mhz, "0.0##"); }

}  // namespace zb
