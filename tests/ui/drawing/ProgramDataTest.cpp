// What the build puts beside the program (the drawings and the help
// document) and the icon resources.

#include <gtest/gtest.h>

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "assets/Assets.h"

namespace {

QByteArray Read(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QByteArray();
  return file.readAll();
}

TEST(ProgramData, DrawingsStandBesideTheProgram) {
  for (const char* name : {"Zelvar2_klein.wmf", "Zelvar3_klein.wmf", "Zelvar2_Quer_klein.wmf",
                           "Zelvar3_Quer_klein.wmf", "Zelvar2_klein_en.wmf", "Zelvar3_klein_en.wmf",
                           "Zelvar2_Quer_klein_en.wmf", "Zelvar3_Quer_klein_en.wmf"}) {
    SCOPED_TRACE(name);
    const QByteArray beside = Read(QStringLiteral(ZB_PROGRAM_DIR "/") + QLatin1String(name));
    ASSERT_FALSE(beside.isEmpty());
    EXPECT_EQ(beside, Read(QStringLiteral(ZB_ASSETS_DIR "/") + QLatin1String(name)));
  }
}

TEST(ProgramData, HelpDocumentsArePdfsOfSeveralPages) {
  for (const char* name : {"Zelvar-Beam_Hilfe.pdf", "Zelvar-Beam_Help.pdf"}) {
    SCOPED_TRACE(name);
    const QByteArray pdf = Read(QStringLiteral(ZB_PROGRAM_DIR "/") + QLatin1String(name));
    ASSERT_FALSE(pdf.isEmpty()) << name << " is missing beside the program";
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_GT(pdf.size(), 50 * 1024);
    // Page objects, not the page tree ("/Type /Pages").
    const qsizetype pages = pdf.count("/Type /Page\n") + pdf.count("/Type /Page ") +
                            pdf.count("/Type /Page/") + pdf.count("/Type /Page>");
    EXPECT_GE(pages, 5);
    EXPECT_TRUE(pdf.contains("/Title")) << "title in the document information";
  }
}

TEST(IconResources, AreFoundAfterInitAssets) {
  zb::ui::InitAssets();
  zb::ui::InitAssets();  // twice is harmless
  const QImage png(QStringLiteral(":/icons/zelvar-beam.png"));
  ASSERT_FALSE(png.isNull());
  EXPECT_EQ(png.size(), QSize(256, 256));
  QSvgRenderer svg(QStringLiteral(":/icons/zelvar-beam.svg"));
  EXPECT_TRUE(svg.isValid());
  for (int size : {16, 32, 48, 256}) {
    const QImage sized(QStringLiteral(":/icons/zelvar-beam-%1.png").arg(size));
    EXPECT_EQ(sized.size(), QSize(size, size)) << size;
  }
  const QIcon icon = zb::ui::ProgramIcon();
  EXPECT_FALSE(icon.isNull());
  const QList<QSize> sizes = icon.availableSizes();
  for (int size : {16, 32, 48, 256}) EXPECT_TRUE(sizes.contains(QSize(size, size))) << size;
}

// The committed renderings are those of the committed SVG (regenerate them
// with the zb_regenerate_assets target after changing it).
TEST(IconResources, RenderingsMatchTheSvg) {
  zb::ui::InitAssets();
  QSvgRenderer svg(QStringLiteral(":/icons/zelvar-beam.svg"));
  for (int size : {32, 48, 256}) {
    SCOPED_TRACE(size);
    QImage expected(size, size, QImage::Format_ARGB32);
    expected.fill(Qt::transparent);
    {
      QPainter painter(&expected);
      painter.setRenderHint(QPainter::Antialiasing);
      svg.render(&painter, QRectF(0, 0, size, size));
    }
    const QImage committed =
        QImage(QStringLiteral(":/icons/zelvar-beam-%1.png").arg(size)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(committed.size(), expected.size());
    long difference = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const QRgb a = expected.pixel(x, y), b = committed.pixel(x, y);
        difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                      std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
      }
    EXPECT_LT(static_cast<double>(difference) / (size * size), 4.0);
  }
}

}  // namespace
