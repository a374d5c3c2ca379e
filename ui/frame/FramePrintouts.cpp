// The frame's two printouts: the input windows and the antenna drawing.

#include "ui/app/Module1.h"
#include "ui/beamform/frmHauptform.h"
#include "ui/common/Twips.h"
#include "ui/frame/MDIForm1.h"
#include "ui/print/DrawingPrintFrame.h"
#include "ui/print/DrawingPrintout.h"
#include "ui/print/InputPrintWindows.h"
#include "ui/print/InputPrintout.h"
#include "ui/print/PrintableWindow.h"

namespace zb::ui {

namespace {

class ProgramInputWindows final : public InputPrintWindows {
 public:
  explicit ProgramInputWindows(Module1& module)
      : form_(module.Hauptform()), beamForm_(form_, [] { return std::string(); }) {}

  PrintableWindow& BeamForm() override { return beamForm_; }
  void AppendToBeamInfo(const std::string& text) override { form_.SetInfoCaption(form_.InfoCaption() + text); }
  // The velocity-factor and pruning windows are not part of the program yet.
  PrintableWindow* VkWindow() override { return nullptr; }
  PrintableWindow* PruningWindow() override { return nullptr; }

 private:
  frmHauptform& form_;
  WidgetPrintable beamForm_;
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

void MDIForm1::mnuDatDruck_Click() {
  ProgramInputWindows windows(module_);
  PrintInputs(module_.Platform(), windows);
}

void MDIForm1::mnuZeichnDruck_Click() {
  FrameForDrawing frame(*this);
  PrintDrawing(module_.Platform(), frame);
}

}  // namespace zb::ui
