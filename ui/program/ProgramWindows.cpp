#include "ui/program/ProgramWindows.h"

#include "ui/analysator/frmAnalysator.h"
#include "ui/app/FrameWindow.h"
#include "ui/app/Module1.h"
#include "ui/beamform/frmHauptform.h"
#include "ui/frame/MDIForm1.h"
#include "ui/messung/frmMessung.h"
#include "ui/quickview/frmRTF.h"
#include "ui/vk/frmVk.h"
#include "ui/zusatzdipol/ZusatzDipol.h"

namespace zb::ui {

namespace {

// A window that lives in the frame as a child window and loads right after
// it was made.
template <typename Window>
void RegisterChildWindow(Module1& module) {
  module.Windows().SetFactory(
      Window::kWindowClass, [&module] { return new Window(module); },
      [&module](QWidget& window) {
        auto& child = static_cast<Window&>(window);
        module.Frame().AddChildWindow(&child);
        child.Form_Load();
      });
}

}  // namespace

void RegisterProgramWindows(Module1& module) {
  WindowRegistry& windows = module.Windows();

  windows.SetFactory(
      MDIForm1::kWindowClass, [&module] { return new MDIForm1(module); },
      [](QWidget& frame) { static_cast<MDIForm1&>(frame).MDIForm_Load(); });

  // The beam form; the velocity-factor window and the pruning window, a
  // further instance of it; the coupled-dipole window and the measurement
  // window, both of which go when they are closed.
  RegisterChildWindow<frmHauptform>(module);
  RegisterChildWindow<frmVk>(module);
  RegisterChildWindow<ZusatzDipol>(module);
  RegisterChildWindow<frmMessung>(module);

  // The quick view is a window of its own beside the frame.
  windows.SetFactory(
      frmRTF::kWindowClass, [&module] { return new frmRTF(module); },
      [&module](QWidget& window) {
        auto& view = static_cast<frmRTF&>(window);
        module.RegisterWindow(&view);
        view.Form_Load();
      });

  // The analyser dialog is a window of its own over the frame, kept when it is closed.
  windows.SetFactory(
      frmAnalysator::kWindowClass, [&module] { return new frmAnalysator(module); },
      [&module](QWidget& window) { module.RegisterWindow(&window); });
}

}  // namespace zb::ui
