#include "ui/messung/frmMessung.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <string>

#include "core/ModuleState.h"
#include "core/SweepEvaluation.h"
#include "core/SweepTexts.h"
#include "ui/app/FrameWindow.h"
#include "ui/app/Module1.h"
#include "ui/app/VkWindow.h"
#include "ui/common/Controls.h"
#include "ui/common/HandlerGuard.h"
#include "ui/messung/ChartPicture.h"
#include "ui/messung/MessungCharts.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

namespace {

constexpr const char* kTitle = "Messung auswerten";
constexpr QSize kDesignedSize(760, 720);

// The folder of the last sweep opened, kept beside the frame's placement.
const QString kFolderKey = QStringLiteral("Settings/MessungOrdner");

QSettings Store() { return QSettings(QSettings::UserScope, QStringLiteral("Zelvar-Beam"), QStringLiteral("Zelvar-Beam")); }

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::filesystem::path PathOf(const QString& file) { return QFile::encodeName(file).toStdString(); }

// Names of the value labels, in the order of SweepEvaluationRows.
constexpr std::array<const char*, frmMessung::kRows> kValueNames = {
    "lblMesspunkte", "lblResonanz", "lblSwrMin", "lblSwr2", "lblSwr15", "lblR", "lblX"};

QChartView* NewChartView(const char* name, const char* accessibleName, QWidget* parent) {
  auto* view = new QChartView(parent);
  view->setObjectName(QString::fromLatin1(name));
  view->setAccessibleName(QString::fromUtf8(accessibleName));
  view->viewport()->setAccessibleName(QString::fromUtf8(accessibleName));  // the part that takes the focus
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(300, 120);  // fits the designed frame's client area
  return view;
}

QPushButton* NewButton(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  return button;
}

}  // namespace

frmMessung::frmMessung(Module1& module)
    : module_(module), guarded_(module.Platform(), module.State().Zeilenumbruch) {
  setObjectName(QStringLiteral("frmMessung"));
  setWindowTitle(QString::fromUtf8(kTitle));
  BuildControls();
  connect(cmdPruning, &QPushButton::clicked, this, [this] { guarded_([this] { cmdPruning_Click(); }); });
  connect(cmdBild, &QPushButton::clicked, this, [this] { guarded_([this] { cmdBild_Click(); }); });
}

// ------------------------------------------------------------------ layout

void frmMessung::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildRows());

  picCharts = new QWidget(this);
  picCharts->setObjectName(QStringLiteral("picCharts"));
  picCharts->setWindowTitle(QString::fromUtf8(kTitle));
  auto* charts = new QVBoxLayout(picCharts);
  charts->setContentsMargins(0, 0, 0, 0);
  chtSwr = NewChartView("chtSwr", "SWR-Verlauf", picCharts);
  chtImpedanz = NewChartView("chtImpedanz", "Wirk- und Blindwiderstand", picCharts);
  charts->addWidget(chtSwr, 1);
  charts->addWidget(chtImpedanz, 1);
  layout->addWidget(picCharts, 1);

  auto* buttons = new QHBoxLayout;
  cmdPruning = NewButton("cmdPruning", "&An Pruning übergeben", this);
  cmdBild = NewButton("cmdBild", "&Bild speichern…", this);
  buttons->addStretch(1);
  buttons->addWidget(cmdPruning);
  buttons->addWidget(cmdBild);
  layout->addLayout(buttons);
  SetTabOrder({cmdPruning, cmdBild});
  resize(kDesignedSize);
}

