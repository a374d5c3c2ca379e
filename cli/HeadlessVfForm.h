#pragma once
// The velocity-factor and pruning window without a window: its boxes, labels,
// colours and options as plain values. The command line puts texts into its
// boxes as given (these boxes have no key filter) and presses "&Rechnen"; the
// beam command uses it as the velocity-factor window the beam run reads.

#include <optional>
#include <string>

#include "core/side/VfFormAccess.h"

namespace zb {

class HeadlessVfForm final : public VfFormAccess {
 public:
  // Loaded in VF mode from the beam form's frequency and conductor-diameter texts.
  HeadlessVfForm(const std::string& beamFrequency, const std::string& beamConductorDiameter);

  // What opening it from "3. Pruning / Optimieren" does to a loaded window.
  void OpenAsPruningWindow();
  void SetBoxes(const std::string& frequencyOrLength, const std::string& heightOrResonance,
                const std::string& diameterOrWanted);
  void SetGroundCorrection(bool checked) { groundCorrection_ = checked; }
  // Holds a completed estimate of its boxes' entries.
  void MarkActive() { status_ = VfWindowStatus::Estimated; }

  const std::string& DiameterOrWanted() const { return diameterOrWanted_; }
  TextColour DiameterOrWantedColour() const { return diameterOrWantedColour_; }
  const std::string& HeightShareOrVf() const { return heightShareOrVf_; }
  TextColour HeightShareOrVfColour() const { return heightShareOrVfColour_; }
  const std::string& SlendernessOrLength() const { return slendernessOrLength_; }
  TextColour SlendernessOrLengthColour() const { return slendernessOrLengthColour_; }
  const std::string& EstimateOrRadiator() const { return estimateOrRadiator_; }
  const std::string& ReflectorChange() const { return reflectorChange_; }
  const std::string& DirectorChange() const { return directorChange_; }
  void SetTakeOverVf(bool checked) { takeOverVf_ = checked; }
  // What the window wrote into the beam form's frequency, velocity-factor and conductor-diameter boxes.
  const std::optional<std::string>& BeamFormFrequency() const { return beamFormFrequency_; }
  const std::optional<std::string>& BeamFormVelocityFactor() const { return beamFormVelocityFactor_; }
  const std::optional<std::string>& BeamFormConductorDiameter() const { return beamFormConductorDiameter_; }
  // The window's three boxes, top to bottom.
  enum class Box { None, FrequencyOrLength, HeightOrResonance, DiameterOrWanted };
  // The box that got the focus last, None when none did.
  Box Focus() const { return focus_; }

  // VfWindowState
  VfWindowStatus Status() override { return status_; }
  bool GroundCorrection() override { return groundCorrection_; }
  std::string FrequencyText() override { return frequencyOrLength_; }
  std::string HeightText() override { return heightOrResonance_; }
  std::string DiameterText() override { return diameterOrWanted_; }

  // VfFormAccess
  VfWindowMode Mode() override { return mode_; }
  void SetHeightText(const std::string& text) override { heightOrResonance_ = text; }
  void SetDiameterText(const std::string& text) override { diameterOrWanted_ = text; }
  void SetDiameterColour(TextColour colour) override { diameterOrWantedColour_ = colour; }
  void FocusFrequency() override { focus_ = Box::FrequencyOrLength; }
  void FocusHeight() override { focus_ = Box::HeightOrResonance; }
  void SetSlenderness(const std::string& caption) override { slendernessOrLength_ = caption; }
  void SetSlendernessColour(TextColour colour) override { slendernessOrLengthColour_ = colour; }
  void SetHeightShare(const std::string& caption) override { heightShareOrVf_ = caption; }
  void SetHeightShareColour(TextColour colour) override { heightShareOrVfColour_ = colour; }
  void SetEstimate(const std::string& caption) override { estimateOrRadiator_ = caption; }
  bool TakeOverVfChecked() override { return takeOverVf_; }
  float EstimatedVf() override { return estimatedVf_; }
  void SetEstimatedVf(float vf) override { estimatedVf_ = vf; }
  // Without a window there is no printout title line to move.
  void MovePrintTitleToButton() override {}
  std::string MeasuredLengthText() override { return frequencyOrLength_; }
  std::string MeasuredResonanceText() override { return heightOrResonance_; }
  std::string WantedResonanceText() override { return diameterOrWanted_; }
  void FocusMeasuredLength() override { focus_ = Box::FrequencyOrLength; }
  void FocusMeasuredResonance() override { focus_ = Box::HeightOrResonance; }
  void FocusWantedResonance() override { focus_ = Box::DiameterOrWanted; }
  void SetNewLength(const std::string& caption) override { slendernessOrLength_ = caption; }
  void SetVfGesamt(const std::string& caption) override { heightShareOrVf_ = caption; }
  void SetVfGesamtColour(TextColour colour) override { heightShareOrVfColour_ = colour; }
  void SetRadiatorChange(const std::string& caption) override { estimateOrRadiator_ = caption; }
  void SetReflectorChange(const std::string& caption) override { reflectorChange_ = caption; }
  void SetDirectorChange(const std::string& caption) override { directorChange_ = caption; }
  void SetStatus(VfWindowStatus status) override { status_ = status; }
  // Without a beam form beside it, the handed-over texts are only kept.
  void SetBeamFormFrequency(const std::string& text) override { beamFormFrequency_ = text; }
  void SetBeamFormVelocityFactor(const std::string& text) override { beamFormVelocityFactor_ = text; }
  void SetBeamFormConductorDiameter(const std::string& text) override { beamFormConductorDiameter_ = text; }

 private:
  VfWindowMode mode_ = VfWindowMode::Estimate;
  VfWindowStatus status_ = VfWindowStatus::Empty;
  std::string frequencyOrLength_, heightOrResonance_, diameterOrWanted_;
  TextColour diameterOrWantedColour_ = TextColour::Black;
  std::string heightShareOrVf_, slendernessOrLength_, estimateOrRadiator_, reflectorChange_, directorChange_;
  TextColour heightShareOrVfColour_ = TextColour::Black;
  TextColour slendernessOrLengthColour_ = TextColour::Black;
  bool groundCorrection_ = false;
  bool takeOverVf_ = true;
  float estimatedVf_ = 0;
  Box focus_ = Box::None;
  std::optional<std::string> beamFormFrequency_, beamFormVelocityFactor_, beamFormConductorDiameter_;
};

}  // namespace zb
