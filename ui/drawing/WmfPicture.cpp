#include "ui/drawing/WmfPicture.h"

#include <QFileInfo>

#include "core/RuntimeError.h"

namespace zb::ui {

// Replaced by the libwmf player.
WmfPicture WmfPicture::Load(const QString& path) {
  if (!QFileInfo::exists(path)) zb::Raise(zb::kFileNotFound);
  zb::Raise(zb::kInvalidPicture);
}

void WmfPicture::Render(QPainter&, const QRectF&) const {}

}  // namespace zb::ui
