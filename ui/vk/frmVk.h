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

#include "core/VfWindowState.h"
#include "core/VkFormAccess.h"
#include "ui/app/VkWindow.h"
#include "ui/app/WindowClasses.h"

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

class frmVk : public QWidget, public VkWindow, public zb::VkFormAccess, public zb::VfWindowState {
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

  // VkFormAccess: what the estimation and pruning runs read and write.
  std::string Title() override;
  std::string GetText1() override;
  std::string GetText2() override;
  std::string GetText3() override;
  void SetText2(const std::string& text) override;
  void SetText3(const std::string& text) override;
  void SetText3Colour(zb::TextColour colour) override;
  void SetLabel5(const std::string& caption) override;
  void SetLabel5Colour(zb::TextColour colour) override;
  void SetLabel7(const std::string& caption) override;
  void SetLabel7Colour(zb::TextColour colour) override;
  void SetLabel9(const std::string& caption) override;
  void SetLabel11(const std::string& caption) override;
  void SetLabel13(const std::string& caption) override;
  void FocusText1() override;
  void FocusText2() override;
  void FocusText3() override;
  bool ErdbodenKorChecked() override;
  bool VkUebernehmenChecked() override;
  float EstimatedVf() override { return estimatedVf_; }
  void SetEstimatedVf(float vf) override { estimatedVf_ = vf; }
  void MoveLabel14ToCommand1() override;
  void SetTag(const std::string& marker) override { tag_ = marker; }
  void SetBeamFormText1(const std::string& text) override;
  void SetBeamFormText4(const std::string& text) override;
  void SetBeamFormText7(const std::string& text) override;

  // VfWindowState: what the beam run reads while the window is "Aktiv".
  std::string Tag() override { return tag_; }
  bool GroundCorrection() override { return ErdbodenKorChecked(); }
  std::string HeightText() override { return GetText2(); }
  std::string DiameterText() override { return GetText3(); }
  std::string FrequencyText() override { return GetText1(); }

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
  template <typename Handler>
  void Guarded(Handler&& handler);

  // The beam form, loaded hidden if it is not loaded yet.
  BeamFormBoxes& BeamForm();

  Module1& module_;
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
