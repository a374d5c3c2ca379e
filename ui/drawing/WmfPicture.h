#pragma once
// A Windows metafile, played into vectors so it draws sharply on screen and
// on the printer.

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace zb::ui {

class WmfPicture {
 public:
  WmfPicture() = default;

  // Loads a (placeable) Windows metafile. Raises zb::RuntimeError 53 when the
  // file is missing and 481 "Ungültiges Bild" when it cannot be read.
  static WmfPicture Load(const QString& path);

  bool IsNull() const { return svg_.isEmpty(); }
  // The picture's own size in twips, from its bounding box and units per inch.
  QSize NaturalSizeTwips() const { return sizeTwips_; }
  // Draws the picture stretched into target.
  void Render(QPainter& painter, const QRectF& target) const;

 private:
  QByteArray svg_;
  QSize sizeTwips_;
};

}  // namespace zb::ui
