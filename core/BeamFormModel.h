#pragma once
// The beam input form without its window: captions, box lengths, the entries
// it loads with and what its velocity-factor box, spinner, band and segment
// buttons and insulation boxes do. The window and the command line's headless
// form relay their events here.

#include <array>
#include <cstddef>

namespace zb {

class BeamFormControls;
class Platform;

// The band buttons' design captions, shown through ShownBandCaption.
inline constexpr std::array<const char*, 11> kBandCaptions = {"1.8", "3.5", "7.0", "10", "14",    "18",
                                                              "21",  "24",  "28",  "50", "andere"};
inline constexpr std::array<const char*, 3> kSegmentCaptions = {"&CW-Bereich", "&SSB-Bereich", "Band&mitte"};

// Box lengths in characters.
inline constexpr std::size_t kFrequencyLength = 7;       // Text1
inline constexpr std::size_t kVelocityFactorLength = 7;  // Text4
inline constexpr std::size_t kDiameterLength = 5;        // Text6, Text7

// Entries before the form loads.
inline constexpr const char* kInitialVelocityFactor = "1,00";
inline constexpr const char* kInitialInfo = "Hinweis: ";
inline constexpr int kInitialOption2 = 10;  // "andere"
inline constexpr int kInitialOption1 = 1;   // SSB

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
