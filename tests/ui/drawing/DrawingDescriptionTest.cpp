// The drawing generator: the committed drawings are what their descriptions
// give, the files are well-formed placeable metafiles, and mistakes in a
// description are reported with their line.

#include <gtest/gtest.h>

#include <QFile>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/wmfgen/DrawingDescription.h"
#include "tools/wmfgen/FontMetrics.h"
#include "tools/wmfgen/TextTable.h"

namespace {

using zb::tools::DescriptionError;
using zb::tools::GenerateWmf;

QByteArray ReadAsset(const QString& name) {
  QFile file(QStringLiteral(ZB_ASSETS_DIR "/") + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
  return file.readAll();
}

std::uint16_t Word(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b.at(at) | (b.at(at + 1) << 8));
}
std::uint32_t DWord(const std::vector<std::uint8_t>& b, std::size_t at) {
  return Word(b, at) | (static_cast<std::uint32_t>(Word(b, at + 2)) << 16);
}

struct Record {
  std::uint32_t words;
  std::uint16_t function;
  std::size_t offset;  // of the record in the file
};

// The records after both headers; fails the test when they do not chain up
// to the end-of-file record at the very end of the file.
std::vector<Record> Records(const std::vector<std::uint8_t>& b) {
  std::vector<Record> records;
  std::size_t pos = 22 + 18;
  while (pos + 6 <= b.size()) {
    Record r{DWord(b, pos), Word(b, pos + 4), pos};
    EXPECT_GE(r.words, 3u);
    if (r.words < 3) break;
    records.push_back(r);
    pos += r.words * 2;
    if (r.function == 0) break;
  }
  EXPECT_EQ(pos, b.size());
  EXPECT_FALSE(records.empty());
  if (!records.empty()) {
    EXPECT_EQ(records.back().function, 0);
  }
  return records;
}

std::string Error(const std::string& description) {
  try {
    GenerateWmf(description, "probe.txt");
  } catch (const DescriptionError& e) {
    return e.what();
  }
  return "";
}

// The texts a metafile draws, in Windows-1252 as stored.
std::string DrawnTexts(const std::vector<std::uint8_t>& b) {
  std::string texts;
  for (const auto& r : Records(b)) {
    if (r.function != 0x0521) continue;
    for (std::uint16_t i = 0; i < Word(b, r.offset + 6); ++i)
      texts += static_cast<char>(b.at(r.offset + 8 + i));
    texts += '|';
  }
  return texts;
}

// The German drawings and the English ones (texts from the table) both.
TEST(DrawingAssets, RegeneratingGivesTheCommittedBytes) {
  const std::string table = ReadAsset(QStringLiteral("drawings/english.tsv")).toStdString();
  for (const char* name : {"Zelvar2_klein", "Zelvar3_klein", "Zelvar2_Quer_klein", "Zelvar3_Quer_klein"}) {
    for (const bool english : {false, true}) {
      SCOPED_TRACE(std::string(name) + (english ? " English" : ""));
      std::string description =
          ReadAsset(QStringLiteral("drawings/%1.txt").arg(QLatin1String(name))).toStdString();
      if (english) description = zb::tools::TranslatedDescription(description, table);
      const auto generated = GenerateWmf(description, name);
      const QByteArray committed =
          ReadAsset(QStringLiteral("%1%2.wmf").arg(QLatin1String(name), english ? "_en" : ""));
      ASSERT_EQ(static_cast<qsizetype>(generated.size()), committed.size());
      EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(generated.data()), committed.size()), committed);
      // German words drawn in the German drawings only.
      const std::string texts = DrawnTexts(generated);
      for (const char* german : {"Strahler", "Direktor", "Reflektor", "Seite", "Bauvariante"})
        EXPECT_EQ(texts.find(german) == std::string::npos, english) << german << " in " << texts;
    }
  }
}

// A sentence the table does not translate stops the drawing: no German
// phrase slips into an English drawing. Single-word labels stay as they are.
TEST(DrawingAssets, ATableMissingAPhraseIsAnError) {
  const std::string table = "# comment\nDirektor\tDirector\n";
  EXPECT_EQ(zb::tools::TranslatedDescription(
                "font \"Arial\" 160\ntext left 0 0 \"Direktor\"\ntext left 0 0 \"lD\"", table),
            "font \"Arial\" 160\ntext left 0 0 \"Director\"\ntext left 0 0 \"lD\"");
  EXPECT_THROW(zb::tools::TranslatedDescription("text left 0 0 \"Ende je Seite\"\n", table),
               DescriptionError);
  EXPECT_THROW(zb::tools::TranslatedDescription("", "Direktor without a tab\n"), DescriptionError);
}

