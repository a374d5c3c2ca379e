#include "ui/messung/frmMessung.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <string>

#include "core/measurement/SweepEvaluation.h"
#include "core/measurement/SweepTexts.h"
#include "core/shared/ModuleState.h"
#include "locale/LocaleText.h"
#include "ui/app/AnalyserSweep.h"
#include "ui/app/FrameWindow.h"
#include "ui/app/Module1.h"
#include "ui/app/Settings.h"
#include "ui/app/VfPruningWindow.h"
#include "ui/common/Controls.h"
#include "ui/common/HandlerGuard.h"
#include "ui/messung/ChartPicture.h"
#include "ui/messung/MessungCharts.h"
#include "ui/messung/PlotAlignment.h"
#include "ui/platform/AnalyserPort.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

namespace {

constexpr const char* kTitle = QT_TRANSLATE_NOOP("zb::ui::frmMessung", "Messung auswerten");
constexpr QSize kDesignedSize(760, 720);

// The folder of the last sweep opened, kept beside the frame's placement.
const QString kFolderKey = QStringLiteral("MessungOrdner");

std::filesystem::path PathOf(const QString& file) { return QFile::encodeName(file).toStdString(); }

// Names of the value labels, in the order of SweepEvaluationRows.
constexpr std::array<const char*, frmMessung::kRows> kValueNames = {
    "lblMesspunkte", "lblResonanz", "lblSwrMin", "lblSwr2", "lblSwr15", "lblR", "lblX"};

QChartView* NewChartView(const char* name, const QString& accessibleName, QWidget* parent) {
  auto* view = new QChartView(parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setAccessibleName(accessibleName);
  view->viewport()->setAccessibleName(accessibleName);  // the part that takes the focus
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(300, 120);  // fits the designed frame's client area
  return view;
}

QPushButton* NewButton(const char* name, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

frmMessung::frmMessung(Module1& module)
    : module_(module), guarded_(module.Platform(), module.State().Zeilenumbruch) {
  setObjectName(QStringLiteral("frmMessung"));
  setWindowTitle(tr(kTitle));
  BuildControls();
  connect(cmdPruning, &QPushButton::clicked, this, [this] { guarded_([this] { OnPruningClicked(); }); });
  connect(cmdBild, &QPushButton::clicked, this, [this] { guarded_([this] { OnSavePictureClicked(); }); });
  connect(repeatButton, &QPushButton::clicked, this, [this] { guarded_([this] { OnRepeatClicked(); }); });
  connect(continuousBox, &QCheckBox::toggled, this,
          [this](bool on) { guarded_([this, on] { OnContinuousToggled(on); }); });
  connect(saveTouchstoneButton, &QPushButton::clicked, this,
          [this] { guarded_([this] { OnSaveTouchstoneClicked(); }); });
}

frmMessung::~frmMessung() = default;

// ------------------------------------------------------------------ layout

void frmMessung::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildRows());

  picCharts = new QWidget(this);
  picCharts->setObjectName(QStringLiteral("picCharts"));
  picCharts->setWindowTitle(tr(kTitle));
  auto* charts = new QVBoxLayout(picCharts);
  charts->setContentsMargins(0, 0, 0, 0);
  chtSwr = NewChartView("chtSwr", tr("SWR-Verlauf"), picCharts);
  chtImpedanz = NewChartView("chtImpedanz", tr("Wirk- und Blindwiderstand"), picCharts);
  charts->addWidget(chtSwr, 1);
  charts->addWidget(chtImpedanz, 1);
  layout->addWidget(picCharts, 1);
  layout->addWidget(BuildAnalyserRow());

  auto* buttons = new QHBoxLayout;
  cmdPruning = NewButton("cmdPruning", tr("An Pruning über&geben"), this);
  cmdBild = NewButton("cmdBild", tr("Bild s&peichern…"), this);
  buttons->addStretch(1);
  buttons->addWidget(cmdPruning);
  buttons->addWidget(cmdBild);
  layout->addLayout(buttons);
  SetTabOrder({repeatButton, continuousBox, saveTouchstoneButton, cmdPruning, cmdBild});
  resize(kDesignedSize);
}

// The analyser's commands, on a row of their own that shows only for its sweep.
QWidget* frmMessung::BuildAnalyserRow() {
  analyserRow = new QWidget(this);
  analyserRow->setObjectName(QStringLiteral("picAnalysator"));
  auto* row = new QHBoxLayout(analyserRow);
  row->setContentsMargins(0, 0, 0, 0);
  repeatButton = NewButton("cmdWiederholen", tr("&Wiederholen"), analyserRow);
  continuousBox = new QCheckBox(tr("Fort&laufend"), analyserRow);
  continuousBox->setObjectName(QStringLiteral("chkFortlaufend"));
  sweepProgress = new QProgressBar(analyserRow);
  sweepProgress->setObjectName(QStringLiteral("prgWiederholen"));
  sweepProgress->setAccessibleName(tr("Fortschritt der Messung"));
  sweepProgress->setFormat(tr("Messung: %v von %m Punkten"));
  // Keeps its room while hidden, so the row does not jump at each sweep.
  QSizePolicy keep = sweepProgress->sizePolicy();
  keep.setRetainSizeWhenHidden(true);
  sweepProgress->setSizePolicy(keep);
  sweepProgress->hide();
  saveTouchstoneButton = NewButton("cmdTouchstone", tr("Als &Touchstone speichern…"), analyserRow);
  row->addWidget(repeatButton);
  row->addWidget(continuousBox);
  row->addWidget(sweepProgress, 1);
  row->addWidget(saveTouchstoneButton);
  analyserRow->hide();
  return analyserRow;
}

namespace {

// Where each row of SweepEvaluationRows stands: points and smallest SWR side
// by side, the others across the whole width, so no value is cut.
struct RowPlace {
  int row;
  int column;
  int valueSpan;
};
constexpr std::array<RowPlace, frmMessung::kRows> kRowPlaces = {{
    {1, 0, 1},  // points
    {2, 0, 3},  // resonance
    {1, 2, 1},  // smallest SWR
    {3, 0, 3},  // SWR <= 2
    {4, 0, 3},  // SWR <= 1,5
    {5, 0, 3},  // R
    {6, 0, 3},  // X
}};

}  // namespace

// The file name and the rows of the evaluation, caption and value side by side.
QWidget* frmMessung::BuildRows() {
  auto* rows = new QWidget(this);
  auto* grid = new QGridLayout(rows);
  grid->setContentsMargins(0, 0, 0, 0);
  QLabel* fileCaption = NewLabel("lblDateiCaption", tr("Datei:"), rows);
  lblDatei = NewValueLabel("lblDatei", rows);
  fileCaption->setBuddy(lblDatei);  // a screen reader reads the value with its caption
  grid->addWidget(fileCaption, 0, 0, Qt::AlignTop);
  grid->addWidget(lblDatei, 0, 1, 1, 3);
  for (int i = 0; i < kRows; ++i) {
    const std::string captionName = std::string(kValueNames[i]) + "Caption";
    lblCaption[i] = NewPlainLabel(captionName.c_str(), rows);
    lblWert[i] = NewValueLabel(kValueNames[i], rows);
    lblCaption[i]->setBuddy(lblWert[i]);
    // A long value goes on over a second line rather than being cut.
    lblWert[i]->setWordWrap(kRowPlaces[static_cast<std::size_t>(i)].valueSpan > 1);
    const RowPlace place = kRowPlaces[static_cast<std::size_t>(i)];
    grid->addWidget(lblCaption[i], place.row, place.column);
    grid->addWidget(lblWert[i], place.row, place.column + 1, 1, place.valueSpan);
  }
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  return rows;
}

// ------------------------------------------------------------------- events

void frmMessung::Form_Load() {
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->setAttribute(Qt::WA_DeleteOnClose);
}

void frmMessung::OpenMeasurement() {
  guarded_([this] {
    FileDialogOptions options;
    options.title = tr("Messung öffnen");
    // Touchstone 2 files often end in ".ts".
    options.filter = tr("Touchstone-Datei (*.s1p *.s2p *.ts)|*.s1p;*.s2p;*.ts|Alle Dateien (*.*)|*.*");
    options.folder = GetSetting(kFolderKey).value_or(QString());
    UiPlatform& platform = module_.Platform();
    const std::optional<QString> file = platform.OpenFileDialog(this, options);
    if (!file) return;
    SaveSetting(kFolderKey, QFileInfo(*file).absolutePath());

    platform.SetHourglass(true);
    const zb::MeasurementRead read = zb::ReadMeasurement(PathOf(*file));
    if (!read.measurement) {
      platform.SetHourglass(false);
      platform.MessageBox(
          QFileInfo(*file).fileName().toStdString() + module_.State().Zeilenumbruch + read.error.message,
          MsgButtons::Ok, MsgIcon::Exclamation, U8(tr(kTitle)));
      return;
    }
    ForgetAnalyserSweep();
    ShowMeasurement(QDir::toNativeSeparators(*file), QFileInfo(*file).fileName(), *read.measurement);
    platform.SetHourglass(false);
    ShowInFrame();
  });
}

void frmMessung::ShowInFrame() {
  module_.Frame().ShowChildWindow(this);
  FitIntoFrame();
}

// The window wants room for its two charts: as much as it was made for, but
// no more than the frame's client area, so its buttons stay in reach.
void frmMessung::FitIntoFrame() {
  auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
  QMdiArea* area = sub ? sub->mdiArea() : nullptr;
  if (!area) return;
  sub->setGeometry(QRect(QPoint(0, 0), kDesignedSize.boundedTo(area->viewport()->size())));
}

// source is what the file row names, baseName the sweep's name as a file.
void frmMessung::ShowMeasurement(const QString& source, const QString& baseName,
                                 const zb::Measurement& measurement) {
  const zb::SweepEvaluation& e = measurement.evaluation;
  fileName_ = baseName;
  // The assumed units on a line of their own, so the path never pushes them out of sight.
  lblDatei->setText(
      source + (measurement.optionsAssumed ? QStringLiteral("\n") + Q(zb::AssumedOptionsNote()) : QString()));
  const std::vector<zb::SweepRow> rows = zb::SweepEvaluationRows(e);
  // As many rows as both have; a label without a row stays empty.
  for (std::size_t i = 0; i < lblWert.size(); ++i) {
    lblCaption[i]->setText(i < rows.size() ? Q(rows[i].caption) : QString());
    lblWert[i]->setText(i < rows.size() ? Q(rows[i].value) : QString());
  }
  resonanceMHz_ = e.resonanceMHz;
  resonanceOutside_ = zb::ResonanceOutsideText(e.resonanceKind);
  ShowCharts(measurement, tr("Resonanz %1 MHz").arg(Q(zb::SweepMHzText(e.resonanceMHz))));
}

// The views own their charts; a new chart replaces and deletes the old one,
// so a window that sweeps over and over keeps two charts and no more.
void frmMessung::ShowCharts(const zb::Measurement& measurement, const QString& resonance) {
  std::optional<PreviousSweep> previous;
  if (previous_)
    previous.emplace(PreviousSweep{&previous_->measurement, PreviousLegend(previous_->measurement)});
  const PreviousSweep* before = previous ? &*previous : nullptr;
  QChart* old = chtSwr->chart();
  chtSwr->setChart(NewSwrChart(measurement, resonance, before));
  delete old;
  old = chtImpedanz->chart();
  chtImpedanz->setChart(NewImpedanceChart(measurement, resonance, before));
  delete old;
  AlignPlotAreas(chtSwr->chart(), chtImpedanz->chart());
}

// The resonance into the pruning window's measured frequency; the frame opens
// that window first when none is open.
void frmMessung::OnPruningClicked() {
  if (!resonanceMHz_) return;
  // The sweep's edge is no resonance: the pruning would cut far too little.
  if (!resonanceOutside_.empty()) {
    module_.Platform().MessageBox(resonanceOutside_, MsgButtons::Ok, MsgIcon::Exclamation, U8(tr(kTitle)));
    return;
  }
  QWidget* pruning = module_.Frame().OpenedPruningWindow();
  if (!pruning) return;
  WindowRegistry::As<VfPruningWindow>(*pruning).SetMeasuredResonance(
      Q(zb::MeasuredResonanceText(*resonanceMHz_)));
}

void frmMessung::OnSavePictureClicked() {
  FileDialogOptions options;
  options.title = tr("Bild speichern");
  options.filter = tr("PNG-Bild (*.png)|*.png|SVG-Grafik (*.svg)|*.svg");
  options.proposedName = QFileInfo(fileName_).completeBaseName() + QStringLiteral(".png");
  options.promptOverwrite = true;
  options.extensionFromFilter = true;
  UiPlatform& platform = module_.Platform();
  std::optional<QString> file = platform.SaveFileDialog(this, options);
  if (!file) return;
  // A desktop dialog that adds no extension itself: the first format's.
  if (QFileInfo(*file).suffix().isEmpty()) *file += QStringLiteral(".png");
  if (!SavePicture(*picCharts, *file))
    platform.MessageBox(U8(tr("Das Bild konnte nicht gespeichert werden:")) + module_.State().Zeilenumbruch +
                            QDir::toNativeSeparators(*file).toStdString(),
                        MsgButtons::Ok, MsgIcon::Exclamation, U8(tr(kTitle)));
}

}  // namespace zb::ui
