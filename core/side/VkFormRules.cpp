#include "core/side/VkFormRules.h"

#include "core/numbers/NumberText.h"
#include "core/numbers/RuntimeError.h"
#include "core/side/VkFormAccess.h"

namespace zb {

namespace {

constexpr float kHighBandFrom = 50.0f;  // MHz: from here on the antenna hangs lower

constexpr VkModeTexts kVfMode{
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

constexpr VkModeTexts kPruningMode{
    kPruningTitle,
    "Zelvar-Beam Pruning/Optimieren",
    " Neu: ",
    "ist Antennenlänge lS[m]:",
    "ist Resonanzfrequenz [MHz]:",
    "soll Resonanzfrequenz [MHz]:",
    "VF gesamt:",
    "Antennenlänge lS:",
    "Länge lS ändern um [mm]:",
    kVfMode.label10,
    kVfMode.label12,
    kVfMode.label4Tip,
    kVfMode.label6Tip,
    kVfMode.label8Tip,
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

constexpr int kVfModeCommand1Top = 3420;
constexpr int kCommand1AboveBottom = 1050;

}  // namespace

bool IsVfMode(std::string_view title) { return title == kVfTitle; }

VkLoadedTexts LoadedVkTexts(const std::string& beamText1, const std::string& beamText7) {
  float frequency = 0;
  try {
    frequency = ParseNumber(beamText1);
  } catch (const RuntimeError&) {
    // A frequency beyond any number counts as a low band, not as a failed load.
  }
  const float height = frequency >= kHighBandFrom ? 3.0f : 10.0f;
  return {kVkTagLoaded, beamText1, FormatNumber(height, "#0.0"), beamText7};
}

const VkModeTexts& VfModeTexts() { return kVfMode; }
const VkModeTexts& PruningModeTexts() { return kPruningMode; }

int Command1Top(std::string_view title, int windowHeightTwips) {
  return IsVfMode(title) ? kVfModeCommand1Top : Command1TopAboveBottom(windowHeightTwips);
}

int Command1TopAboveBottom(int windowHeightTwips) { return windowHeightTwips - kCommand1AboveBottom; }

void HandOverVf(VkFormAccess& form) {
  form.SetBeamFormVelocityFactor(FormatNumber(form.EstimatedVf(), "0.00##"));
  if (const std::string frequency = form.FrequencyText(); !frequency.empty())
    form.SetBeamFormFrequency(frequency);
}

}  // namespace zb
