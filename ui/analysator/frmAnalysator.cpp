#include "ui/analysator/frmAnalysator.h"

#include <QComboBox>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <utility>

#include "core/numbers/NumberText.h"
#include "core/numbers/SkipOnError.h"
#include "locale/LocaleText.h"
#include "ui/analysator/AnalysatorInputs.h"
#include "ui/app/AnalyserSweep.h"
#include "ui/app/BeamFormBoxes.h"
#include "ui/app/MessungWindow.h"
#include "ui/app/Module1.h"
#include "ui/common/Controls.h"
#include "ui/platform/AnalyserPort.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

namespace {

constexpr const char* kTitle = QT_TRANSLATE_NOOP("zb::ui::frmAnalysator", "Messung am Analysator");

QPushButton* NewButton(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

// A caption in the grid with its box beside it, read together by a screen reader.
void AddRow(QGridLayout* grid, int row, const char* name, const QString& caption, QWidget* box) {
  QLabel* label = NewLabel(name, caption, box->parentWidget());
  label->setBuddy(box);
  grid->addWidget(label, row, 0);
  grid->addWidget(box, row, 1);
}

}  // namespace

frmAnalysator::frmAnalysator(Module1& module)
    : module_(module), guarded_(module.Platform(), module.State().Zeilenumbruch) {
  setObjectName(QStringLiteral("frmAnalysator"));
  setWindowTitle(tr(kTitle));
  // The sweep window must not change under a running sweep.
  setWindowModality(Qt::ApplicationModal);
  BuildControls();
  connect(measureButton, &QPushButton::clicked, this, [this] { guarded_([this] { OnMeasureClicked(); }); });
  connect(cancelButton, &QPushButton::clicked, this, [this] { guarded_([this] { OnCancelClicked(); }); });
}

void frmAnalysator::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  portBox = new QComboBox(this);
  portBox->setObjectName(QStringLiteral("cboAnschluss"));
  portBox->setEditable(true);
  portBox->setInsertPolicy(QComboBox::NoInsert);
  portBox->setMinimumContentsLength(34);  // "/dev/ttyACM0 – NanoVNA-H 4 (1.2.27)" whole
  fromBox = NewBox("txtVon", QString(), this);
  toBox = NewBox("txtBis", QString(), this);
  pointsBox = NewBox("txtPunkte", QString(), this);
  AddRow(grid, 0, "lblAnschluss", tr("Anschluss:"), portBox);
  AddRow(grid, 1, "lblVon", tr("Von [MHz]:"), fromBox);
  AddRow(grid, 2, "lblBis", tr("Bis [MHz]:"), toBox);
  AddRow(grid, 3, "lblPunkte", tr("Punkte:"), pointsBox);
  grid->setColumnStretch(1, 1);
  layout->addLayout(grid);

  progress = new QProgressBar(this);
  progress->setObjectName(QStringLiteral("prgMessung"));
  progress->setAccessibleName(tr("Fortschritt der Messung"));
  progress->setFormat(tr("%v von %m Punkten"));
  progress->setValue(0);
  layout->addWidget(progress);

  auto* buttons = new QHBoxLayout;
  measureButton = NewButton("cmdMessen", tr("&Messen"), this);
  cancelButton = NewButton("cmdAbbrechen", tr("Abbrechen"), this);
  measureButton->setDefault(true);
  buttons->addStretch(1);
  buttons->addWidget(measureButton);
  buttons->addWidget(cancelButton);
  layout->addLayout(buttons);
  SetTabOrder({portBox, fromBox, toBox, pointsBox, measureButton, cancelButton});
}

// ------------------------------------------------------------------- opening

void frmAnalysator::OpenAnalysator() {
  guarded_([this] {
    Preset();
    ListAnalysers();
    show();
    raise();
    activateWindow();
    portBox->setFocus(Qt::OtherFocusReason);
  });
}

// What was swept last; otherwise 5 % around the beam form's design frequency.
void frmAnalysator::Preset() {
  const AnalysatorPresets presets = LoadPresets();
  std::pair<double, double> range{0, 0};
  float design = 0;
  SkipOnError([&] {
    design = zb::ParseNumber(module_.WindowAs<BeamFormBoxes>(window_class::kBeamForm).FrequencyText());
  });
  if (design > 0) range = RangeAround(design);
  const double from = presets.fromMHz.value_or(range.first);
  const double to = presets.toMHz.value_or(range.second);
  fromBox->setText(from > 0 ? MHzText(from) : QString());
  toBox->setText(to > 0 ? MHzText(to) : QString());
  pointsBox->setText(QString::number(presets.points.value_or(zb::kAnalyserDefaultPoints)));
  portBox->setEditText(presets.port);
  progress->setRange(0, presets.points.value_or(zb::kAnalyserDefaultPoints));
  progress->setValue(0);
}

