#pragma once
// What the drawing printout needs of the frame: its window state, its
// background picture and the size of its client area.

namespace zb::ui {

class WmfPicture;

class DrawingPrintFrame {
 public:
  virtual ~DrawingPrintFrame() = default;
  virtual bool IsMaximised() = 0;
  virtual void ShowNormal() = 0;
  virtual double InnerWidthTwips() = 0;
  virtual double InnerHeightTwips() = 0;
  virtual const WmfPicture& Picture() = 0;
};

}  // namespace zb::ui
