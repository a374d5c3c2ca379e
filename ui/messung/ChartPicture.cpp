#include "ui/messung/ChartPicture.h"

#include <QFileInfo>
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

}  // namespace

bool SavePicture(QWidget& widget, const QString& path) {
  if (QFileInfo(path).suffix().compare(QStringLiteral("svg"), Qt::CaseInsensitive) == 0) return SaveSvg(widget, path);
  return widget.grab().save(path, "PNG");
}

}  // namespace zb::ui
