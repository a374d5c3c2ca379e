#include "core/side/ZusatzDipolRules.h"

#include <iterator>

#include "core/numbers/NumberText.h"
#include "core/numbers/RuntimeError.h"
#include "core/shared/VfWindowState.h"

namespace zb {

namespace {

// Every line with its blanks as shown; no line break after the last one.
constexpr const char* kInfoLines[] = {
    " Bedingungen für die Richtigkeit der Berechnung:",
    "",
    " · Der Erreger-Dipol muss auf der Frequenz des Zusatz-Dipol eine hochohmige ",
    "   Impedanz aufweisen.",
    " · Es kann nur ein zusätzlicher Dipol ausreichend genau berechnet werden. Solle zwei  ",
    "   oder mehr Zusatz-Dipole hinzu gefügt werden, so reichen die Abstandsberechnungen   ",
    "   nur als grober Anhaltspunkt. Eigene Experimente sind dann notwendig.  ",
    "",
    " Hinweis:",
    "",
    " · Die Eingaben zur Drahtisolierung und zur Berechnung des VF werden zur ",
    "   Berechnung mit übernommen.",
    " · Der Zusatz-Dipol muss sich mittig und symmetrisch zum Speisepunkt befinden.        ",
    " · Der Zusatz-Dipol muss immer kürzer als der Erreger-Dipol sein und darf auch nicht  ",
    "   über dessen Ende hinaus ragen.",
};

constexpr const char* kBoxCaptions[] = {
    "gewünschte Resonanz&frequenz [MHz]:",         // wanted frequency
    "&unterste Resonanzfrequenz [MHz]:",           // exciter resonance
    "gewünschte &Impedanz im Speisepunkt [Ohm]:",  // impedance
    "&Draht-Durchmesser [mm]:",                    // dipole diameter
    "Dra&ht-Durchmesser [mm]:",                    // exciter diameter
    "&Verkürzungsfaktor:",                         // exciter velocity factor
};

}  // namespace

const char* ZusatzDipolBoxCaption(int box) { return kBoxCaptions[box - 1]; }

ZusatzDipolLoadedTexts LoadedZusatzDipolTexts(VfWindowState& vfWindow, const std::string& beamVelocityFactor,
                                              const std::string& beamConductorDiameter) {
  ZusatzDipolLoadedTexts t{"", "", "300", "", "", ""};
  std::string diameter = beamConductorDiameter;
  float vf = 0;
  if (vfWindow.IsActive()) {
    t.exciterResonance = vfWindow.FrequencyText();
    diameter = vfWindow.DiameterText();
  } else {
    try {
      vf = ParseNumber(beamVelocityFactor);
    } catch (const RuntimeError&) {
      // An unreadable velocity factor is none: the typical one applies.
    }
  }
  t.dipoleDiameter = t.exciterDiameter = diameter;
  if (vf == 0.0f) vf = kTypicalWireVf;
  t.exciterVf = FormatNumber(vf, "0.00##");
  return t;
}

std::string ZusatzDipolInfoText(const std::string& newline) {
  std::string text = kInfoLines[0];
  for (std::size_t i = 1; i < std::size(kInfoLines); ++i) text += newline + kInfoLines[i];
  return text;
}

}  // namespace zb
