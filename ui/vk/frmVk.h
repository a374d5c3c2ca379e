#pragma once
// The velocity-factor and pruning window: one class, two modes told apart by
// the title. The default instance estimates the velocity factor of a wire
// (" VF berechnen "); a second instance, opened from "3. Pruning /
// Optimieren", turns a measured dipole into the length changes of all three
// elements. Both run the same core code as the command line.
//
// How the window's events map onto Qt:
//  - Form_Load: once, right after the window was created (by its owner).
//  - Form_Activate: the frame's client area makes the window the active one.
//  - Form_Unload: the window accepts its close event and goes away.
//  - OnEstimateDoubleClicked: a double click on the value label.
//  - The options' clicks: the checkable entries' triggered, after Qt has
//    toggled the check mark.
// The boxes have no key filter: whatever is typed or pasted stays.

#include <QWidget>
#include <string>

#include "core/side/VfFormAccess.h"
#include "ui/app/VfPruningWindow.h"
#include "ui/app/WindowClasses.h"
#include "ui/common/HandlerGuard.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;

namespace zb {
struct VfWindowModeTexts;
}

namespace zb::ui {

class Module1;
class BeamFormBoxes;

class frmVk : public QWidget, public VfPruningWindow, public zb::VfFormAccess {
  Q_OBJECT

 public:
  static constexpr std::string_view kWindowClass = window_class::kVelocityFactor;

  explicit frmVk(Module1& module);

  // VfPruningWindow: opening from the frame's menu. Both show the window as a child
  // window of the frame.
  void OpenInVfMode() override;
  void OpenInPruningMode() override;
  void SetMeasuredResonance(const QString& mhz) override;

  // The window's height (twips) as the program set it last.
  int HeightTwips() const { return heightTwips_; }

  // Event handlers.
  void Form_Load();
  void Form_Activate();
  void Form_Unload();
  void OnCalculateClicked();
  void OnEstimateDoubleClicked();
  void OnTakeOverVfClicked();

  // VfWindowState: what the beam run reads while the window holds an estimate, and
  // the entries the estimation reads.
  zb::VfWindowStatus Status() override { return status_; }
  bool GroundCorrection() override;
  std::string FrequencyText() override;
  std::string HeightText() override;
  std::string DiameterText() override;

  // VfFormAccess: what the estimation and pruning runs read and write.
  zb::VfWindowMode Mode() override { return mode_; }
  void SetHeightText(const std::string& text) override;
  void SetDiameterText(const std::string& text) override;
  void SetDiameterColour(zb::TextColour colour) override;
  void FocusFrequency() override;
  void FocusHeight() override;
  void SetSlenderness(const std::string& caption) override;
  void SetSlendernessColour(zb::TextColour colour) override;
  void SetHeightShare(const std::string& caption) override;
  void SetHeightShareColour(zb::TextColour colour) override;
  void SetEstimate(const std::string& caption) override;
  bool TakeOverVfChecked() override;
  float EstimatedVf() override { return estimatedVf_; }
  void SetEstimatedVf(float vf) override { estimatedVf_ = vf; }
  void MovePrintTitleToButton() override;
  std::string MeasuredLengthText() override;
  std::string MeasuredResonanceText() override;
  std::string WantedResonanceText() override;
  void FocusMeasuredLength() override;
  void FocusMeasuredResonance() override;
  void FocusWantedResonance() override;
  void SetNewLength(const std::string& caption) override;
  void SetVfGesamt(const std::string& caption) override;
  void SetVfGesamtColour(zb::TextColour colour) override;
  void SetRadiatorChange(const std::string& caption) override;
  void SetReflectorChange(const std::string& caption) override;
  void SetDirectorChange(const std::string& caption) override;
  void SetStatus(zb::VfWindowStatus status) override { status_ = status; }
  void SetBeamFormFrequency(const std::string& text) override;
  void SetBeamFormVelocityFactor(const std::string& text) override;
  void SetBeamFormConductorDiameter(const std::string& text) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildMenu();
  void BuildResultControls();
  void PlaceControls();
  void ApplyModeTexts(const zb::VfWindowModeTexts& texts);
  void SetHeightTwips(int twips);
  void SetCalculateButtonTop(int twips);
  void ConnectEvents();
  // The first showing puts the window near the frame's top-left corner,
  // cascaded below the windows already shown there.
  void PlaceOnFirstShowing();

  // The beam form, loaded hidden if it is not loaded yet.
  BeamFormBoxes& BeamForm();

  Module1& module_;
  HandlerGuard guarded_;
  zb::VfWindowStatus status_ = zb::VfWindowStatus::Empty;
  zb::VfWindowMode mode_ = zb::VfWindowMode::Estimate;
  float estimatedVf_ = 0;
  int heightTwips_ = 0;
  bool placed_ = false;
  QWidget* clientArea_ = nullptr;

 public:
  // The controls, public so that window tests reach them as a user does. The
  // boxes and result rows mean different things in the two modes, so their
  // names give both meanings (velocity factor / pruning). Each keeps its
  // designed name as its object name:
  //   menuBar_ menuBar                     optionsMenu_ mnuOpt
  //   takeOverVfAction_ mnuVkübernehmen      groundCorrectionAction_ mnuErdbodenKor
  //   frequencyOrLengthLabel_ Label1       frequencyOrLengthEdit_ Text1
  //   heightOrResonanceLabel_ Label2       heightOrResonanceEdit_ Text2
  //   diameterOrWantedLabel_ Label3        diameterOrWantedEdit_ Text3
  //   resultGroup_ Frame1
  //   slendernessOrLengthCaption_ Label6   slendernessOrLengthValue_ Label7
  //   heightShareOrVfCaption_ Label4       heightShareOrVfValue_ Label5
  //   estimateOrRadiatorCaption_ Label8    estimateOrRadiatorValue_ Label9
  //   reflectorChangeCaption_ Label10      reflectorChangeValue_ Label11
  //   directorChangeCaption_ Label12       directorChangeValue_ Label13
  //   calculateButton_ Command1            printTitleLabel_ Label14
  QMenuBar* menuBar_ = nullptr;
  QMenu* optionsMenu_ = nullptr;
  QAction* takeOverVfAction_ = nullptr;
  QAction* groundCorrectionAction_ = nullptr;
  QLabel* frequencyOrLengthLabel_ = nullptr;
  QLineEdit* frequencyOrLengthEdit_ = nullptr;
  QLabel* heightOrResonanceLabel_ = nullptr;
  QLineEdit* heightOrResonanceEdit_ = nullptr;
  QLabel* diameterOrWantedLabel_ = nullptr;
  QLineEdit* diameterOrWantedEdit_ = nullptr;
  QGroupBox* resultGroup_ = nullptr;
  QLabel* slendernessOrLengthCaption_ = nullptr;
  QLabel* slendernessOrLengthValue_ = nullptr;
  QLabel* heightShareOrVfCaption_ = nullptr;
  QLabel* heightShareOrVfValue_ = nullptr;
  QLabel* estimateOrRadiatorCaption_ = nullptr;
  QLabel* estimateOrRadiatorValue_ = nullptr;
  QLabel* reflectorChangeCaption_ = nullptr;
  QLabel* reflectorChangeValue_ = nullptr;
  QLabel* directorChangeCaption_ = nullptr;
  QLabel* directorChangeValue_ = nullptr;
  QPushButton* calculateButton_ = nullptr;
  QLabel* printTitleLabel_ = nullptr;
};

}  // namespace zb::ui
