// What the estimation and pruning runs read and write, over the window's widgets.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "locale/LocaleText.h"
#include "ui/app/BeamFormBoxes.h"
#include "ui/common/Controls.h"
#include "ui/vk/frmVk.h"

namespace zb::ui {

std::string frmVk::Title() { return U8(windowTitle()); }
std::string frmVk::GetText1() { return U8(Text1->text()); }
std::string frmVk::GetText2() { return U8(Text2->text()); }
std::string frmVk::GetText3() { return U8(Text3->text()); }
void frmVk::SetText2(const std::string& text) { Text2->setText(Q(text)); }
// In the pruning window Text2 is "ist Resonanzfrequenz [MHz]:".
void frmVk::SetMeasuredResonance(const QString& mhz) { Text2->setText(mhz); }
void frmVk::SetText3(const std::string& text) { Text3->setText(Q(text)); }
void frmVk::SetText3Colour(zb::TextColour colour) { SetTextColour(Text3, colour); }
void frmVk::SetLabel5(const std::string& caption) { Label5->setText(Q(caption)); }
void frmVk::SetLabel5Colour(zb::TextColour colour) { SetTextColour(Label5, colour); }
void frmVk::SetLabel7(const std::string& caption) { Label7->setText(Q(caption)); }
void frmVk::SetLabel7Colour(zb::TextColour colour) { SetTextColour(Label7, colour); }
void frmVk::SetLabel9(const std::string& caption) { Label9->setText(Q(caption)); }
void frmVk::SetLabel11(const std::string& caption) { Label11->setText(Q(caption)); }
void frmVk::SetLabel13(const std::string& caption) { Label13->setText(Q(caption)); }
void frmVk::FocusText1() { Text1->setFocus(Qt::OtherFocusReason); }
void frmVk::FocusText2() { Text2->setFocus(Qt::OtherFocusReason); }
void frmVk::FocusText3() { Text3->setFocus(Qt::OtherFocusReason); }
bool frmVk::ErdbodenKorChecked() { return mnuErdbodenKor->isChecked(); }
bool frmVk::VkUebernehmenChecked() { return mnuVkübernehmen->isChecked(); }
void frmVk::MoveLabel14ToCommand1() { Label14->move(Label14->x(), Command1->y()); }
void frmVk::SetBeamFormText1(const std::string& text) { BeamForm().SetText1(text); }
void frmVk::SetBeamFormText4(const std::string& text) { BeamForm().SetText4(text); }
void frmVk::SetBeamFormText7(const std::string& text) { BeamForm().SetText7(text); }

}  // namespace zb::ui