TEST(WmfFormat, HeadersDescribeTheFile) {
  const auto b = GenerateWmf(
      "picture 3000 2000 1440\npen 30 solid\nline 0 0 3000 2000 0 2000\n"
      "font \"Arial\" 200\ntext left 10 500 \"Boom\"\n",
      "probe");
  // Placeable header: key, bounding box, units per inch, checksum.
  EXPECT_EQ(DWord(b, 0), 0x9AC6CDD7u);
  EXPECT_EQ(Word(b, 6), 0);
  EXPECT_EQ(Word(b, 8), 0);
  EXPECT_EQ(Word(b, 10), 3000);
  EXPECT_EQ(Word(b, 12), 2000);
  EXPECT_EQ(Word(b, 14), 1440);
  std::uint16_t checksum = 0;
  for (std::size_t i = 0; i < 20; i += 2) checksum ^= Word(b, i);
  EXPECT_EQ(Word(b, 20), checksum);
  // Metafile header: memory metafile, 9 words, version 3, size in words.
  EXPECT_EQ(Word(b, 22), 1);
  EXPECT_EQ(Word(b, 24), 9);
  EXPECT_EQ(Word(b, 26), 0x0300);
  EXPECT_EQ(DWord(b, 28), (b.size() - 22) / 2);
  const auto records = Records(b);
  std::uint32_t largest = 0;
  for (const auto& r : records) largest = std::max(largest, r.words);
  EXPECT_EQ(DWord(b, 34), largest);
}

TEST(WmfFormat, ReplacedToolsAreDeletedSoTheObjectTableStaysSmall) {
  std::string description = "picture 1000 1000 1440\n";
  for (int i = 1; i <= 50; ++i)
    description += "pen " + std::to_string(i) + " solid\nbrush #00000" + std::to_string(i % 10) + "\n";
  description += "font \"Arial\" 100\nfont \"Arial\" 120 bold\n";
  const auto b = GenerateWmf(description, "probe");
  const std::uint16_t objects = Word(b, 32);
  EXPECT_LE(objects, 4);
  int deletes = 0, selects = 0;
  for (const auto& r : Records(b)) {
    if (r.function == 0x01F0) {
      ++deletes;
      EXPECT_LT(Word(b, r.offset + 6), objects);
    }
    if (r.function == 0x012D) {
      ++selects;
      EXPECT_LT(Word(b, r.offset + 6), objects);
    }
  }
  EXPECT_EQ(selects, 102);
  EXPECT_EQ(deletes, 102 - 3);  // every object but the last pen, brush and font
}

// Centred and right-aligned texts are stored left-aligned at the position the
// font's widths give: "Bv" in Arial is 0.667 + 0.5 em wide.
TEST(WmfFormat, AlignedTextsArePlacedFromTheFontWidths) {
  const auto b = GenerateWmf(
      "picture 4000 1000 1440\nfont \"Arial\" 200\n"
      "text left 2000 500 \"Bv\"\ntext center 2000 600 \"Bv\"\ntext right 2000 700 \"Bv\"\n",
      "probe");
  std::vector<int> xs;
  for (const auto& r : Records(b)) {
    if (r.function == 0x012E) {
      EXPECT_EQ(Word(b, r.offset + 6), 24);  // TA_BASELINE | TA_LEFT only
    }
    if (r.function != 0x0521) continue;
    ASSERT_EQ(Word(b, r.offset + 6), 2);  // length of "Bv"
    EXPECT_EQ(b.at(r.offset + 8), 'B');
    xs.push_back(static_cast<std::int16_t>(Word(b, r.offset + 12)));
  }
  ASSERT_EQ(xs.size(), 3u);
  EXPECT_EQ(xs[0], 2000);
  EXPECT_EQ(xs[1], 2000 - 117);  // 233.4 / 2
  EXPECT_EQ(xs[2], 2000 - 233);
}

