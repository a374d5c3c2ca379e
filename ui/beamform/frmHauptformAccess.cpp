// What the calculation run, the form model and the side windows read and
// write, over the form's widgets.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include "locale/LocaleText.h"
#include "ui/app/FrameWindow.h"
#include "ui/app/Module1.h"
#include "ui/beamform/frmHauptform.h"
#include "ui/common/BoxText.h"

namespace zb::ui {

void frmHauptform::SetDiametersEnabled(bool enabled) {
  for (QWidget* w : {static_cast<QWidget*>(outerDiameterEdit_), static_cast<QWidget*>(conductorDiameterEdit_),
                     static_cast<QWidget*>(diameterLabel_), static_cast<QWidget*>(outerDiameterLabel_),
                     static_cast<QWidget*>(conductorDiameterLabel_)})
    w->setEnabled(enabled);
}

// ------------------------------------------------------- BeamFormAccess

std::string frmHauptform::FrequencyText() { return U8(frequencyEdit_->text()); }
void frmHauptform::SetFrequencyText(const std::string& text) { SetBoxText(frequencyEdit_, Q(text)); }
std::string frmHauptform::VelocityFactorText() { return U8(velocityFactorEdit_->text()); }
void frmHauptform::SetVelocityFactorText(const std::string& text) {
  SetBoxText(velocityFactorEdit_, Q(text));
}
std::string frmHauptform::PermittivityText() { return U8(insulationCombo_->currentText()); }
std::string frmHauptform::OuterDiameterText() { return U8(outerDiameterEdit_->text()); }
std::string frmHauptform::ConductorDiameterText() { return U8(conductorDiameterEdit_->text()); }

void frmHauptform::SelectBand(int index) { bandButtons_[static_cast<std::size_t>(index)]->setChecked(true); }

int frmHauptform::SelectedSegment() {
  for (std::size_t i = 0; i < segmentButtons_.size(); ++i)
    if (segmentButtons_[i]->isChecked()) return static_cast<int>(i);
  return -1;
}

void frmHauptform::SetInfoCaption(const std::string& text) {
  infoCaption_ = text;
  ShowInfo();
}

void frmHauptform::EnableShowButton() { showButton_->setEnabled(true); }

void frmHauptform::SetFrameStatus(const std::string& text) { module_.Frame().SetStatusText(Q(text)); }

void frmHauptform::FocusPermittivity() { insulationCombo_->setFocus(Qt::OtherFocusReason); }

void frmHauptform::FocusConductorDiameter() { conductorDiameterEdit_->setFocus(Qt::OtherFocusReason); }

void frmHauptform::SetOuterDiameterText(const std::string& text) { SetBoxText(outerDiameterEdit_, Q(text)); }
void frmHauptform::SetConductorDiameterText(const std::string& text) {
  SetBoxText(conductorDiameterEdit_, Q(text));
}
void frmHauptform::SetPermittivityText(const std::string& text) { insulationCombo_->setEditText(Q(text)); }

std::string frmHauptform::BandCaption(int index) {
  return U8(bandButtons_[static_cast<std::size_t>(index)]->text());
}

void frmHauptform::SetBandCaption(int index, const std::string& caption) {
  bandButtons_[static_cast<std::size_t>(index)]->setText(Q(caption));
}

int frmHauptform::SpinnerValue() { return velocityFactorSpinner_->value(); }
void frmHauptform::SetSpinnerValue(int value) { velocityFactorSpinner_->setValue(value); }

}  // namespace zb::ui
