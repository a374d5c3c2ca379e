#pragma once
// The rules of the velocity-factor and pruning window (frmVk): one window
// class, two modes told apart by the title. The Qt window and the command
// line's headless window both apply them.

#include <string>
#include <string_view>

#include "core/shared/Translate.h"
#include "core/shared/VfWindowState.h"

namespace zb {

class VfFormAccess;

// The window's two modes; each shows its own title.
enum class VfWindowMode { Estimate, Pruning };
inline constexpr const char* kVfTitle = TrMark("VfWindow", " VF berechnen ");
inline constexpr const char* kPruningTitle = TrMark("VfWindow", " Antennen-Pruning/Optimieren ");

// What Form_Load puts into the boxes, from the beam form's frequency and
// conductor-diameter texts: the height is 3,0 m from 50 MHz up, else 10,0 m.
struct VfWindowLoadedTexts {
  VfWindowStatus status;
  std::string frequencyOrLength;
  std::string heightOrResonance;
  std::string diameterOrWanted;
};
VfWindowLoadedTexts LoadedVfWindowTexts(const std::string& beamFrequency,
                                        const std::string& beamConductorDiameter);

// The mode's captions, tooltips and sizes (twips). Captions that both modes
// share (the reflector and director change rows, the caption labels' tooltips) are the VF mode's.
struct VfWindowModeTexts {
  const char* title;
  const char* printTitle;  // printout title line
  const char* resultGroup;
  const char* frequencyOrLength;
  const char* heightOrResonance;
  const char* diameterOrWanted;
  const char* heightShareOrVf;
  const char* slendernessOrLength;
  const char* estimateOrRadiator;
  const char* reflectorChange;
  const char* directorChange;
  const char* heightShareOrVfTip;
  const char* slendernessOrLengthTip;
  const char* estimateOrRadiatorTip;
  const char* frequencyOrLengthBoxTip;
  const char* heightOrResonanceBoxTip;
  const char* diameterOrWantedBoxTip;
  const char* heightShareOrVfValueTip;
  const char* slendernessOrLengthValueTip;
  const char* estimateOrRadiatorValueTip;
  const char* reflectorChangeValueTip;
  const char* directorChangeValueTip;
  const char* calculateTip;
  int heightTwips;
  bool optionsMenuVisible;  // "&Optionen"
  bool changeRowsVisible;   // the reflector and director change rows
};
const VfWindowModeTexts& VfModeTexts();
const VfWindowModeTexts& PruningModeTexts();

// One of the tables' texts in the language the program speaks.
inline std::string VfWindowText(const char* text) { return Tr("VfWindow", text); }

// Where the "&Rechnen" button stands (twips from the top of the client area): a fixed
// place in the velocity-factor window, otherwise a fixed distance above the
// window's bottom edge (also where loading the window puts it).
int CalculateButtonTop(VfWindowMode mode, int windowHeightTwips);
int CalculateButtonTopAboveBottom(int windowHeightTwips);

// Hands the window's estimate and frequency text into the beam form.
void HandOverVf(VfFormAccess& form);

}  // namespace zb
