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
#include <string>
#include <string_view>

#include "core/side/ZusatzDipolFormAccess.h"
#include "ui/app/WindowClasses.h"
#include "ui/common/HandlerGuard.h"

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

class Module1;
class UiPlatform;

class ZusatzDipol : public QWidget, public zb::ZusatzDipolFormAccess {
  Q_OBJECT

 public:
  static constexpr std::string_view kWindowClass = window_class::kZusatzDipol;

  // It reads the beam form and the velocity-factor window through core's
  // interfaces from the module; asking may create them hidden.
  explicit ZusatzDipol(Module1& module, QWidget* parent = nullptr);

  // Once, right after the window was created.
  void Form_Load();

  // Event handlers.
  void Command1_Click();
  void Command2_Click();

  // ZusatzDipolFormAccess: what the run reads and writes.
  std::string WantedFrequencyText() override;
  std::string ExciterResonanceText() override;
  std::string ImpedanceText() override;
  std::string DipoleDiameterText() override;
  std::string ExciterDiameterText() override;
  std::string ExciterVfText() override;
  void SetDipoleDiameterText(const std::string& text) override;
  void SetExciterDiameterText(const std::string& text) override;
  void SetExciterVfText(const std::string& text) override;
  void SetSpacing(const std::string& caption) override;
  void SetLength(const std::string& caption) override;
  void Focus(zb::ZusatzDipolBox box) override;

 private:
  void BuildControls();
  QGroupBox* BuildDipolFrame();
  QGroupBox* BuildExciterFrame();
  QWidget* BuildButtonRow();
  QLineEdit* Box(int number) const;

  Module1& module_;
  UiPlatform& platform_;
  zb::ModuleState& state_;
  HandlerGuard guarded_;

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
