// zb_wmf2png DRAWING.wmf OUTPUT.png [PIXELS_PER_INCH]
// Renders a Windows metafile at its natural size (96 pixels per inch unless
// given) onto white, the way the program draws it, to look at it.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

#include "core/numbers/CLocale.h"
#include "core/numbers/RuntimeError.h"
#include "ui/drawing/WmfPicture.h"

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: zb_wmf2png DRAWING.wmf OUTPUT.png [PIXELS_PER_INCH]\n");
    return 2;
  }
  // Qt has switched the process to the user's locale; the argument has a decimal point.
  const double ppi = argc == 4 ? strtod_l(argv[3], nullptr, zb::CLocale()) : 96.0;
  if (ppi <= 0 || ppi > 2400) {
    std::fprintf(stderr, "zb_wmf2png: pixels per inch must lie between 0 and 2400\n");
    return 2;
  }
  try {
    const auto picture = zb::ui::WmfPicture::Load(QString::fromLocal8Bit(argv[1]));
    const QSize twips = picture.NaturalSizeTwips();
    const QSize pixels(qMax(1, qRound(twips.width() * ppi / 1440.0)),
                       qMax(1, qRound(twips.height() * ppi / 1440.0)));
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setRenderHint(QPainter::TextAntialiasing);
      picture.Render(painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    }
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
      std::fprintf(stderr, "zb_wmf2png: cannot write %s\n", argv[2]);
      return 1;
    }
  } catch (const zb::RuntimeError& e) {
    std::fprintf(stderr, "zb_wmf2png: %s: error %d %s\n", argv[1], e.Number(), e.Description().c_str());
    return 1;
  }
  return 0;
}
