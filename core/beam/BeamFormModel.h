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

namespace zb {

class BeamFormControls;
class Platform;

// The segment buttons Option1(0) .. Option1(2).
inline constexpr std::array<const char*, 3> kSegmentCaptions = {"&CW-Bereich", "&SSB-Bereich", "Band&mitte"};

// Box lengths in characters.
inline constexpr std::size_t kFrequencyLength = 7;       // Text1
inline constexpr std::size_t kVelocityFactorLength = 7;  // Text4
inline constexpr std::size_t kDiameterLength = 5;        // Text6, Text7

class BeamFormModel {
 public:
  BeamFormModel(BeamFormControls& form, Platform& platform) : form_(form), platform_(platform) {}

  // The designed entries and the band captions in the general number format.
  void Form_Load();
  void Form_Activate();

  void Text4_LostFocus();
  void VkSteller_GotFocus();
  void VkSteller_Change();
  void Option2_Click(int index);
  void Option1_Click(int index);
  void Combo1_Click(int index);
  void Combo1_KeyUp();
  void Text7_Change();

 private:
  BeamFormControls& form_;
  Platform& platform_;
  int lastVkStellerValue_ = 0;
};

}  // namespace zb