TEST(WmfFormat, TextsAreStoredInWindows1252) {
  const auto b = GenerateWmf("picture 1000 1000 1440\ntext left 0 500 \"Querträger 45° – Ende\"\n", "probe");
  const std::string expected = "Querträger 45° – Ende";
  std::string stored;
  for (const auto& r : Records(b)) {
    if (r.function != 0x0521) continue;
    const std::uint16_t length = Word(b, r.offset + 6);
    for (std::uint16_t i = 0; i < length; ++i) stored += static_cast<char>(b.at(r.offset + 8 + i));
  }
  EXPECT_EQ(stored, "Quertr\xE4ger 45\xB0 \x96 Ende");
}

TEST(FontMetricsTest, WidthsOfTheStandardFaces) {
  EXPECT_DOUBLE_EQ(*zb::tools::TextWidthEm("Arial", false, false, "Bv"), 1.167);
  EXPECT_DOUBLE_EQ(*zb::tools::TextWidthEm("arial", true, false, "Bv"), 0.722 + 0.556);
  EXPECT_DOUBLE_EQ(*zb::tools::TextWidthEm("Times New Roman", true, true, "lD"), 0.278 + 0.722);
  EXPECT_DOUBLE_EQ(*zb::tools::TextWidthEm("Courier New", false, false, "AQ1"), 1.8);
  EXPECT_FALSE(zb::tools::TextWidthEm("Wingdings", false, false, "x"));
  EXPECT_FALSE(zb::tools::TextWidthEm("Arial", false, false, "\x81"));  // no character
}

TEST(DescriptionErrors, NameTheLineAndTheProblem) {
  EXPECT_EQ(Error("line 0 0 10 10\n"), "probe.txt:1: the first command must be picture");
  EXPECT_EQ(Error("picture 100 100 1440\n\nzeichne 1 2\n"), "probe.txt:3: unknown command zeichne");
  EXPECT_EQ(Error("picture 100 100 1440\nline 0 0 10 zehn\n"), "probe.txt:2: number expected, got \"zehn\"");
  EXPECT_EQ(Error("picture 100 100 1440\nline 0 0 10\n"),
            "probe.txt:2: line needs at least 2 coordinate pairs");
  EXPECT_EQ(Error("picture 100 100 1440\nline 0 0 40000 0\n"),
            "probe.txt:2: number out of the 16-bit range: 40000");
  EXPECT_EQ(Error("picture 100 100 1440\ntext left 0 0 \"12,5 Ω\"\n"),
            "probe.txt:2: text has a character outside Windows-1252: 12,5 Ω");
  EXPECT_EQ(Error("picture 100 100 1440\ntext left 0 0 \"offen\n"), "probe.txt:2: unterminated string");
  EXPECT_EQ(Error("picture 100 100 1440\nfont \"Symbol\" 100\ntext center 50 50 \"x\"\n"),
            "probe.txt:3: centred or right-aligned text needs a standard font and known characters");
  EXPECT_EQ(Error("picture 0 100 1440\n"), "probe.txt:1: picture size must lie between 1 and 32767 units");
  EXPECT_EQ(Error("picture 100 100 1440\npen 5 wavy\n"), "probe.txt:2: unknown pen style wavy");
  EXPECT_EQ(Error("picture 100 100 1440\nbrush #12345G\n"),
            "probe.txt:2: colour #RRGGBB expected, got \"#12345G\"");
  EXPECT_EQ(Error("# nur ein Kommentar\n"), "probe.txt: empty description (no picture command)");
}

TEST(DescriptionSyntax, CommentsColoursAndQuotes) {
  // "# " starts a comment, also after a command; "#RRGGBB" is a colour; \" in a text.
  const auto b = GenerateWmf(
      "# Kopf\npicture 100 100 1440   # Größe\nbrush #FF8000 # orange\ntext left 0 50 \"\\\"lD\\\"\"\n",
      "probe");
  bool brush = false, text = false;
  for (const auto& r : Records(b)) {
    if (r.function == 0x02FC) {
      brush = true;
      EXPECT_EQ(Word(b, r.offset + 8), 0x80FF);  // COLORREF 0x0080FF: red FF, green 80
      EXPECT_EQ(Word(b, r.offset + 10), 0x0000);
    }
    if (r.function == 0x0521) {
      text = true;
      EXPECT_EQ(Word(b, r.offset + 6), 4);
      EXPECT_EQ(b.at(r.offset + 8), '"');
    }
  }
  EXPECT_TRUE(brush);
  EXPECT_TRUE(text);
}

}  // namespace
