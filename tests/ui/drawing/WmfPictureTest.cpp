// The metafile player: the program's drawings, metafiles made for a check,
// and files that are no metafiles.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <ostream>

#include "core/numbers/RuntimeError.h"
#include "tools/wmfgen/DrawingDescription.h"
#include "ui/drawing/WmfPicture.h"

namespace {

using zb::ui::WmfPicture;

QString Asset(const QString& name) { return QStringLiteral(ZB_ASSETS_DIR "/") + name; }

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return file.readAll();
}

QByteArray Generate(const std::string& description) {
  const auto bytes = zb::tools::GenerateWmf(description, "test");
  return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

QImage RenderOnWhite(const WmfPicture& picture, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  picture.Render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

bool IsDark(QRgb pixel) { return qGray(pixel) < 128; }

// Whether a dark pixel lies within `radius` pixels of (x, y).
bool DarkNear(const QImage& image, int x, int y, int radius = 2) {
  for (int dy = -radius; dy <= radius; ++dy)
    for (int dx = -radius; dx <= radius; ++dx) {
      const int px = x + dx, py = y + dy;
      if (image.valid(px, py) && IsDark(image.pixel(px, py))) return true;
    }
  return false;
}

int CountDark(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (IsDark(image.pixel(x, y))) ++count;
  return count;
}

// Expects zb::RuntimeError with the number when running f.
void ExpectError(int number, const std::function<void()>& f) {
  try {
    f();
    ADD_FAILURE() << "no error raised, expected " << number;
  } catch (const zb::RuntimeError& e) {
    EXPECT_EQ(e.Number(), number);
  }
}

struct AssetCase {
  const char* name;
  QSize twips;
};
void PrintTo(const AssetCase& c, std::ostream* os) { *os << c.name; }

class ProgramDrawingTest : public ::testing::TestWithParam<AssetCase> {};

TEST_P(ProgramDrawingTest, LoadsWithItsNaturalSize) {
  const auto picture = WmfPicture::Load(Asset(QString::fromLatin1(GetParam().name) + ".wmf"));
  EXPECT_FALSE(picture.IsNull());
  EXPECT_EQ(picture.NaturalSizeTwips(), GetParam().twips);
}

// Every wire element of the description is drawn where the description puts
// it: the midpoint of each of its segments is dark in the rendering.
TEST_P(ProgramDrawingTest, DrawsTheWireElementsWhereTheDescriptionHasThem) {
  const QString name = QString::fromLatin1(GetParam().name);
  const auto picture = WmfPicture::Load(Asset(name + ".wmf"));
  const QSize twips = picture.NaturalSizeTwips();
  const QSize pixels(twips.width() / 15, twips.height() / 15);  // 96 dots per inch
  const QImage image = RenderOnWhite(picture, pixels);

  const QString description = QString::fromUtf8(ReadFile(Asset("drawings/" + name + ".txt")));
  bool elementPen = false;
  int segments = 0;
  for (const QString& line : description.split(u'\n')) {
    const QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (words.isEmpty()) continue;
    if (words[0] == QLatin1String("pen")) elementPen = words.value(1) == QLatin1String("40");
    if (!elementPen || words[0] != QLatin1String("line")) continue;
    for (int i = 1; i + 3 < words.size(); i += 2) {
      const double x = (words[i].toDouble() + words[i + 2].toDouble()) / 2 / 15;
      const double y = (words[i + 1].toDouble() + words[i + 3].toDouble()) / 2 / 15;
      EXPECT_TRUE(DarkNear(image, qRound(x), qRound(y))) << name.toStdString() << " at " << x << "," << y;
      ++segments;
    }
  }
  EXPECT_EQ(segments,
            16);  // director and reflector five segments each, the driven element two halves of three
  // The background is white: a corner far from any line stays light.
  EXPECT_EQ(CountDark(image, QRect(pixels.width() - 20, pixels.height() - 20, 15, 15)), 0);
  // The title line at the top left is written.
  EXPECT_GT(CountDark(image, QRect(0, 0, pixels.width() / 2, 60)), 100);
}

INSTANTIATE_TEST_SUITE_P(Assets, ProgramDrawingTest,
                         ::testing::Values(AssetCase{"Zelvar2_klein", {8400, 8400}},
                                           AssetCase{"Zelvar3_klein", {8400, 8400}},
                                           AssetCase{"Zelvar2_Quer_klein", {27000, 13500}},
                                           AssetCase{"Zelvar3_Quer_klein", {27000, 13500}}),
                         [](const ::testing::TestParamInfo<AssetCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(WmfPictureSize, UprightDrawingsFitTheFramesDesignedClientArea) {
  for (const char* name : {"Zelvar2_klein.wmf", "Zelvar3_klein.wmf"}) {
    const QSize size = WmfPicture::Load(Asset(QString::fromLatin1(name))).NaturalSizeTwips();
    EXPECT_LE(size.width(), 8496) << name;
    EXPECT_LE(size.height(), 8976) << name;
  }
}

TEST(WmfPictureSize, NaturalSizeFollowsUnitsPerInch) {
  // 2000 x 1000 units at 720 per inch: 4000 x 2000 twips.
  const auto picture = WmfPicture::FromData(Generate("picture 2000 1000 720\nline 0 0 2000 1000\n"));
  EXPECT_EQ(picture.NaturalSizeTwips(), QSize(4000, 2000));
}

TEST(WmfPictureErrors, MissingFileRaises53) {
  QTemporaryDir dir;
  ExpectError(zb::kFileNotFound, [&] { WmfPicture::Load(dir.filePath("fehlt.wmf")); });
  ExpectError(zb::kFileNotFound, [&] { WmfPicture::Load(dir.path()); });  // a folder is no file
}

TEST(WmfPictureErrors, FilesThatAreNoMetafilesRaise481) {
  QTemporaryDir dir;
  const auto write = [&](const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
  };
  QByteArray garbage;
  for (int i = 0; i < 4096; ++i) garbage.append(static_cast<char>((i * 7919 + 13) % 251));
  ExpectError(zb::kInvalidPicture, [&] { WmfPicture::Load(write("leer.wmf", QByteArray())); });
  ExpectError(zb::kInvalidPicture,
              [&] { WmfPicture::Load(write("text.wmf", "Das ist keine Zeichnung.\r\n")); });
  ExpectError(zb::kInvalidPicture, [&] { WmfPicture::Load(write("garbage.wmf", garbage)); });
  // A real placeable header followed by garbage records.
  ExpectError(zb::kInvalidPicture, [&] {
    WmfPicture::Load(write("kopf.wmf", ReadFile(Asset("Zelvar3_klein.wmf")).left(40) + garbage));
  });
}

TEST(WmfPictureErrors, TruncatedMetafilesRaise481AtEveryLength) {
  const QByteArray whole = ReadFile(Asset("Zelvar2_klein.wmf"));
  ASSERT_GT(whole.size(), 100);
  for (qsizetype length : {qsizetype{1}, qsizetype{21}, qsizetype{22}, qsizetype{39}, qsizetype{40},
                           qsizetype{100}, whole.size() / 2, whole.size() - 6, whole.size() - 1}) {
    SCOPED_TRACE(length);
    ExpectError(zb::kInvalidPicture, [&] { WmfPicture::FromData(whole.left(length)); });
  }
}

TEST(WmfPictureErrors, BrokenHeadersRaise481) {
  QByteArray noArea = Generate("picture 100 100 1440\nline 0 0 100 100\n");
  noArea[10] = 0;  // right = left
  noArea[11] = 0;
  ExpectError(zb::kInvalidPicture, [&] { WmfPicture::FromData(noArea); });

  QByteArray noInch = Generate("picture 100 100 1440\nline 0 0 100 100\n");
  noInch[14] = 0;
  noInch[15] = 0;
  ExpectError(zb::kInvalidPicture, [&] { WmfPicture::FromData(noInch); });

  QByteArray overlong = Generate("picture 100 100 1440\nline 0 0 100 100\n");
  overlong[22 + 18] = char(0xFF);  // first record claims far more words than the file holds
  overlong[22 + 19] = char(0x7F);
  ExpectError(zb::kInvalidPicture, [&] { WmfPicture::FromData(overlong); });
}

TEST(WmfPictureContent, MetafileWithoutPlaceableHeaderLoads) {
  const QByteArray plain = ReadFile(Asset("Zelvar3_klein.wmf")).mid(22);
  const auto picture = WmfPicture::FromData(plain);
  EXPECT_FALSE(picture.IsNull());
  EXPECT_GT(picture.NaturalSizeTwips().width(), 0);
  EXPECT_GT(picture.NaturalSizeTwips().height(), 0);
  const QImage image = RenderOnWhite(picture, QSize(200, 200));
  EXPECT_GT(CountDark(image, image.rect()), 500);
}

// The picture's frame, not just what it draws, fills the target: a mark in
// the right half stays in the right half.
TEST(WmfPictureContent, FrameFillsTheTargetNotTheDrawnArea) {
  const auto picture = WmfPicture::FromData(
      Generate("picture 4000 2000 1440\npen 0 none\nbrush #000000\nrect 3000 500 3800 1500\n"));
  const QImage image = RenderOnWhite(picture, QSize(400, 200));
  EXPECT_EQ(CountDark(image, QRect(0, 0, 290, 200)), 0);
  EXPECT_TRUE(IsDark(image.pixel(340, 100)));
  EXPECT_FALSE(IsDark(image.pixel(390, 100)));
}

TEST(WmfPictureContent, FillsAreOpaqueAndPolylinesAreNotFilled) {
  const auto picture =
      WmfPicture::FromData(Generate("picture 1000 1000 1440\n"
                                    "pen 0 none\nbrush #000000\nrect 0 0 400 400\n"
                                    "pen 20 solid\nbrush none\nline 500 100 750 900 950 100\n"));
  const QImage image = RenderOnWhite(picture, QSize(100, 100));
  EXPECT_EQ(image.pixel(20, 20), qRgb(0, 0, 0));        // a black brush paints black, not grey
  EXPECT_EQ(image.pixel(75, 40), qRgb(255, 255, 255));  // the inside of the V stays white
  EXPECT_TRUE(DarkNear(image, 75, 90));                 // its tip is drawn
}

TEST(WmfPictureContent, TextsWithMarkupCharactersAndUmlautsRender) {
  const auto picture = WmfPicture::FromData(Generate(
      "picture 4000 1000 1440\nfont \"Arial\" 400 bold\ntext left 100 600 \"A&B <lD> Größe 45°\"\n"));
  EXPECT_TRUE(picture.Svg().contains("A&amp;B &lt;lD&gt; Größe 45°"));
  const QImage image = RenderOnWhite(picture, QSize(400, 100));
  EXPECT_GT(CountDark(image, QRect(0, 20, 300, 50)), 200);
}

TEST(WmfPictureContent, NullPictureDrawsNothing) {
  const WmfPicture picture;
  EXPECT_TRUE(picture.IsNull());
  EXPECT_EQ(picture.NaturalSizeTwips(), QSize());
  const QImage image = RenderOnWhite(picture, QSize(20, 20));
  EXPECT_EQ(CountDark(image, image.rect()), 0);
}

}  // namespace
