// What the calculation run, the form model and the side windows read and
// write, over the form's widgets.

#include "ui/beamform/frmHauptform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "locale/LocaleText.h"
#include "ui/app/FrameWindow.h"
#include "ui/app/Module1.h"
#include "ui/common/BoxText.h"

namespace zb::ui {

void frmHauptform::SetDiametersEnabled(bool enabled) {
  for (QWidget* w :
       {static_cast<QWidget*>(Text6), static_cast<QWidget*>(Text7), static_cast<QWidget*>(Label9),
        static_cast<QWidget*>(Label10), static_cast<QWidget*>(Label11)})
    w->setEnabled(enabled);
}

// ------------------------------------------------------- BeamFormAccess

std::string frmHauptform::FrequencyText() { return U8(Text1->text()); }
void frmHauptform::SetFrequencyText(const std::string& text) { SetBoxText(Text1, Q(text)); }
std::string frmHauptform::VelocityFactorText() { return U8(Text4->text()); }
void frmHauptform::SetVelocityFactorText(const std::string& text) { SetBoxText(Text4, Q(text)); }
std::string frmHauptform::PermittivityText() { return U8(Combo1->currentText()); }
std::string frmHauptform::OuterDiameterText() { return U8(Text6->text()); }
std::string frmHauptform::ConductorDiameterText() { return U8(Text7->text()); }

void frmHauptform::SelectBand(int index) { Option2[static_cast<std::size_t>(index)]->setChecked(true); }

int frmHauptform::SelectedSegment() {
  for (std::size_t i = 0; i < Option1.size(); ++i)
    if (Option1[i]->isChecked()) return static_cast<int>(i);
  return -1;
}

void frmHauptform::SetInfoCaption(const std::string& text) {
  infoCaption_ = text;
  ShowInfo();
}

void frmHauptform::EnableShowButton() { Command2->setEnabled(true); }

void frmHauptform::SetFrameStatus(const std::string& text) { module_.Frame().SetStatusText(Q(text)); }

void frmHauptform::FocusPermittivity() { Combo1->setFocus(Qt::OtherFocusReason); }

void frmHauptform::FocusConductorDiameter() { Text7->setFocus(Qt::OtherFocusReason); }

void frmHauptform::SetOuterDiameterText(const std::string& text) { SetBoxText(Text6, Q(text)); }
void frmHauptform::SetConductorDiameterText(const std::string& text) { SetBoxText(Text7, Q(text)); }
void frmHauptform::SetPermittivityText(const std::string& text) { Combo1->setEditText(Q(text)); }

std::string frmHauptform::BandCaption(int index) {
  return U8(Option2[static_cast<std::size_t>(index)]->text());
}

void frmHauptform::SetBandCaption(int index, const std::string& caption) {
  Option2[static_cast<std::size_t>(index)]->setText(Q(caption));
}

int frmHauptform::SpinnerValue() { return VkSteller->value(); }
void frmHauptform::SetSpinnerValue(int value) { VkSteller->setValue(value); }

}  // namespace zb::ui
