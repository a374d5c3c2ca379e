#pragma once
// The measurement window "Messung auswerten": an analyser's sweep (Touchstone
// file) with its SWR curve, R and X, the resonance and the SWR bands, the
// same rows as `zelvar-beam-cli messung` prints. The resonance goes on to the
// pruning window; the charts can be saved as a picture.
//
// Closing unloads it (the window is deleted); the next opening creates it
// again.

#include <QString>
#include <QWidget>
#include <array>
#include <optional>
#include <string>

#include "ui/common/HandlerGuard.h"
#include "ui/app/MessungWindow.h"
#include "ui/app/WindowClasses.h"

class QLabel;
class QPushButton;

QT_BEGIN_NAMESPACE
class QChartView;
QT_END_NAMESPACE

namespace zb {
struct Measurement;
}

namespace zb::ui {

class Module1;

class frmMessung : public QWidget, public MessungWindow {
  Q_OBJECT

 public:
  static constexpr std::string_view kWindowClass = window_class::kMessung;

  // The rows below the file name, as SweepEvaluationRows gives them.
  static constexpr int kRows = 7;

  explicit frmMessung(Module1& module);

  // Once, right after the window was put into the frame.
  void Form_Load();

  // MessungWindow: the open dialog, then the evaluation shown.
  void OpenMeasurement() override;

  // Event handlers.
  void cmdPruning_Click();
  void cmdBild_Click();

  // The controls, named as the program knows them (also their object names).
  QLabel* lblDatei = nullptr;
  std::array<QLabel*, kRows> lblCaption{};
  std::array<QLabel*, kRows> lblWert{};
  QChartView* chtSwr = nullptr;
  QChartView* chtImpedanz = nullptr;
  QWidget* picCharts = nullptr;  // both charts: what the picture shows
  QPushButton* cmdPruning = nullptr;
  QPushButton* cmdBild = nullptr;

 private:
  void BuildControls();
  QWidget* BuildRows();
  void ShowMeasurement(const QString& path, const zb::Measurement& measurement);
  void FitIntoFrame();
  Module1& module_;
  HandlerGuard guarded_;
  QString fileName_;
  std::optional<double> resonanceMHz_;
  std::string resonanceOutside_;  // why the resonance cannot go on; "" where it can
};

}  // namespace zb::ui
