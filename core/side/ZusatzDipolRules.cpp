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
    "gewünschte Resonanz&frequenz [MHz]:",         // Text1
    "&unterste Resonanzfrequenz [MHz]:",           // Text2
    "gewünschte &Impedanz im Speisepunkt [Ohm]:",  // Text3
    "&Draht-Durchmesser [mm]:",                    // Text4, additional dipole
    "Dra&ht-Durchmesser [mm]:",                    // Text5, exciter
    "&Verkürzungsfaktor:",                         // Text6
};

}  // namespace

const char* ZusatzDipolBoxCaption(int box) { return kBoxCaptions[box - 1]; }

ZusatzDipolLoadedTexts LoadedZusatzDipolTexts(VfWindowState& vfWindow, const std::string& beamText4,
                                              const std::string& beamText7) {
  ZusatzDipolLoadedTexts t{"", "", "300", "", "", ""};
  std::string diameter = beamText7;
  float vf = 0;
  if (vfWindow.IsActive()) {
    t.text2 = vfWindow.FrequencyText();
    diameter = vfWindow.DiameterText();
  } else {
    try {
      vf = ParseNumber(beamText4);
    } catch (const RuntimeError&) {
      // An unreadable velocity factor is none: the typical one applies.
    }
  }
  t.text4 = t.text5 = diameter;
  if (vf == 0.0f) vf = kTypicalWireVf;
  t.text6 = FormatNumber(vf, "0.00##");
  return t;
}

std::string ZusatzDipolInfoText(const std::string& newline) {
  std::string text = kInfoLines[0];
  for (std::size_t i = 1; i < std::size(kInfoLines); ++i) text += newline + kInfoLines[i];
  return text;
}

}  // namespace zb
