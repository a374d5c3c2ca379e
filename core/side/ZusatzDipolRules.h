#pragma once
// The rules of the coupled-dipole window (ZusatzDipol) that the Qt window
// and the command line's headless window share.

#include <string>

#include "core/shared/Translate.h"

namespace zb {

class VfWindowState;

// What Form_Load puts into the boxes: empty frequencies, 300 ohms, both
// diameters from the beam form's conductor box (or, while the velocity-factor
// window holds a current estimate, its frequency and diameter), and the beam
// form's velocity factor, 0,946 when that is 0.
struct ZusatzDipolLoadedTexts {
  std::string wantedFrequency, exciterResonance, impedance, dipoleDiameter, exciterDiameter, exciterVf;
};
ZusatzDipolLoadedTexts LoadedZusatzDipolTexts(VfWindowState& vfWindow, const std::string& beamVelocityFactor,
                                              const std::string& beamConductorDiameter);

// The velocity factor used whenever none is at hand.
inline constexpr float kTypicalWireVf = 0.946f;

inline constexpr const char* kZusatzDipolTitle =
    TrMark("CoupledDipolWindow", "Strahlungsgekoppelten Dipol berechnen");
inline constexpr const char* kSpacingCaption =
    TrMark("CoupledDipolWindow", "&Abstand zwischen den Antennendrähten [mm]:");
inline constexpr const char* kLengthCaption = TrMark("CoupledDipolWindow", "&Länge Zusatzdipol [m]:");

// One of the window's texts in the language the program speaks.
inline std::string ZusatzDipolText(const char* text) { return Tr("CoupledDipolWindow", text); }

// The caption beside the box at this place (1 .. 6, as ZusatzDipolBox).
const char* ZusatzDipolBoxCaption(int box);

// "I&nfo": the conditions under which the result holds.
inline constexpr const char* kZusatzDipolInfoTitle =
    TrMark("CoupledDipolWindow", " Info zur Berechnung eines strahlungsgekoppelten Dipol ");
std::string ZusatzDipolInfoText(const std::string& newline);

}  // namespace zb
