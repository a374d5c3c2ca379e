// The measurement window with a sweep from the analyser: taken again from the
// same port, once or over and over, and saved as a Touchstone file.

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <utility>

#include "core/numbers/RuntimeError.h"
#include "locale/LocaleText.h"
#include "report/SafeFile.h"
#include "ui/app/AnalyserSweep.h"
#include "ui/app/Module1.h"
#include "ui/messung/frmMessung.h"
#include "ui/platform/AnalyserPort.h"
#include "ui/platform/UiPlatform.h"

namespace zb::ui {

namespace {

constexpr const char* kAnalyserTitle = QT_TRANSLATE_NOOP("zb::ui::frmMessung", "Messung am Analysator");

// The sweep's name as a file: the port's ("ttyACM0.s1p").
QString SweepFileName(const AnalyserSweep& sweep) {
  return QFileInfo(sweep.port).fileName() + QStringLiteral(".s1p");
}

}  // namespace

// A sweep from the dialog starts afresh: nothing grey behind it.
void frmMessung::ShowAnalyserSweep(const AnalyserSweep& sweep) {
  guarded_([this, &sweep] {
    StopSweeping();
    previous_.reset();
    sweep_ = std::make_unique<AnalyserSweep>(sweep);
    ShowMeasurement(SweepSourceText(*sweep_), SweepFileName(*sweep_), sweep_->measurement);
    analyserRow->show();
    ShowInFrame();
  });
}

void frmMessung::OnRepeatClicked() {
  if (!Sweeping()) StartSweep();
}

// Ticked, the sweep is taken again as soon as the last one is shown.
void frmMessung::OnContinuousToggled(bool on) {
  if (on && !Sweeping()) StartSweep();
}

void frmMessung::StartSweep() {
  if (!sweep_) return;
  port_ = new AnalyserPort(sweep_->port, sweep_->plan, this);
  connect(port_, &AnalyserPort::Progress, sweepProgress, [this](int done, int total) {
    sweepProgress->setRange(0, total);
    sweepProgress->setValue(done);
  });
  connect(port_, &AnalyserPort::Finished, this, [this] { guarded_([this] { SweepFinished(); }); });
  repeatButton->setEnabled(false);
  sweepProgress->setValue(0);
  sweepProgress->show();
  port_->Start();
}

void frmMessung::SweepFinished() {
  AnalyserPort* done = std::exchange(port_, nullptr);
  done->deleteLater();
  sweepProgress->hide();
  repeatButton->setEnabled(true);
  if (done->Fault() == zb::AnalyserFault::Cancelled) return;
  if (done->Fault() != zb::AnalyserFault::None) return SweepFailed(done->FaultText());
  std::string error;
  std::optional<AnalyserSweep> sweep = SweepOfSession(done->Session(), QDateTime::currentDateTime(), &error);
  if (!sweep) return SweepFailed(error);
  // The sweep shown so far goes grey; the one before it goes.
  previous_ = std::exchange(sweep_, std::make_unique<AnalyserSweep>(std::move(*sweep)));
  ShowMeasurement(SweepSourceText(*sweep_), SweepFileName(*sweep_), sweep_->measurement);
  // The next sweep after the window has drawn this one.
  if (continuousBox->isChecked())
    QTimer::singleShot(0, this, [this] {
      guarded_([this] {
        if (continuousBox->isChecked() && !Sweeping()) StartSweep();
      });
    });
}

// A fault ends the repeating and leaves the charts as they were.
void frmMessung::SweepFailed(const std::string& message) {
  continuousBox->setChecked(false);
  module_.Platform().MessageBox(message, MsgButtons::Ok, MsgIcon::Exclamation, U8(tr(kAnalyserTitle)));
}

void frmMessung::StopSweeping() {
  continuousBox->setChecked(false);
  if (port_) port_->Cancel();
}

// A file shown instead: the analyser's commands go with its sweep.
void frmMessung::ForgetAnalyserSweep() {
  StopSweeping();
  sweep_.reset();
  previous_.reset();
  analyserRow->hide();
}

void frmMessung::OnSaveTouchstoneClicked() {
  if (!sweep_) return;
  FileDialogOptions options;
  options.title = tr("Als Touchstone speichern");
  options.filter = tr("Touchstone-Datei (*.s1p)|*.s1p");
  options.proposedName = fileName_;
  options.promptOverwrite = true;
  options.extensionFromFilter = true;
  UiPlatform& platform = module_.Platform();
  std::optional<QString> file = platform.SaveFileDialog(this, options);
  if (!file) return;
  if (QFileInfo(*file).suffix().isEmpty()) *file += QStringLiteral(".s1p");
  try {
    zb::ReplaceFileSafely(QFile::encodeName(*file).toStdString(), sweep_->touchstone);
  } catch (const zb::RuntimeError& error) {
    platform.MessageBox(
        QDir::toNativeSeparators(*file).toStdString() + module_.State().Zeilenumbruch + error.Description(),
        MsgButtons::Ok, MsgIcon::Exclamation, U8(tr(kAnalyserTitle)));
  }
}

}  // namespace zb::ui
