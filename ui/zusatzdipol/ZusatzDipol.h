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
  void OnCalculateClicked();
  void OnInfoClicked();

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
  // The controls, public so that window tests reach them as a user does. Each
  // keeps its designed name as its object name:
  //   dipoleGroup_ Frame1               exciterGroup_ Frame2
  //   wantedFrequencyLabel_ Label1      wantedFrequencyEdit_ Text1
  //   exciterResonanceLabel_ Label2     exciterResonanceEdit_ Text2
  //   impedanceLabel_ Label3            impedanceEdit_ Text3
  //   dipoleDiameterLabel_ Label4       dipoleDiameterEdit_ Text4
  //   exciterDiameterLabel_ Label5      exciterDiameterEdit_ Text5
  //   exciterVfLabel_ Label6            exciterVfEdit_ Text6
  //   spacingCaption_ Label7            spacingValue_ Label8
  //   lengthCaption_ Label9             lengthValue_ Label10
  //   calculateButton_ Command1         infoButton_ Command2
  QGroupBox* dipoleGroup_ = nullptr;
  QLabel* wantedFrequencyLabel_ = nullptr;
  QLineEdit* wantedFrequencyEdit_ = nullptr;
  QLabel* impedanceLabel_ = nullptr;
  QLineEdit* impedanceEdit_ = nullptr;
  QLabel* dipoleDiameterLabel_ = nullptr;
  QLineEdit* dipoleDiameterEdit_ = nullptr;
  QLabel* spacingCaption_ = nullptr;
  QLabel* spacingValue_ = nullptr;
  QLabel* lengthCaption_ = nullptr;
  QLabel* lengthValue_ = nullptr;
  QGroupBox* exciterGroup_ = nullptr;
  QLabel* exciterResonanceLabel_ = nullptr;
  QLineEdit* exciterResonanceEdit_ = nullptr;
  QLabel* exciterDiameterLabel_ = nullptr;
  QLineEdit* exciterDiameterEdit_ = nullptr;
  QLabel* exciterVfLabel_ = nullptr;
  QLineEdit* exciterVfEdit_ = nullptr;
  QPushButton* calculateButton_ = nullptr;
  QPushButton* infoButton_ = nullptr;
};

}  // namespace zb::ui