// The file name and the rows of the evaluation, two columns of caption and value.
QWidget* frmMessung::BuildRows() {
  auto* rows = new QWidget(this);
  auto* grid = new QGridLayout(rows);
  grid->setContentsMargins(0, 0, 0, 0);
  QLabel* fileCaption = NewLabel("lblDateiCaption", "Datei:", rows);
  lblDatei = NewValueLabel("lblDatei", rows);
  fileCaption->setBuddy(lblDatei);  // a screen reader reads the value with its caption
  grid->addWidget(fileCaption, 0, 0);
  grid->addWidget(lblDatei, 0, 1, 1, 3);
  for (int i = 0; i < kRows; ++i) {
    const std::string captionName = std::string(kValueNames[i]) + "Caption";
    lblCaption[i] = NewPlainLabel(captionName.c_str(), rows);
    lblWert[i] = NewValueLabel(kValueNames[i], rows);
    // Points, resonance and smallest SWR on the left; the bands, R and X on the right.
    const int row = 1 + (i < 3 ? i : i - 3);
    const int column = i < 3 ? 0 : 2;
    lblCaption[i]->setBuddy(lblWert[i]);
    grid->addWidget(lblCaption[i], row, column);
    grid->addWidget(lblWert[i], row, column + 1);
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
    options.title = QStringLiteral("Messung öffnen");
    options.filter = QStringLiteral("Touchstone-Datei (*.s1p;*.s2p)|*.s1p;*.s2p|Alle Dateien (*.*)|*.*");
    options.folder = Store().value(kFolderKey).toString();
    UiPlatform& platform = module_.Platform();
    const std::optional<QString> file = platform.OpenFileDialog(this, options);
    if (!file) return;
    Store().setValue(kFolderKey, QFileInfo(*file).absolutePath());

    platform.SetHourglass(true);
    const zb::MeasurementRead read = zb::ReadMeasurement(PathOf(*file));
    if (!read.measurement) {
      platform.SetHourglass(false);
      platform.MessageBox(QFileInfo(*file).fileName().toStdString() + module_.State().Zeilenumbruch +
                              read.error.message,
                          MsgButtons::Ok, MsgIcon::Exclamation, kTitle);
      return;
    }
    ShowMeasurement(*file, *read.measurement);
    platform.SetHourglass(false);
    module_.Frame().ShowChildWindow(this);
    FitIntoFrame();
  });
}

// The window wants room for its two charts: as much as it was made for, but
// no more than the frame's client area, so its buttons stay in reach.
void frmMessung::FitIntoFrame() {
  auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
  QMdiArea* area = sub ? sub->mdiArea() : nullptr;
  if (!area) return;
  sub->setGeometry(QRect(QPoint(0, 0), kDesignedSize.boundedTo(area->viewport()->size())));
}

void frmMessung::ShowMeasurement(const QString& path, const zb::Measurement& measurement) {
  const zb::SweepEvaluation& e = measurement.evaluation;
  fileName_ = QFileInfo(path).fileName();
  lblDatei->setText(QDir::toNativeSeparators(path));
  const std::vector<zb::SweepRow> rows = zb::SweepEvaluationRows(e);
  for (int i = 0; i < kRows; ++i) {
    lblCaption[i]->setText(Q(rows[i].caption));
    lblWert[i]->setText(Q(rows[i].value));
  }
  resonanceMHz_ = e.resonanceMHz;
  const QString resonance = QStringLiteral("Resonanz %1 MHz").arg(Q(zb::SweepMHzText(e.resonanceMHz)));
  // The views own their charts; a new chart replaces and deletes the old one.
  QChart* old = chtSwr->chart();
  chtSwr->setChart(NewSwrChart(measurement, resonance));
  delete old;
  old = chtImpedanz->chart();
  chtImpedanz->setChart(NewImpedanceChart(measurement, resonance));
  delete old;
}

// The resonance into the pruning window's measured frequency; the frame opens
// that window first when none is open.
void frmMessung::cmdPruning_Click() {
  if (!resonanceMHz_) return;
  QWidget* pruning = module_.Frame().OpenedPruningWindow();
  if (!pruning) return;
  WindowRegistry::As<VkWindow>(*pruning).SetMeasuredResonance(Q(zb::MeasuredResonanceText(*resonanceMHz_)));
}

void frmMessung::cmdBild_Click() {
  FileDialogOptions options;
  options.title = QStringLiteral("Bild speichern");
  options.filter = QStringLiteral("PNG-Bild (*.png)|*.png|SVG-Grafik (*.svg)|*.svg");
  options.proposedName = QFileInfo(fileName_).completeBaseName() + QStringLiteral(".png");
  options.promptOverwrite = true;
  UiPlatform& platform = module_.Platform();
  const std::optional<QString> file = platform.SaveFileDialog(this, options);
  if (!file) return;
  if (!SavePicture(*picCharts, *file))
    platform.MessageBox("Das Bild konnte nicht gespeichert werden:" + module_.State().Zeilenumbruch +
                            QDir::toNativeSeparators(*file).toStdString(),
                        MsgButtons::Ok, MsgIcon::Exclamation, kTitle);
}

}  // namespace zb::ui
