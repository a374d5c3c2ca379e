// The frame's two printouts: the input windows and the antenna drawing.

#include "core/shared/VfWindowState.h"
#include "ui/app/Module1.h"
#include "ui/app/NoteAreaWindow.h"
#include "ui/common/Twips.h"
#include "ui/frame/MDIForm1.h"
#include "ui/print/DrawingPrintFrame.h"
#include "ui/print/DrawingPrintout.h"
#include "ui/print/InputPrintWindows.h"
#include "ui/print/InputPrintout.h"
#include "ui/print/PrintableWindow.h"

namespace zb::ui {

namespace {

// What a velocity-factor window holds; Empty for a window that is none.
zb::VfWindowStatus StatusOf(QWidget& window) {
  auto* state = WindowRegistry::IfOffers<zb::VfWindowState>(window);
  return state ? state->Status() : zb::VfWindowStatus::Empty;
}

class ProgramInputWindows final : public InputPrintWindows {
 public:
  ProgramInputWindows(Module1& module, QWidget* pruningWindow)
      : beamForm_(module.Window(window_class::kBeamForm), [] { return zb::VfWindowStatus::Empty; }) {
    // A velocity-factor window that is not loaded holds no estimate; asking
    // would load it.
    if (QWidget* vk = module.Windows().LoadedDefault(window_class::kVelocityFactor))
      vk_.emplace(*vk, [vk] { return StatusOf(*vk); });
    if (pruningWindow) pruning_.emplace(*pruningWindow, [pruningWindow] { return StatusOf(*pruningWindow); });
  }

  PrintableWindow& BeamForm() override { return beamForm_; }
  void AppendToBeamInfo(const std::string& text) override {
    WindowRegistry::As<NoteAreaWindow>(beamForm_.ClientArea()).AppendToInfo(text);
  }
  PrintableWindow* VelocityFactorWindow() override { return vk_ ? &*vk_ : nullptr; }
  PrintableWindow* PruningWindow() override { return pruning_ ? &*pruning_ : nullptr; }

 private:
  WidgetPrintable beamForm_;
  std::optional<WidgetPrintable> vk_;
  std::optional<WidgetPrintable> pruning_;
};

class FrameForDrawing final : public DrawingPrintFrame {
 public:
  explicit FrameForDrawing(MDIForm1& frame) : frame_(frame) {}

  bool IsMaximised() override { return frame_.isMaximized() || frame_.isFullScreen(); }
  // The state changes at once, the size when the window system has answered;
  // the drawing follows the state right away rather than with the resize
  // the window system may send later.
  void ShowNormal() override {
    frame_.showNormal();
    frame_.MDIForm_Resize();
  }
  double InnerWidthTwips() override { return PixelsToTwips(frame_.centralWidget()->width(), &frame_); }
  double InnerHeightTwips() override { return PixelsToTwips(frame_.centralWidget()->height(), &frame_); }
  const WmfPicture& Picture() override { return frame_.Picture(); }

 private:
  MDIForm1& frame_;
};

}  // namespace

void MDIForm1::OnPrintInputsClicked() {
  ProgramInputWindows windows(module_, pruningWindow_.data());
  PrintInputs(module_.Platform(), windows);
}

void MDIForm1::OnPrintDrawingClicked() {
  FrameForDrawing frame(*this);
  PrintDrawing(module_.Platform(), frame);
}

}  // namespace zb::ui
