#pragma once
// The beam input form without a window: its boxes and buttons as plain
// values, with the same rules as the window. The command line acts on it as
// a user would on a freshly loaded form, then presses "&Rechnen".

#include <array>
#include <string>
#include <string_view>

#include "core/beam/BeamFormControls.h"
#include "core/beam/BeamFormModel.h"

namespace zb {

class Platform;

class HeadlessBeamForm final : public BeamFormControls {
 public:
  // The form as it loads.
  explicit HeadlessBeamForm(Platform& platform);

  // What a user does. Typing replaces the box's text key by key through the
  // form's key filter (digits, comma and point only) up to the box's length.
  void TypeFrequency(std::string_view typed);
  void ClickBand(int index);
  void ClickSegment(int index);
  void TypeVelocityFactor(std::string_view typed);
  // A list entry ("2,2   PTFE GY", or just its name) is picked; other text is typed.
  void EnterInsulation(std::string_view text);
  void TypeOuterDiameter(std::string_view typed);
  void TypeConductorDiameter(std::string_view typed);

  // The band button showing this caption ("1.8", "1,8", "7.0", "andere"), or -1.
  static int BandIndexOf(std::string_view caption);
  // The insulation list's entry given whole or by its material name in any
  // letter case ("pvc"), or -1; the material names, for a message.
  static int InsulationIndexOf(std::string_view text);
  static std::string InsulationNames();

  // What the last typing action really put in: the keys the key filter and
  // the box's length let through ("13" of "1e3"), or the list entry picked.
  const std::string& LastTyped() const { return lastTyped_; }

  int SelectedBand() const { return selectedBand_; }
  const std::string& Info() const { return info_; }
  bool DiametersEnabled() const { return diametersEnabled_; }

  // BeamFormControls
  std::string FrequencyText() override { return frequency_; }
  void SetFrequencyText(const std::string& text) override { frequency_ = text; }
  std::string VelocityFactorText() override { return velocityFactor_; }
  void SetVelocityFactorText(const std::string& text) override { velocityFactor_ = text; }
  std::string PermittivityText() override { return permittivity_; }
  std::string OuterDiameterText() override { return outerDiameter_; }
  std::string ConductorDiameterText() override { return conductorDiameter_; }
  void SelectBand(int index) override;
  int SelectedSegment() override { return selectedSegment_; }
  void SetInfoCaption(const std::string& text) override { info_ = text; }
  // Without a window there is no "&Anzeigen" button and no status bar.
  void EnableShowButton() override {}
  void SetFrameStatus(const std::string&) override {}
  // Without a window there is no focus to move.
  void FocusPermittivity() override {}
  void FocusConductorDiameter() override {}
  void SetOuterDiameterText(const std::string& text) override { outerDiameter_ = text; }
  void SetConductorDiameterText(const std::string& text) override;
  void SetPermittivityText(const std::string& text) override { permittivity_ = text; }
  void SetDiametersEnabled(bool enabled) override { diametersEnabled_ = enabled; }
  std::string BandCaption(int index) override { return bandCaptions_[static_cast<std::size_t>(index)]; }
  void SetBandCaption(int index, const std::string& caption) override {
    bandCaptions_[static_cast<std::size_t>(index)] = caption;
  }
  int SpinnerValue() override { return spinnerValue_; }
  void SetSpinnerValue(int value) override;

 private:
  // Types into a box: the first accepted key replaces the whole text.
  template <typename OnChange>
  void Type(std::string& box, std::string_view typed, std::size_t maxLength, OnChange onChange);

  Platform& platform_;
  BeamFormModel model_;
  std::array<std::string, kBandButtonCount> bandCaptions_;
  std::string frequency_, velocityFactor_ = kBeamFormEntries.velocityFactor, permittivity_, outerDiameter_,
                          conductorDiameter_;
  int selectedBand_ = kBeamFormEntries.band;
  int selectedSegment_ = kBeamFormEntries.segment;
  std::string info_ = kBeamFormEntries.info;
  bool diametersEnabled_ = false;
  int spinnerValue_ = 0;
  std::string lastTyped_;
};

}  // namespace zb
