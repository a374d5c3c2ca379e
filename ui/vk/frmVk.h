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
//  - Label9_DblClick: a double click on the value label.
//  - The options' clicks: the checkable entries' triggered, after Qt has
//    toggled the check mark.
// The boxes have no key filter: whatever is typed or pasted stays.

#include <QWidget>
#include <string>

#include "core/side/VkFormAccess.h"
#include "ui/app/VkWindow.h"
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
struct VkModeTexts;
}

namespace zb::ui {

class Module1;
class BeamFormBoxes;

class frmVk : public QWidget, public VkWindow, public zb::VkFormAccess {
  Q_OBJECT

 public:
  static constexpr std::string_view kWindowClass = window_class::kVelocityFactor;

  explicit frmVk(Module1& module);

  // VkWindow: opening from the frame's menu. Both show the window as a child
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
  void Command1_Click();
  void Label9_DblClick();
  void mnuVkübernehmen_Click();
  void mnuErdbodenKor_Click();

  // VfWindowState: what the beam run reads while the window is "Aktiv", and
  // the entries the estimation reads.
  std::string Tag() override { return tag_; }
  bool GroundCorrection() override;
  std::string FrequencyText() override;
  std::string HeightText() override;
  std::string DiameterText() override;

  // VkFormAccess: what the estimation and pruning runs read and write.
  std::string Title() override;
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
  bool VkUebernehmenChecked() override;
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
  void SetTag(const std::string& marker) override { tag_ = marker; }
  void SetBeamFormFrequency(const std::string& text) override;
  void SetBeamFormVelocityFactor(const std::string& text) override;
  void SetBeamFormConductorDiameter(const std::string& text) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void BuildMenu();
  void PlaceControls();
  void ApplyModeTexts(const zb::VkModeTexts& texts);
  void SetHeightTwips(int twips);
  void SetCommand1Top(int twips);
  void ConnectEvents();
  // The first showing puts the window near the frame's top-left corner,
  // cascaded below the windows already shown there.
  void PlaceOnFirstShowing();
  // Runs a handler; nothing it meets leaves the window's event handling.

  // The beam form, loaded hidden if it is not loaded yet.
  BeamFormBoxes& BeamForm();

  Module1& module_;
  HandlerGuard guarded_;
  std::string tag_;
  float estimatedVf_ = 0;
  int heightTwips_ = 0;
  bool placed_ = false;
  QWidget* clientArea_ = nullptr;

 public:
  // The controls, named as the program knows them (also their object names).
  QMenuBar* menuBar = nullptr;
  QMenu* mnuOpt = nullptr;
  QAction* mnuVkübernehmen = nullptr;
  QAction* mnuErdbodenKor = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Text1 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* Text2 = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* Text3 = nullptr;
  QGroupBox* Frame1 = nullptr;
  QLabel* Label6 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label4 = nullptr;
  QLabel* Label5 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label10 = nullptr;
  QLabel* Label11 = nullptr;
  QLabel* Label12 = nullptr;
  QLabel* Label13 = nullptr;
  QPushButton* Command1 = nullptr;
  QLabel* Label14 = nullptr;
};

}  // namespace zb::ui
