#pragma once
// The dialog "Messung am Analysator": the analysers found on the serial
// ports (each named by board and firmware once it has answered), the range
// and the points to sweep, a progress bar while the sweep runs. The finished
// sweep opens in the measurement window as a file does, and the dialog
// closes; a fault is told in a box and the dialog stays. The last port,
// range and points are remembered.

#include <QDialog>
#include <QString>
#include <vector>

#include "ui/app/AnalysatorWindow.h"
#include "ui/app/WindowClasses.h"
#include "ui/common/HandlerGuard.h"

class QComboBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace zb::ui {

class AnalyserPort;
class Module1;

class frmAnalysator : public QDialog, public AnalysatorWindow {
  Q_OBJECT

 public:
  static constexpr std::string_view kWindowClass = window_class::kAnalysator;

  explicit frmAnalysator(Module1& module);

  // AnalysatorWindow: presets the boxes, lists the analysers and shows the dialog.
  void OpenAnalysator() override;

  // Event handlers.
  void OnMeasureClicked();
  void OnCancelClicked();

  // The controls; their object names are the designed ones (cboAnschluss, ...).
  QComboBox* portBox = nullptr;
  QLineEdit* fromBox = nullptr;
  QLineEdit* toBox = nullptr;
  QLineEdit* pointsBox = nullptr;
  QProgressBar* progress = nullptr;
  QPushButton* measureButton = nullptr;
  QPushButton* cancelButton = nullptr;

  // True while a sweep runs.
  bool Measuring() const { return sweep_ != nullptr; }

 protected:
  void reject() override;
  void hideEvent(QHideEvent* event) override;

 private:
  void BuildControls();
  void Preset();
  // The port list (frmAnalysatorPorts.cpp).
  void ListAnalysers();
  void AskWhoAnswers(const QString& path);
  void Answered(AnalyserPort* probe);
  void StopAsking();
  QString ChosenPort() const;
  // The sweep.
  bool Refused(const std::string& message, QWidget* box);
  void SetMeasuring(bool measuring);
  void SweepFinished();
  void StopSweep();

  Module1& module_;
  HandlerGuard guarded_;
  AnalyserPort* sweep_ = nullptr;
  std::vector<AnalyserPort*> probes_;
};

}  // namespace zb::ui
