#include "ui/program/ProgramWindows.h"

#include "ui/app/FrameWindow.h"
#include "ui/analysator/frmAnalysator.h"
#include "ui/app/Module1.h"
#include "ui/beamform/frmHauptform.h"
#include "ui/frame/MDIForm1.h"
#include "ui/messung/frmMessung.h"
#include "ui/quickview/frmRTF.h"
#include "ui/vk/frmVk.h"
#include "ui/zusatzdipol/ZusatzDipol.h"

namespace zb::ui {

void RegisterProgramWindows(Module1& module) {
  WindowRegistry& windows = module.Windows();

  windows.SetFactory(
      MDIForm1::kWindowClass, [&module] { return new MDIForm1(module); },
      [](QWidget& frame) { static_cast<MDIForm1&>(frame).MDIForm_Load(); });

  // The beam form lives in the frame as a child window.
  windows.SetFactory(
      frmHauptform::kWindowClass, [&module] { return new frmHauptform(module); },
      [&module](QWidget& window) {
        auto& form = static_cast<frmHauptform&>(window);
        module.Frame().AddChildWindow(&form);
        form.Form_Load();
      });

  // The velocity-factor window and the pruning window, a further instance
  // of it, live in the frame as child windows.
  windows.SetFactory(
      frmVk::kWindowClass, [&module] { return new frmVk(module); },
      [&module](QWidget& window) {
        auto& vk = static_cast<frmVk&>(window);
        module.Frame().AddChildWindow(&vk);
        vk.Form_Load();
      });

  // The quick view is a window of its own beside the frame.
  windows.SetFactory(
      frmRTF::kWindowClass, [&module] { return new frmRTF(module); },
      [&module](QWidget& window) {
        auto& view = static_cast<frmRTF&>(window);
        module.RegisterWindow(&view);
        view.Form_Load();
      });

  // The coupled-dipole window is a child window that goes when it is closed.
  windows.SetFactory(
      ZusatzDipol::kWindowClass, [&module] { return new ZusatzDipol(module); },
      [&module](QWidget& window) {
        auto& form = static_cast<ZusatzDipol&>(window);
        module.Frame().AddChildWindow(&form);
        form.Form_Load();
      });

  // The measurement window is a child window that goes when it is closed.
  windows.SetFactory(
      frmMessung::kWindowClass, [&module] { return new frmMessung(module); },
      [&module](QWidget& window) {
        auto& form = static_cast<frmMessung&>(window);
        module.Frame().AddChildWindow(&form);
        form.Form_Load();
      });

  // The analyser dialog is a window of its own over the frame, kept when it is closed.
  windows.SetFactory(
      frmAnalysator::kWindowClass, [&module] { return new frmAnalysator(module); },
      [&module](QWidget& window) { module.RegisterWindow(&window); });
}

}  // namespace zb::ui
