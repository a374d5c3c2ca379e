#include "ui/messung/ChartPicture.h"

#include <QFileInfo>
#include <QLayout>
#include <QPainter>
#include <QPixmap>
#include <QSvgGenerator>
#include <QWidget>

namespace zb::ui {

namespace {

bool SaveSvg(QWidget& widget, const QString& path) {
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(widget.size());
  svg.setViewBox(QRect(QPoint(0, 0), widget.size()));
  svg.setTitle(widget.windowTitle());
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  widget.render(&painter);
  return painter.end() && QFileInfo(path).size() > 0;
}

// The charts are laid out at least at this size for the picture, so that a
// window kept small by a small frame still gives a readable picture.
constexpr QSize kLeastPictureSize(800, 600);

void LayOutAt(QWidget& widget, const QSize& size) {
  widget.resize(size);
  if (widget.layout()) widget.layout()->activate();
}

}  // namespace

bool SavePicture(QWidget& widget, const QString& path) {
  const QSize shown = widget.size();
  LayOutAt(widget, shown.expandedTo(kLeastPictureSize));
  const bool saved = QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0
                         ? SaveSvg(widget, path)
                         : widget.grab().save(path, "PNG");
  LayOutAt(widget, shown);
  return saved;
}

}  // namespace zb::ui
