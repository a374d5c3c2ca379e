#pragma once
// The frame's client area: the child windows on the workspace background,
// with the antenna drawing at its top-left corner at the drawing's own size.

#include <QMdiArea>
#include <QPixmap>

#include "ui/drawing/WmfPicture.h"

namespace zb::ui {

class FrameClientArea : public QMdiArea {
  Q_OBJECT

 public:
  explicit FrameClientArea(QWidget* parent = nullptr);

  const WmfPicture& Picture() const { return picture_; }
  void SetPicture(const WmfPicture& picture);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  WmfPicture picture_;
  QPixmap rendered_;  // the picture as last drawn, kept while size and scale stay
};

}  // namespace zb::ui
