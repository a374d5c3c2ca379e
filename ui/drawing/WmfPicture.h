#pragma once
// A Windows metafile, played into vectors so it draws sharply on screen and
// on the printer.

#include <QByteArray>
#include <QRectF>
#include <QSize>
#include <QString>
#include <memory>

class QPainter;
class QSvgRenderer;

namespace zb::ui {

class WmfPicture {
 public:
  WmfPicture() = default;

  // Loads a (placeable) Windows metafile. Raises zb::RuntimeError 53 when the
  // file is missing and 481 "Ungültiges Bild" when it cannot be read.
  static WmfPicture Load(const QString& path);
  // The same for a metafile already in memory (481 when it is not one).
  static WmfPicture FromData(const QByteArray& bytes);

  bool IsNull() const { return svg_.isEmpty(); }
  // The picture's own size in twips, from its bounding box and units per inch.
  QSize NaturalSizeTwips() const { return sizeTwips_; }
  // Draws the picture stretched into target; a null picture draws nothing.
  void Render(QPainter& painter, const QRectF& target) const;
  // The picture as SVG text, as the player wrote it.
  const QByteArray& Svg() const { return svg_; }

 private:
  QByteArray svg_;
  QSize sizeTwips_;
  std::shared_ptr<QSvgRenderer> renderer_;
};

}  // namespace zb::ui
