// What the estimation and pruning runs read and write, over the window's widgets.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/side/PruningRun.h"
#include "locale/LocaleText.h"
#include "ui/app/BeamFormBoxes.h"
#include "ui/app/Module1.h"
#include "ui/common/Controls.h"
#include "ui/vk/frmVk.h"

namespace zb::ui {

bool frmVk::GroundCorrection() { return groundCorrectionAction_->isChecked(); }
// In the pruning window heightOrResonanceEdit_ is "ist Resonanzfrequenz [MHz]:".
void frmVk::SetMeasuredResonance(const QString& mhz) {
  heightOrResonanceEdit_->setText(mhz);
  zb::RefreshPruning(*this, module_.State());
}
bool frmVk::TakeOverVfChecked() { return takeOverVfAction_->isChecked(); }
void frmVk::MovePrintTitleToButton() { printTitleLabel_->move(printTitleLabel_->x(), calculateButton_->y()); }

std::string frmVk::FrequencyText() { return U8(frequencyOrLengthEdit_->text()); }
std::string frmVk::HeightText() { return U8(heightOrResonanceEdit_->text()); }
std::string frmVk::DiameterText() { return U8(diameterOrWantedEdit_->text()); }
void frmVk::SetHeightText(const std::string& text) { heightOrResonanceEdit_->setText(Q(text)); }
void frmVk::SetDiameterText(const std::string& text) { diameterOrWantedEdit_->setText(Q(text)); }
void frmVk::SetDiameterColour(zb::TextColour colour) { SetTextColour(diameterOrWantedEdit_, colour); }
void frmVk::FocusFrequency() { frequencyOrLengthEdit_->setFocus(Qt::OtherFocusReason); }
void frmVk::FocusHeight() { heightOrResonanceEdit_->setFocus(Qt::OtherFocusReason); }
void frmVk::SetSlenderness(const std::string& caption) { slendernessOrLengthValue_->setText(Q(caption)); }
void frmVk::SetSlendernessColour(zb::TextColour colour) { SetTextColour(slendernessOrLengthValue_, colour); }
void frmVk::SetHeightShare(const std::string& caption) { heightShareOrVfValue_->setText(Q(caption)); }
void frmVk::SetHeightShareColour(zb::TextColour colour) { SetTextColour(heightShareOrVfValue_, colour); }
void frmVk::SetEstimate(const std::string& caption) { estimateOrRadiatorValue_->setText(Q(caption)); }

std::string frmVk::MeasuredLengthText() { return U8(frequencyOrLengthEdit_->text()); }
std::string frmVk::MeasuredResonanceText() { return U8(heightOrResonanceEdit_->text()); }
std::string frmVk::WantedResonanceText() { return U8(diameterOrWantedEdit_->text()); }
void frmVk::FocusMeasuredLength() { frequencyOrLengthEdit_->setFocus(Qt::OtherFocusReason); }
void frmVk::FocusMeasuredResonance() { heightOrResonanceEdit_->setFocus(Qt::OtherFocusReason); }
void frmVk::FocusWantedResonance() { diameterOrWantedEdit_->setFocus(Qt::OtherFocusReason); }
void frmVk::SetNewLength(const std::string& caption) { slendernessOrLengthValue_->setText(Q(caption)); }
void frmVk::SetVfGesamt(const std::string& caption) { heightShareOrVfValue_->setText(Q(caption)); }
void frmVk::SetVfGesamtColour(zb::TextColour colour) { SetTextColour(heightShareOrVfValue_, colour); }
void frmVk::SetRadiatorChange(const std::string& caption) { estimateOrRadiatorValue_->setText(Q(caption)); }
void frmVk::SetReflectorChange(const std::string& caption) { reflectorChangeValue_->setText(Q(caption)); }
void frmVk::SetDirectorChange(const std::string& caption) { directorChangeValue_->setText(Q(caption)); }

void frmVk::SetBeamFormFrequency(const std::string& text) { BeamForm().SetFrequencyText(text); }
void frmVk::SetBeamFormVelocityFactor(const std::string& text) { BeamForm().SetVelocityFactorText(text); }
void frmVk::SetBeamFormConductorDiameter(const std::string& text) {
  BeamForm().SetConductorDiameterText(text);
}

}  // namespace zb::ui
