#include "core/side/VfFormRules.h"

#include "core/numbers/NumberText.h"
#include "core/numbers/RuntimeError.h"
#include "core/shared/Translate.h"
#include "core/side/VfFormAccess.h"

namespace zb {

namespace {

constexpr float kHighBandFrom = 50.0f;  // MHz: from here on the antenna hangs lower

constexpr VfWindowModeTexts kVfMode{
    kVfTitle,
    TrMark("VfWindow", "Zelvar-Beam Vf errechnen"),
    TrMark("VfWindow", "Verkürzung in % durch "),
    TrMark("VfWindow", "&Frequenz [MHz]:"),
    TrMark("VfWindow", "&Antennenhöhe [m]:"),
    TrMark("VfWindow", "&Drahtdurchmesser [mm]:"),
    TrMark("VfWindow", "Antennenhöhe:"),
    TrMark("VfWindow", "Schlangheitsgrad:"),
    TrMark("VfWindow", "voraussichtlicher Verkürzungsfaktor:"),
    TrMark("VfWindow", "Länge lR ändern um [mm]:"),
    TrMark("VfWindow", "Länge lD ändern um [mm]:"),
    TrMark("VfWindow", " Verhältnis Antennenhöhe/Wellenlänge "),
    TrMark("VfWindow", " Verhältnis Wellenlänge/Drahtdurchmesser "),
    TrMark("VfWindow", " Vk "),
    TrMark("VfWindow", " Resonanzfrequenz der Antenne "),
    TrMark("VfWindow", " Höhe über Erdboden "),
    TrMark("VfWindow", " Leiterstärke "),
    TrMark("VfWindow", " % "),
    TrMark("VfWindow", " % "),
    TrMark("VfWindow", " Vk 0 - 1 "),
    "",
    "",
    TrMark("VfWindow", " Vk berechnen "),
    4875,
    true,
    false,
};

constexpr VfWindowModeTexts kPruningMode{
    kPruningTitle,
    TrMark("VfWindow", "Zelvar-Beam Pruning/Optimieren"),
    TrMark("VfWindow", " Neu: "),
    TrMark("VfWindow", "ist Antennenlänge lS[m]:"),
    TrMark("VfWindow", "ist Resonanzfrequenz [MHz]:"),
    TrMark("VfWindow", "soll Resonanzfrequenz [MHz]:"),
    TrMark("VfWindow", "VF gesamt:"),
    TrMark("VfWindow", "Antennenlänge lS:"),
    TrMark("VfWindow", "Länge lS ändern um [mm]:"),
    kVfMode.reflectorChange,
    kVfMode.directorChange,
    kVfMode.heightShareOrVfTip,
    kVfMode.slendernessOrLengthTip,
    kVfMode.estimateOrRadiatorTip,
    TrMark("VfWindow", "gemessene Antennenlänge"),
    TrMark("VfWindow", "gemessene Resonanzfrequenz der Antenne"),
    TrMark("VfWindow", "gewünschte Resonanzfrequenz der Antenne"),
    TrMark("VfWindow", "vorhandener Verkürzungsfaktor"),
    TrMark("VfWindow", "Neu berechnete Antennenlänge lS"),
    TrMark("VfWindow", "Längen-Änderung"),
    TrMark("VfWindow", "Längen-Änderung"),
    TrMark("VfWindow", "Längen-Änderung"),
    TrMark("VfWindow", "Längenänderung berechnen"),
    5420,
    false,
    true,
};

constexpr int kVfModeCalculateButtonTop = 3420;
constexpr int kCalculateButtonAboveBottom = 1050;

}  // namespace

VfWindowLoadedTexts LoadedVfWindowTexts(const std::string& beamFrequency,
                                        const std::string& beamConductorDiameter) {
  float frequency = 0;
  try {
    frequency = ParseNumber(beamFrequency);
  } catch (const RuntimeError&) {
    // A frequency beyond any number counts as a low band, not as a failed load.
  }
  const float height = frequency >= kHighBandFrom ? 3.0f : 10.0f;
  return {VfWindowStatus::Loaded, beamFrequency, FormatNumber(height, "#0.0"), beamConductorDiameter};
}

const VfWindowModeTexts& VfModeTexts() { return kVfMode; }
const VfWindowModeTexts& PruningModeTexts() { return kPruningMode; }

int CalculateButtonTop(VfWindowMode mode, int windowHeightTwips) {
  return mode == VfWindowMode::Estimate ? kVfModeCalculateButtonTop
                                        : CalculateButtonTopAboveBottom(windowHeightTwips);
}

int CalculateButtonTopAboveBottom(int windowHeightTwips) {
  return windowHeightTwips - kCalculateButtonAboveBottom;
}

void HandOverVf(VfFormAccess& form) {
  form.SetBeamFormVelocityFactor(FormatNumber(form.EstimatedVf(), "0.00##"));
  if (const std::string frequency = form.FrequencyText(); !frequency.empty())
    form.SetBeamFormFrequency(frequency);
}

}  // namespace zb
