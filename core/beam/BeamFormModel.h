#pragma once
// The beam input form without its window: segment captions, box lengths and
// what its velocity-factor box, spinner, band and segment buttons and
// insulation boxes do; its band buttons come from the band table, its entries
// from BeamFormEntries. The window and the command line's headless form relay
// their events here.

#include <array>
#include <cstddef>

#include "core/beam/BandTable.h"
#include "core/beam/BeamFormEntries.h"
#include "core/shared/Translate.h"

namespace zb {

class BeamFormControls;
class Platform;

// The segment buttons, left to right.
inline constexpr std::array<const char*, 3> kSegmentCaptions = {
    TrMark("BeamForm", "&CW-Bereich"), TrMark("BeamForm", "&SSB-Bereich"), TrMark("BeamForm", "Band&mitte")};

// Box lengths in characters.
inline constexpr std::size_t kFrequencyLength = 7;       // the frequency box
inline constexpr std::size_t kVelocityFactorLength = 7;  // the velocity-factor box
inline constexpr std::size_t kDiameterLength = 5;        // both diameter boxes

class BeamFormModel {
 public:
  BeamFormModel(BeamFormControls& form, Platform& platform) : form_(form), platform_(platform) {}

  // The designed entries and the band captions in the general number format.
  void Form_Load();
  void Form_Activate();

  void OnVelocityFactorLeft();
  void OnSpinnerEntered();
  void OnSpinnerChanged();
  void OnBandClicked(int index);
  void OnSegmentClicked(int index);
  void OnInsulationChosen(int index);
  void OnInsulationKeyUp();
  void OnConductorDiameterEdited();

 private:
  BeamFormControls& form_;
  Platform& platform_;
  int lastSpinnerValue_ = 0;
};

}  // namespace zb
