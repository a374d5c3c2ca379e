#include "ui/frame/FrameClientArea.h"

#include <QPainter>
#include <QPaintEvent>

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
  const QSize size(TwipsToPixels(twips.width(), this), TwipsToPixels(twips.height(), this));
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
