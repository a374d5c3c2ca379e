#pragma once
// What the velocity-factor and pruning window needs from the rest of the
// program: the shared values, the desktop, a place among the frame's child
// windows, and the beam form's boxes it reads when it loads and writes when
// it hands its estimate over. The window knows no other window's class.

#include <string>

class QWidget;

namespace zb {
class Platform;
struct ModuleState;
}  // namespace zb

namespace zb::ui {

class VkWindowHost {
 public:
  virtual ~VkWindowHost() = default;

  virtual zb::ModuleState& State() = 0;
  virtual zb::Platform& Platform() = 0;
  // Shows the window as a modeless child window of the frame and makes it
  // the active one (brings it to the front when it is already shown).
  virtual void ShowChildWindow(QWidget* window) = 0;

  // The beam form's frequency (Text1), velocity factor (Text4) and conductor
  // diameter (Text7). The beam form is created hidden if it does not exist yet.
  virtual std::string BeamFormText1() = 0;
  virtual std::string BeamFormText7() = 0;
  virtual void SetBeamFormText1(const std::string& text) = 0;
  virtual void SetBeamFormText4(const std::string& text) = 0;
  virtual void SetBeamFormText7(const std::string& text) = 0;
};

}  // namespace zb::ui
