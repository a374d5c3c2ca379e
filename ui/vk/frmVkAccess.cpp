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

std::string frmVk::Title() { return U8(windowTitle()); }
bool frmVk::GroundCorrection() { return mnuErdbodenKor->isChecked(); }
// In the pruning window Text2 is "ist Resonanzfrequenz [MHz]:".
void frmVk::SetMeasuredResonance(const QString& mhz) {
  Text2->setText(mhz);
  zb::RefreshPruning(*this, module_.State());
}
bool frmVk::VkUebernehmenChecked() { return mnuVkübernehmen->isChecked(); }
void frmVk::MovePrintTitleToButton() { Label14->move(Label14->x(), Command1->y()); }

std::string frmVk::FrequencyText() { return U8(Text1->text()); }
std::string frmVk::HeightText() { return U8(Text2->text()); }
std::string frmVk::DiameterText() { return U8(Text3->text()); }
void frmVk::SetHeightText(const std::string& text) { Text2->setText(Q(text)); }
void frmVk::SetDiameterText(const std::string& text) { Text3->setText(Q(text)); }
void frmVk::SetDiameterColour(zb::TextColour colour) { SetTextColour(Text3, colour); }
void frmVk::FocusFrequency() { Text1->setFocus(Qt::OtherFocusReason); }
void frmVk::FocusHeight() { Text2->setFocus(Qt::OtherFocusReason); }
void frmVk::SetSlenderness(const std::string& caption) { Label7->setText(Q(caption)); }
void frmVk::SetSlendernessColour(zb::TextColour colour) { SetTextColour(Label7, colour); }
void frmVk::SetHeightShare(const std::string& caption) { Label5->setText(Q(caption)); }
void frmVk::SetHeightShareColour(zb::TextColour colour) { SetTextColour(Label5, colour); }
void frmVk::SetEstimate(const std::string& caption) { Label9->setText(Q(caption)); }

std::string frmVk::MeasuredLengthText() { return U8(Text1->text()); }
std::string frmVk::MeasuredResonanceText() { return U8(Text2->text()); }
std::string frmVk::WantedResonanceText() { return U8(Text3->text()); }
void frmVk::FocusMeasuredLength() { Text1->setFocus(Qt::OtherFocusReason); }
void frmVk::FocusMeasuredResonance() { Text2->setFocus(Qt::OtherFocusReason); }
void frmVk::FocusWantedResonance() { Text3->setFocus(Qt::OtherFocusReason); }
void frmVk::SetNewLength(const std::string& caption) { Label7->setText(Q(caption)); }
void frmVk::SetVfGesamt(const std::string& caption) { Label5->setText(Q(caption)); }
void frmVk::SetVfGesamtColour(zb::TextColour colour) { SetTextColour(Label5, colour); }
void frmVk::SetRadiatorChange(const std::string& caption) { Label9->setText(Q(caption)); }
void frmVk::SetReflectorChange(const std::string& caption) { Label11->setText(Q(caption)); }
void frmVk::SetDirectorChange(const std::string& caption) { Label13->setText(Q(caption)); }

void frmVk::SetBeamFormFrequency(const std::string& text) { BeamForm().SetFrequencyText(text); }
void frmVk::SetBeamFormVelocityFactor(const std::string& text) { BeamForm().SetVelocityFactorText(text); }
void frmVk::SetBeamFormConductorDiameter(const std::string& text) {
  BeamForm().SetConductorDiameterText(text);
}

}  // namespace zb::ui
