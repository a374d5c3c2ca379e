#include "core/side/VfFormRules.h"

#include "core/numbers/NumberText.h"
#include "core/numbers/RuntimeError.h"
#include "core/side/VfFormAccess.h"

namespace zb {

namespace {

constexpr float kHighBandFrom = 50.0f;  // MHz: from here on the antenna hangs lower

constexpr VfWindowModeTexts kVfMode{
    kVfTitle,
    "Zelvar-Beam Vf errechnen",
    "Verkürzung in % durch ",
    "&Frequenz [MHz]:",
    "&Antennenhöhe [m]:",
    "&Drahtdurchmesser [mm]:",
    "Antennenhöhe:",
    "Schlangheitsgrad:",
    "voraussichtlicher Verkürzungsfaktor:",
    "Länge lR ändern um [mm]:",
    "Länge lD ändern um [mm]:",
    " Verhältnis Antennenhöhe/Wellenlänge ",
    " Verhältnis Wellenlänge/Drahtdurchmesser ",
    " Vk ",
    " Resonanzfrequenz der Antenne ",
    " Höhe über Erdboden ",
    " Leiterstärke ",
    " % ",
    " % ",
    " Vk 0 - 1 ",
    "",
    "",
    " Vk berechnen ",
    4875,
    true,
    false,
};

constexpr VfWindowModeTexts kPruningMode{
    kPruningTitle,
    "Zelvar-Beam Pruning/Optimieren",
    " Neu: ",
    "ist Antennenlänge lS[m]:",
    "ist Resonanzfrequenz [MHz]:",
    "soll Resonanzfrequenz [MHz]:",
    "VF gesamt:",
    "Antennenlänge lS:",
    "Länge lS ändern um [mm]:",
    kVfMode.reflectorChange,
    kVfMode.directorChange,
    kVfMode.heightShareOrVfTip,
    kVfMode.slendernessOrLengthTip,
    kVfMode.estimateOrRadiatorTip,
    "gemessene Antennenlänge",
    "gemessene Resonanzfrequenz der Antenne",
    "gewünschte Resonanzfrequenz der Antenne",
    "vorhandener Verkürzungsfaktor",
    "Neu berechnete Antennenlänge lS",
    "Längen-Änderung",
    "Längen-Änderung",
    "Längen-Änderung",
    "Längenänderung berechnen",
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
