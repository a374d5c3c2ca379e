#pragma once
// The rules of the velocity-factor and pruning window (frmVk): one window
// class, two modes told apart by the title. The Qt window and the command
// line's headless window both apply them.

#include <string>
#include <string_view>

namespace zb {

class VkFormAccess;

inline constexpr const char* kVfTitle = " VF berechnen ";
inline constexpr const char* kPruningTitle = " Antennen-Pruning/Optimieren ";
bool IsVfMode(std::string_view title);

// The state marker (the window's Tag): "-" loaded without a result, "Aktiv"
// (kVfTagActive) after a completed estimate, "Optimieren" after a completed
// pruning calculation, empty in a fresh pruning window and after closing.
inline constexpr const char* kVkTagLoaded = "-";
inline constexpr const char* kVkTagPruned = "Optimieren";
inline constexpr const char* kVkTagClosed = "";

// What Form_Load puts into the boxes, from the beam form's frequency and
// conductor-diameter texts: the height is 3,0 m from 50 MHz up, else 10,0 m.
struct VkLoadedTexts {
  std::string tag;
  std::string text1;
  std::string text2;
  std::string text3;
};
VkLoadedTexts LoadedVkTexts(const std::string& beamText1, const std::string& beamText7);

// The mode's captions, tooltips and sizes (twips). Captions that both modes
// share (Label10, Label12, the caption labels' tooltips) are the VF mode's.
struct VkModeTexts {
  const char* title;
  const char* label14;  // printout title line
  const char* frame1;
  const char* label1;
  const char* label2;
  const char* label3;
  const char* label4;
  const char* label6;
  const char* label8;
  const char* label10;
  const char* label12;
  const char* label4Tip;
  const char* label6Tip;
  const char* label8Tip;
  const char* text1Tip;
  const char* text2Tip;
  const char* text3Tip;
  const char* label5Tip;
  const char* label7Tip;
  const char* label9Tip;
  const char* label11Tip;
  const char* label13Tip;
  const char* command1Tip;
  int heightTwips;
  bool optionsMenuVisible;  // "&Optionen"
  bool changeRowsVisible;   // Label10 .. Label13
};
const VkModeTexts& VfModeTexts();
const VkModeTexts& PruningModeTexts();

// Where Command1 stands (twips from the top of the client area): a fixed
// place in the velocity-factor window, otherwise a fixed distance above the
// window's bottom edge (also where loading the window puts it).
int Command1Top(std::string_view title, int windowHeightTwips);
int Command1TopAboveBottom(int windowHeightTwips);

// Hands the window's estimate and frequency text into the beam form.
void HandOverVf(VkFormAccess& form);

}  // namespace zb
