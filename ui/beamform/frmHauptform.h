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
  void Command1_Click();
  void Command2_Click();
  void Command2_LostFocus();
  void Text4_Change();
  void Text4_LostFocus();
  void VkSteller_GotFocus();
  void VkSteller_Change();
  void Option2_Click(int index);
  void Option1_Click(int index);
  void Combo1_Click(int index);
  void Combo1_KeyUp();
  void Text7_Change();

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
  // Runs an event handler so that no exception leaves it.

  Module1& module_;
  HandlerGuard guarded_;
  zb::BeamFormModel model_;
  std::string infoCaption_ = zb::kBeamFormEntries.info;
  // Keys whose press reached the combo box; only their release is its KeyUp
  // (the Enter that closes an error box does not reach the combo).
  std::set<int> comboKeysDown_;

 public:
  // The controls, named as the program knows them (also their object names).
  QGroupBox* Frame3 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Text1 = nullptr;
  QGroupBox* Frame2 = nullptr;
  std::array<QRadioButton*, zb::kBandButtonCount> Option2{};
  QGroupBox* Frame1 = nullptr;
  std::array<QRadioButton*, 3> Option1{};
  QLabel* Label7 = nullptr;
  QLineEdit* Text4 = nullptr;
  QScrollBar* VkSteller = nullptr;
  QGroupBox* Frame5 = nullptr;
  QLabel* Label8 = nullptr;
  QComboBox* Combo1 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label10 = nullptr;
  QLineEdit* Text6 = nullptr;
  QLabel* Label11 = nullptr;
  QLineEdit* Text7 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QLabel* Info = nullptr;
};

}  // namespace zb::ui
