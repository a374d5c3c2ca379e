#pragma once
// The measurement window "Messung auswerten": an analyser's sweep (Touchstone
// file) with its SWR curve, R and X, the resonance and the SWR bands, the
// same rows as `zelvar-beam-cli messung` prints. The resonance goes on to the
// pruning window; the charts can be saved as a picture.
//
// A sweep taken from the analyser can be taken again from the same port
// ("Wiederholen", also over and over: "Fortlaufend"), the one before it kept
// grey in both charts, and be saved as a Touchstone file.
//
// Closing unloads it (the window is deleted); the next opening creates it
// again.

#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "ui/app/MessungWindow.h"
#include "ui/app/WindowClasses.h"
#include "ui/common/HandlerGuard.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace zb {
struct Measurement;
}

namespace zb::ui {

class AnalyserPort;
class Module1;
struct AnalyserSweep;

class frmMessung : public QWidget, public MessungWindow {
  Q_OBJECT

 public:
  static constexpr std::string_view kWindowClass = window_class::kMessung;

  // The rows below the file name, as SweepEvaluationRows gives them.
  static constexpr int kRows = 7;

  explicit frmMessung(Module1& module);
  ~frmMessung() override;

  // Once, right after the window was put into the frame.
  void Form_Load();

  // MessungWindow: the open dialog, then the evaluation shown.
  void OpenMeasurement() override;
  // MessungWindow: the analyser's sweep shown, with the commands to take it again.
  void ShowAnalyserSweep(const AnalyserSweep& sweep) override;

  // Event handlers.
  void OnPruningClicked();
  void OnSavePictureClicked();
  void OnRepeatClicked();
  void OnContinuousToggled(bool on);
  void OnSaveTouchstoneClicked();

  // True while a sweep is taken again.
  bool Sweeping() const { return port_ != nullptr; }

  // The controls, named as the program knows them (also their object names).
  QLabel* lblDatei = nullptr;
  std::array<QLabel*, kRows> lblCaption{};
  std::array<QLabel*, kRows> lblWert{};
  QChartView* chtSwr = nullptr;
  QChartView* chtImpedanz = nullptr;
  QWidget* picCharts = nullptr;  // both charts: what the picture shows
  QPushButton* cmdPruning = nullptr;
  QPushButton* cmdBild = nullptr;
  // Only for a sweep from the analyser: the row with its commands.
  QWidget* analyserRow = nullptr;
  QPushButton* repeatButton = nullptr;          // cmdWiederholen
  QCheckBox* continuousBox = nullptr;           // chkFortlaufend
  QProgressBar* sweepProgress = nullptr;        // prgWiederholen
  QPushButton* saveTouchstoneButton = nullptr;  // cmdTouchstone

 private:
  void BuildControls();
  QWidget* BuildRows();
  QWidget* BuildAnalyserRow();
  void ShowMeasurement(const QString& source, const QString& baseName, const zb::Measurement& measurement);
  void ShowCharts(const zb::Measurement& measurement, const QString& resonance);
  void FitIntoFrame();
  // Taking the sweep again (frmMessungAnalyser.cpp).
  void StartSweep();
  void SweepFinished();
  void SweepFailed(const std::string& message);
  void StopSweeping();
  void ForgetAnalyserSweep();
  void ShowInFrame();
  Module1& module_;
  HandlerGuard guarded_;
  QString fileName_;
  std::optional<double> resonanceMHz_;
  std::string resonanceOutside_;             // why the resonance cannot go on; "" where it can
  std::unique_ptr<AnalyserSweep> sweep_;     // the analyser's sweep shown; null for a file
  std::unique_ptr<AnalyserSweep> previous_;  // the one before it, grey in the charts
  AnalyserPort* port_ = nullptr;             // the sweep being taken again
};

}  // namespace zb::ui
