// zb_helpgen HELP.html OUTPUT.pdf [NAME=DRAWING.wmf ...]
// Typesets the help document into a PDF (A4). Each NAME=DRAWING.wmf makes a
// drawing of the program available to the document as <img src="NAME">.
// Fails when the document refers to a picture it was not given.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

#include "core/numbers/RuntimeError.h"
#include "ui/drawing/WmfPicture.h"

namespace {

// Drawings go into the document as pictures of this resolution.
constexpr double kPictureDpi = 200.0;

QImage RenderDrawing(const QString& path) {
  const auto picture = zb::ui::WmfPicture::Load(path);
  const QSize twips = picture.NaturalSizeTwips();
  QImage image(qRound(twips.width() * kPictureDpi / 1440.0), qRound(twips.height() * kPictureDpi / 1440.0),
               QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  picture.Render(painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
  return image;
}

int Fail(const QString& message) {
  std::fprintf(stderr, "zb_helpgen: %s\n", qPrintable(message));
  return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: zb_helpgen HELP.html OUTPUT.pdf [NAME=DRAWING.wmf ...]\n");
    return 2;
  }
  QFile html(QString::fromLocal8Bit(argv[1]));
  if (!html.open(QIODevice::ReadOnly)) return Fail(QStringLiteral("cannot read %1").arg(html.fileName()));
  const QString text = QString::fromUtf8(html.readAll());

  QTextDocument document;
  QSet<QString> given;
  for (int i = 3; i < argc; ++i) {
    const QString argument = QString::fromLocal8Bit(argv[i]);
    const qsizetype equals = argument.indexOf(u'=');
    if (equals <= 0) return Fail(QStringLiteral("picture argument %1 is not NAME=FILE").arg(argument));
    const QString name = argument.left(equals), path = argument.mid(equals + 1);
    try {
      document.addResource(QTextDocument::ImageResource, QUrl(name), RenderDrawing(path));
    } catch (const zb::RuntimeError& e) {
      return Fail(QStringLiteral("%1: error %2 %3")
                      .arg(path)
                      .arg(e.Number())
                      .arg(QString::fromStdString(e.Description())));
    }
    given.insert(name);
  }
  static const QRegularExpression image(QStringLiteral(R"re(<img\s[^>]*src="([^"]+)")re"));
  for (auto it = image.globalMatch(text); it.hasNext();) {
    const QString name = it.next().captured(1);
    if (!given.contains(name))
      return Fail(QStringLiteral("the document shows picture \"%1\", which was not given").arg(name));
  }

  document.setHtml(text);
  QSaveFile out(QString::fromLocal8Bit(argv[2]));
  if (!out.open(QIODevice::WriteOnly)) return Fail(QStringLiteral("cannot write %1").arg(out.fileName()));
  {
    QPdfWriter writer(&out);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(20, 18, 20, 18), QPageLayout::Millimeter);
    writer.setTitle(document.metaInformation(QTextDocument::DocumentTitle));
    writer.setCreator(QStringLiteral("Zelvar-Beam"));
    document.print(&writer);
  }
  if (out.size() == 0 || !out.commit()) return Fail(QStringLiteral("cannot write %1").arg(out.fileName()));
  return 0;
}
