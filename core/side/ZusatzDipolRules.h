#pragma once
// The rules of the coupled-dipole window (ZusatzDipol) that the Qt window
// and the command line's headless window share.

#include <string>

namespace zb {

class VfWindowState;

// What Form_Load puts into the boxes: empty frequencies, 300 ohms, both
// diameters from the beam form's conductor box (or, while the velocity-factor
// window holds a current estimate, its frequency and diameter), and the beam
// form's velocity factor, 0,946 when that is 0.
struct ZusatzDipolLoadedTexts {
  std::string text1, text2, text3, text4, text5, text6;
};
ZusatzDipolLoadedTexts LoadedZusatzDipolTexts(VfWindowState& vfWindow, const std::string& beamText4,
                                              const std::string& beamText7);

// The velocity factor used whenever none is at hand.
inline constexpr float kTypicalWireVf = 0.946f;

inline constexpr const char* kZusatzDipolTitle = "Strahlungsgekoppelten Dipol berechnen";
inline constexpr const char* kSpacingCaption = "&Abstand zwischen den Antennendrähten [mm]:";  // Label7
inline constexpr const char* kLengthCaption = "&Länge Zusatzdipol [m]:";                       // Label9

// The caption beside box Text1 .. Text6.
const char* ZusatzDipolBoxCaption(int box);

// "I&nfo": the conditions under which the result holds.
inline constexpr const char* kZusatzDipolInfoTitle = " Info zur Berechnung eines strahlungsgekoppelten Dipol ";
std::string ZusatzDipolInfoText(const std::string& newline);

}  // namespace zb
