#pragma once
// The velocity-factor and pruning window without a window: its boxes, labels,
// colours and options as plain values. The command line puts texts into its
// boxes as given (these boxes have no key filter) and presses "&Rechnen"; the
// beam command uses it as the velocity-factor window the beam run reads.

#include <optional>
#include <string>

#include "core/side/VkFormAccess.h"

namespace zb {

class HeadlessVkForm final : public VkFormAccess {
 public:
  // Loaded in VF mode from the beam form's frequency and conductor-diameter texts.
  HeadlessVkForm(const std::string& beamText1, const std::string& beamText7);

  // What opening it from "3. Pruning / Optimieren" does to a loaded window.
  void OpenAsPruningWindow();
  void SetBoxes(const std::string& text1, const std::string& text2, const std::string& text3);
  void SetErdbodenKor(bool checked) { erdbodenKor_ = checked; }
  // Holds a completed estimate of its boxes' entries.
  void MarkActive() { tag_ = kVfTagActive; }

  const std::string& Text3() const { return text3_; }
  TextColour Text3Colour() const { return text3Colour_; }
  const std::string& Label5() const { return label5_; }
  TextColour Label5Colour() const { return label5Colour_; }
  const std::string& Label7() const { return label7_; }
  TextColour Label7Colour() const { return label7Colour_; }
  const std::string& Label9() const { return label9_; }
  const std::string& Label11() const { return label11_; }
  const std::string& Label13() const { return label13_; }
  void SetVkUebernehmen(bool checked) { vkUebernehmen_ = checked; }
  // What the window wrote into the beam form's Text1, Text4 and Text7.
  const std::optional<std::string>& BeamFormText1() const { return beamFormText1_; }
  const std::optional<std::string>& BeamFormText4() const { return beamFormText4_; }
  const std::optional<std::string>& BeamFormText7() const { return beamFormText7_; }
  // The box that got the focus last ("Text2"), "" when none did.
  const std::string& Focus() const { return focus_; }

  // VfWindowState
  std::string Tag() override { return tag_; }
  bool GroundCorrection() override { return erdbodenKor_; }
  std::string FrequencyText() override { return text1_; }
  std::string HeightText() override { return text2_; }
  std::string DiameterText() override { return text3_; }

  // VkFormAccess
  std::string Title() override { return title_; }
  void SetHeightText(const std::string& text) override { text2_ = text; }
  void SetDiameterText(const std::string& text) override { text3_ = text; }
  void SetDiameterColour(TextColour colour) override { text3Colour_ = colour; }
  void FocusFrequency() override { focus_ = "Text1"; }
  void FocusHeight() override { focus_ = "Text2"; }
  void SetSlenderness(const std::string& caption) override { label7_ = caption; }
  void SetSlendernessColour(TextColour colour) override { label7Colour_ = colour; }
  void SetHeightShare(const std::string& caption) override { label5_ = caption; }
  void SetHeightShareColour(TextColour colour) override { label5Colour_ = colour; }
  void SetEstimate(const std::string& caption) override { label9_ = caption; }
  bool VkUebernehmenChecked() override { return vkUebernehmen_; }
  float EstimatedVf() override { return estimatedVf_; }
  void SetEstimatedVf(float vf) override { estimatedVf_ = vf; }
  // Without a window there is no printout title line to move.
  void MovePrintTitleToButton() override {}
  std::string MeasuredLengthText() override { return text1_; }
  std::string MeasuredResonanceText() override { return text2_; }
  std::string WantedResonanceText() override { return text3_; }
  void FocusMeasuredLength() override { focus_ = "Text1"; }
  void FocusMeasuredResonance() override { focus_ = "Text2"; }
  void FocusWantedResonance() override { focus_ = "Text3"; }
  void SetNewLength(const std::string& caption) override { label7_ = caption; }
  void SetVfGesamt(const std::string& caption) override { label5_ = caption; }
  void SetVfGesamtColour(TextColour colour) override { label5Colour_ = colour; }
  void SetRadiatorChange(const std::string& caption) override { label9_ = caption; }
  void SetReflectorChange(const std::string& caption) override { label11_ = caption; }
  void SetDirectorChange(const std::string& caption) override { label13_ = caption; }
  void SetTag(const std::string& marker) override { tag_ = marker; }
  // Without a beam form beside it, the handed-over texts are only kept.
  void SetBeamFormFrequency(const std::string& text) override { beamFormText1_ = text; }
  void SetBeamFormVelocityFactor(const std::string& text) override { beamFormText4_ = text; }
  void SetBeamFormConductorDiameter(const std::string& text) override { beamFormText7_ = text; }

 private:
  std::string title_;
  std::string tag_;
  std::string text1_, text2_, text3_;
  TextColour text3Colour_ = TextColour::Black;
  std::string label5_, label7_, label9_, label11_, label13_;
  TextColour label5Colour_ = TextColour::Black;
  TextColour label7Colour_ = TextColour::Black;
  bool erdbodenKor_ = false;
  bool vkUebernehmen_ = true;
  float estimatedVf_ = 0;
  std::string focus_;
  std::optional<std::string> beamFormText1_, beamFormText4_, beamFormText7_;
};

}  // namespace zb
