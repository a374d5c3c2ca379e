#include "ui/frame/FrameClientArea.h"

#include <QPaintEvent>
#include <QPainter>

#include "ui/common/Twips.h"

namespace zb::ui {

FrameClientArea::FrameClientArea(QWidget* parent) : QMdiArea(parent) {
  setObjectName(QStringLiteral("FrameClientArea"));
  // Child windows that reach beyond the client area can be scrolled into view.
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void FrameClientArea::SetPicture(const WmfPicture& picture) {
  picture_ = picture;
  rendered_ = QPixmap();
  viewport()->update();
}

void FrameClientArea::paintEvent(QPaintEvent* event) {
  QMdiArea::paintEvent(event);  // the workspace background
  if (picture_.IsNull()) return;
  const QSize twips = picture_.NaturalSizeTwips();
  QSize size(TwipsToPixels(twips.width(), this), TwipsToPixels(twips.height(), this));
  // Drawn at its own size from the top left; a picture larger than the client
  // area (the landscape sketch on a small screen) is shrunk to fit whole,
  // so that nothing of it, least of all the beam's direction, is cut off.
  if (size.width() > viewport()->width() || size.height() > viewport()->height())
    size = size.scaled(viewport()->size(), Qt::KeepAspectRatio);
  if (size.isEmpty()) return;
  const qreal ratio = devicePixelRatioF();
  if (rendered_.isNull() || rendered_.deviceIndependentSize().toSize() != size ||
      rendered_.devicePixelRatio() != ratio) {
    rendered_ = QPixmap((QSizeF(size) * ratio).toSize());
    rendered_.setDevicePixelRatio(ratio);
    rendered_.fill(Qt::transparent);
    QPainter painter(&rendered_);
    painter.setRenderHint(QPainter::Antialiasing);
    picture_.Render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  }
  QPainter painter(viewport());
  painter.drawPixmap(0, 0, rendered_);
}

}  // namespace zb::ui
