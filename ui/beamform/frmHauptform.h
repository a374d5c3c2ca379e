#pragma once
// The beam input form: resonance frequency (typed, or by band and band
// segment), the wire's velocity factor with its spinner, the wire insulation,
// "&Rechnen" and "&Anzeigen". Closing it only hides it; its entries live as
// long as the frame.
//
// How the form's events map onto Qt:
//  - Change: the boxes' textChanged, which also fires for texts set by code.
//  - LostFocus / GotFocus: focus-out and focus-in events, except those caused
//    by another program's window or a popup taking the focus.
//  - KeyPress: an event filter that passes a key's character through the key
//    filter and swallows the key when the filter refuses it.
//  - KeyUp: the key-release event of the combo box (which holds the focus of
//    its edit field).
//  - Option button clicks: toggled(true), so a button selected from code runs
//    its click behaviour too, and one already selected runs nothing.
//  - The spinner: a vertical scroll bar 0 to 1000 whose down arrow raises the
//    value; valueChanged fires for user steps and for values set by code.

#include <QWidget>
#include <array>
#include <set>
#include <string>

#include "core/beam/BeamFormAccess.h"
#include "core/beam/BeamFormControls.h"
#include "core/beam/BeamFormModel.h"
#include "core/shared/Translate.h"
#include "ui/app/BeamFormBoxes.h"
#include "ui/app/NoteAreaWindow.h"
#include "ui/app/WindowClasses.h"
#include "ui/common/HandlerGuard.h"

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace zb::ui {

class Module1;

class frmHauptform : public QWidget,
                     public zb::BeamFormControls,
                     public BeamFormBoxes,
                     public NoteAreaWindow {
  Q_OBJECT

 public:
  static constexpr std::string_view kWindowClass = window_class::kBeamForm;

  explicit frmHauptform(Module1& module);

  // Once, right after the form was created.
  void Form_Load();
  // Each time the form becomes the active child window.
  void Form_Activate();

  // The note area's caption as the program wrote it (lines end with CR LF).
  const std::string& InfoCaption() const { return infoCaption_; }
  // NoteAreaWindow: the printout's heading line.
  void AppendToInfo(const std::string& text) override { SetInfoCaption(infoCaption_ + text); }

  // Event handlers.
  void OnCalculateClicked();
  void OnShowClicked();
  void OnShowButtonLeft();
  void OnVelocityFactorEdited();
  void OnVelocityFactorLeft();
  void OnSpinnerEntered();
  void OnSpinnerChanged();
  void OnBandClicked(int index);
  void OnSegmentClicked(int index);
  void OnInsulationChosen(int index);
  void OnInsulationKeyUp();
  void OnConductorDiameterEdited();

  // BeamFormControls: what the calculation run and the form model read and write.
  std::string FrequencyText() override;
  void SetFrequencyText(const std::string& text) override;
  std::string VelocityFactorText() override;
  void SetVelocityFactorText(const std::string& text) override;
  std::string PermittivityText() override;
  std::string OuterDiameterText() override;
  std::string ConductorDiameterText() override;
  void SelectBand(int index) override;
  int SelectedSegment() override;
  void SetInfoCaption(const std::string& text) override;
  void EnableShowButton() override;
  void SetFrameStatus(const std::string& text) override;
  void FocusPermittivity() override;
  void FocusConductorDiameter() override;
  void SetOuterDiameterText(const std::string& text) override;
  void SetConductorDiameterText(const std::string& text) override;
  void SetPermittivityText(const std::string& text) override;
  // Enables or disables the two diameters with their labels.
  void SetDiametersEnabled(bool enabled) override;
  std::string BandCaption(int index) override;
  void SetBandCaption(int index, const std::string& caption) override;
  int SpinnerValue() override;
  void SetSpinnerValue(int value) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  QGroupBox* BuildFrequencyGroup();
  QGroupBox* BuildBandGroup();
  QGroupBox* BuildSegmentGroup();
  QHBoxLayout* BuildVelocityFactorRow();
  QGroupBox* BuildInsulationGroup();
  QHBoxLayout* BuildButtonRow();
  void ConnectEvents();
  // The key filter of the numeric boxes; true when the key is swallowed.
  bool FilterKey(QKeyEvent* event);
  void ShowInfo();

  Module1& module_;
  HandlerGuard guarded_;
  zb::BeamFormModel model_;
  std::string infoCaption_ = zb::Tr("BeamForm", zb::kBeamFormEntries.info);
  // Keys whose press reached the combo box; only their release is its KeyUp
  // (the Enter that closes an error box does not reach the combo).
  std::set<int> comboKeysDown_;

 public:
  // The controls, public so that window tests reach them as a user does.
  // Each keeps its designed name as its object name (the band and segment
  // buttons as "Option2(0)" .. "Option2(9)" and "Option1(0)" .. "Option1(2)"):
  //   frequencyGroup_ Frame3        frequencyLabel_ Label1     frequencyEdit_ Text1
  //   bandGroup_ Frame2             bandButtons_ Option2       segmentGroup_ Frame1
  //   segmentButtons_ Option1       velocityFactorLabel_ Label7
  //   velocityFactorEdit_ Text4     velocityFactorSpinner_ VkSteller
  //   insulationGroup_ Frame5       permittivityLabel_ Label8  insulationCombo_ Combo1
  //   diameterLabel_ Label9         outerDiameterLabel_ Label10
  //   outerDiameterEdit_ Text6      conductorDiameterLabel_ Label11
  //   conductorDiameterEdit_ Text7  calculateButton_ Command1  showButton_ Command2
  //   noteLabel_ Info
  QGroupBox* frequencyGroup_ = nullptr;
  QLabel* frequencyLabel_ = nullptr;
  QLineEdit* frequencyEdit_ = nullptr;
  QGroupBox* bandGroup_ = nullptr;
  std::array<QRadioButton*, zb::kBandButtonCount> bandButtons_{};
  QGroupBox* segmentGroup_ = nullptr;
  std::array<QRadioButton*, 3> segmentButtons_{};
  QLabel* velocityFactorLabel_ = nullptr;
  QLineEdit* velocityFactorEdit_ = nullptr;
  QScrollBar* velocityFactorSpinner_ = nullptr;
  QGroupBox* insulationGroup_ = nullptr;
  QLabel* permittivityLabel_ = nullptr;
  QComboBox* insulationCombo_ = nullptr;
  QLabel* diameterLabel_ = nullptr;
  QLabel* outerDiameterLabel_ = nullptr;
  QLineEdit* outerDiameterEdit_ = nullptr;
  QLabel* conductorDiameterLabel_ = nullptr;
  QLineEdit* conductorDiameterEdit_ = nullptr;
  QPushButton* calculateButton_ = nullptr;
  QPushButton* showButton_ = nullptr;
  QLabel* noteLabel_ = nullptr;
};

}  // namespace zb::ui
