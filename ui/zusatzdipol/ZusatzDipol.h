#pragma once
// The coupled-dipole window "Strahlungsgekoppelten Dipol berechnen": wire
// length and spacing of an unfed dipole hung beside a fed one, for a wanted
// second resonance and feed-point impedance. The calculation and what loading
// fills in are core's; this window only holds the controls.
//
// Closing unloads it (the window is deleted); the next opening creates and
// loads it again.

#include <QWidget>
#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "core/ZusatzDipolFormAccess.h"
#include "ui/app/WindowClasses.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zb {
class BeamFormAccess;
class VfWindowState;
struct ModuleState;
}  // namespace zb

namespace zb::ui {

class UiPlatform;

// What the window reads from the rest of the program. Asking for the beam
// form or the velocity-factor window may create it hidden.
struct ZusatzDipolNeighbours {
  std::function<zb::BeamFormAccess&()> beamForm;
  std::function<zb::VfWindowState&()> vfWindow;
};

class ZusatzDipol : public QWidget, public zb::ZusatzDipolFormAccess {
  Q_OBJECT

 public:
  static constexpr std::string_view kWindowClass = window_class::kZusatzDipol;

  ZusatzDipol(UiPlatform& platform, zb::ModuleState& state, ZusatzDipolNeighbours neighbours,
              QWidget* parent = nullptr);

  // Once, right after the window was created.
  void Form_Load();

  // Event handlers.
  void Command1_Click();
  void Command2_Click();

  // ZusatzDipolFormAccess: what the run reads and writes.
  std::string GetText1() override;
  std::string GetText2() override;
  std::string GetText3() override;
  std::string GetText4() override;
  std::string GetText5() override;
  std::string GetText6() override;
  void SetText4(const std::string& text) override;
  void SetText5(const std::string& text) override;
  void SetText6(const std::string& text) override;
  void SetLabel8(const std::string& caption) override;
  void SetLabel10(const std::string& caption) override;
  void FocusText(int number) override;

 private:
  void BuildControls();
  QGroupBox* BuildDipolFrame();
  QGroupBox* BuildExciterFrame();
  QWidget* BuildButtonRow();
  QLineEdit* Box(int number) const;

  UiPlatform& platform_;
  zb::ModuleState& state_;
  ZusatzDipolNeighbours neighbours_;

 public:
  // The controls, named as the program knows them (also their object names).
  QGroupBox* Frame1 = nullptr;
  QLabel* Label1 = nullptr;
  QLineEdit* Text1 = nullptr;
  QLabel* Label3 = nullptr;
  QLineEdit* Text3 = nullptr;
  QLabel* Label4 = nullptr;
  QLineEdit* Text4 = nullptr;
  QLabel* Label7 = nullptr;
  QLabel* Label8 = nullptr;
  QLabel* Label9 = nullptr;
  QLabel* Label10 = nullptr;
  QGroupBox* Frame2 = nullptr;
  QLabel* Label2 = nullptr;
  QLineEdit* Text2 = nullptr;
  QLabel* Label5 = nullptr;
  QLineEdit* Text5 = nullptr;
  QLabel* Label6 = nullptr;
  QLineEdit* Text6 = nullptr;
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
};

}  // namespace zb::ui
