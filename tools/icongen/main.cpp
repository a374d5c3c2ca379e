// zb_icongen ICON.svg OUTPUT_DIR SIZE...
// Renders the program icon into OUTPUT_DIR/<svg name>-<size>.png for each
// size in pixels, and the largest one also as OUTPUT_DIR/<svg name>.png.

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: zb_icongen ICON.svg OUTPUT_DIR SIZE...\n");
    return 2;
  }
  QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
  if (!svg.isValid()) {
    std::fprintf(stderr, "zb_icongen: %s is no valid SVG\n", argv[1]);
    return 1;
  }
  const QDir dir(QString::fromLocal8Bit(argv[2]));
  const QString base = QFileInfo(QString::fromLocal8Bit(argv[1])).completeBaseName();
  int largest = 0;
  QImage largestImage;
  for (int i = 3; i < argc; ++i) {
    bool ok = false;
    const int size = QString::fromLocal8Bit(argv[i]).toInt(&ok);
    if (!ok || size < 8 || size > 1024) {
      std::fprintf(stderr, "zb_icongen: size %s must lie between 8 and 1024\n", argv[i]);
      return 2;
    }
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
      QPainter painter(&image);
      painter.setRenderHint(QPainter::Antialiasing);
      svg.render(&painter, QRectF(0, 0, size, size));
    }
    const QString path = dir.filePath(QStringLiteral("%1-%2.png").arg(base).arg(size));
    if (!image.save(path, "PNG")) {
      std::fprintf(stderr, "zb_icongen: cannot write %s\n", qPrintable(path));
      return 1;
    }
    if (size > largest) {
      largest = size;
      largestImage = image;
    }
  }
  const QString path = dir.filePath(base + QStringLiteral(".png"));
  if (!largestImage.save(path, "PNG")) {
    std::fprintf(stderr, "zb_icongen: cannot write %s\n", qPrintable(path));
    return 1;
  }
  return 0;
}
