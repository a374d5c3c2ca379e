#include "core/side/ZusatzDipolRules.h"

#include <iterator>

#include "core/numbers/NumberText.h"
#include "core/numbers/RuntimeError.h"
#include "core/shared/VfWindowState.h"

namespace zb {

namespace {

// Every line with its blanks as shown; no line break after the last one.
constexpr const char* kInfoLines[] = {
    TrMark("CoupledDipolWindow", " Bedingungen für die Richtigkeit der Berechnung:"),
    "",
    TrMark("CoupledDipolWindow",
           " · Der Erreger-Dipol muss auf der Frequenz des Zusatz-Dipol eine hochohmige "),
    TrMark("CoupledDipolWindow", "   Impedanz aufweisen."),
    TrMark("CoupledDipolWindow",
           " · Es kann nur ein zusätzlicher Dipol ausreichend genau berechnet werden. Solle zwei  "),
    TrMark("CoupledDipolWindow",
           "   oder mehr Zusatz-Dipole hinzu gefügt werden, so reichen die Abstandsberechnungen   "),
    TrMark("CoupledDipolWindow", "   nur als grober Anhaltspunkt. Eigene Experimente sind dann notwendig.  "),
    "",
    TrMark("CoupledDipolWindow", " Hinweis:"),
    "",
    TrMark("CoupledDipolWindow", " · Die Eingaben zur Drahtisolierung und zur Berechnung des VF werden zur "),
    TrMark("CoupledDipolWindow", "   Berechnung mit übernommen."),
    TrMark("CoupledDipolWindow",
           " · Der Zusatz-Dipol muss sich mittig und symmetrisch zum Speisepunkt befinden.        "),
    TrMark("CoupledDipolWindow",
           " · Der Zusatz-Dipol muss immer kürzer als der Erreger-Dipol sein und darf auch nicht  "),
    TrMark("CoupledDipolWindow", "   über dessen Ende hinaus ragen."),
};

constexpr const char* kBoxCaptions[] = {
    TrMark("CoupledDipolWindow", "gewünschte Resonanz&frequenz [MHz]:"),         // wanted frequency
    TrMark("CoupledDipolWindow", "&unterste Resonanzfrequenz [MHz]:"),           // exciter resonance
    TrMark("CoupledDipolWindow", "gewünschte &Impedanz im Speisepunkt [Ohm]:"),  // impedance
    TrMark("CoupledDipolWindow", "&Draht-Durchmesser [mm]:"),                    // dipole diameter
    TrMark("CoupledDipolWindow", "Dra&ht-Durchmesser [mm]:"),                    // exciter diameter
    TrMark("CoupledDipolWindow", "&Verkürzungsfaktor:"),                         // exciter velocity factor
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
  std::string text = ZusatzDipolText(kInfoLines[0]);
  for (std::size_t i = 1; i < std::size(kInfoLines); ++i) text += newline + ZusatzDipolText(kInfoLines[i]);
  return text;
}

}  // namespace zb