// -------------------------------------------------------------------- events

void frmAnalysator::OnMeasureClicked() {
  if (Measuring()) return;
  const QString port = ChosenPort();
  const std::optional<double> from = ParseMHz(fromBox->text());
  const std::optional<double> to = ParseMHz(toBox->text());
  const std::optional<int> points = ParsePoints(pointsBox->text());
  if (port.isEmpty() && Refused(U8(tr("Bitte den Anschluss des Analysators wählen oder eingeben.")), portBox))
    return;
  if (!from && Refused(U8(tr("Von [MHz]: bitte eine Frequenz in MHz eingeben.")), fromBox)) return;
  if (!to && Refused(U8(tr("Bis [MHz]: bitte eine Frequenz in MHz eingeben.")), toBox)) return;
  if (*from >= *to && Refused(U8(tr("Die Frequenz „Bis“ muss größer sein als „Von“.")), toBox)) return;
  if (!points && Refused(U8(tr("Punkte: bitte eine ganze Zahl von %1 bis %2 eingeben.")
                                .arg(zb::kAnalyserFewestPoints)
                                .arg(zb::kAnalyserMostPoints)),
                         pointsBox))
    return;
  if (FamilyOfPort(module_.Platform(), port) == zb::AnalyserFamily::Binary &&
      Refused(zb::AnalyserFaultText(zb::AnalyserFault::BinaryProtocol, port.toStdString()), portBox))
    return;
  SavePresets(port, *from, *to, *points);
  StopAsking();  // an identity question would hold the port
  const zb::AnalyserPlan plan{std::llround(*from * 1e6), std::llround(*to * 1e6), *points};
  sweep_ = new AnalyserPort(port, plan, this);
  connect(sweep_, &AnalyserPort::Progress, progress, [this](int done, int total) {
    progress->setRange(0, total);
    progress->setValue(done);
  });
  connect(sweep_, &AnalyserPort::Finished, this, [this] { guarded_([this] { SweepFinished(); }); });
  SetMeasuring(true);
  sweep_->Start();
}

// Tells the user what is wrong and puts the focus where it is; always true.
bool frmAnalysator::Refused(const std::string& message, QWidget* box) {
  module_.Platform().MessageBox(message, MsgButtons::Ok, MsgIcon::Exclamation, U8(tr(kTitle)));
  box->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(box)) edit->selectAll();
  return true;
}

void frmAnalysator::SetMeasuring(bool measuring) {
  for (QWidget* input : std::initializer_list<QWidget*>{portBox, fromBox, toBox, pointsBox, measureButton})
    input->setEnabled(!measuring);
  progress->setValue(0);
  if (measuring) cancelButton->setFocus(Qt::OtherFocusReason);
}

void frmAnalysator::SweepFinished() {
  AnalyserPort* done = std::exchange(sweep_, nullptr);
  done->deleteLater();
  SetMeasuring(false);
  measureButton->setFocus(Qt::OtherFocusReason);
  if (done->Fault() == zb::AnalyserFault::Cancelled) return;
  UiPlatform& platform = module_.Platform();
  if (done->Fault() != zb::AnalyserFault::None) {
    platform.MessageBox(done->FaultText(), MsgButtons::Ok, MsgIcon::Exclamation, U8(tr(kTitle)));
    return;
  }
  std::string error;
  const std::optional<AnalyserSweep> sweep =
      SweepOfSession(done->Session(), QDateTime::currentDateTime(), &error);
  if (!sweep) {
    platform.MessageBox(error, MsgButtons::Ok, MsgIcon::Exclamation, U8(tr(kTitle)));
    return;
  }
  hide();
  module_.WindowAs<MessungWindow>(window_class::kMessung).ShowAnalyserSweep(*sweep);
}

// While a sweep runs the button stops it and the dialog stays; otherwise it closes the dialog.
void frmAnalysator::OnCancelClicked() {
  if (Measuring())
    StopSweep();
  else
    QDialog::reject();
}

// Escape and the close box do what "Abbrechen" does.
void frmAnalysator::reject() {
  guarded_([this] { OnCancelClicked(); });
}

// However the dialog goes, no sweep and no question is left on a port.
void frmAnalysator::hideEvent(QHideEvent* event) {
  StopSweep();
  StopAsking();
  QDialog::hideEvent(event);
}

void frmAnalysator::StopSweep() {
  if (sweep_) sweep_->Cancel();  // its end comes back through SweepFinished at once
}

}  // namespace zb::ui
