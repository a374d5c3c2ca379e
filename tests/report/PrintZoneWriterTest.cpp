#include <gtest/gtest.h>

#include "report/PrintZoneWriter.h"

namespace zb {
namespace {

TEST(PrintZoneWriter, ZonesStartEveryFourteenColumnsStrictlyRightOfTheColumn) {
  PrintZoneWriter w;
  w.Piece("123456789012").Zone().Piece("x").EndLine();    // 12 characters: two blanks
  w.Piece("12345678901234").Zone().Piece("y").EndLine();  // exactly 14: a whole zone of blanks
  w.Zone().Piece("z").EndLine();                          // an empty line start: to column 14
  EXPECT_EQ(w.Bytes(),
            "123456789012  x\r\n"
            "12345678901234" +
                std::string(14, ' ') + "y\r\n" + std::string(14, ' ') + "z\r\n");
}

TEST(PrintZoneWriter, CountsColumnsInCodePageCharacters) {
  PrintZoneWriter w;
  w.Piece("Größe").Zone().Piece("|").EndLine();
  EXPECT_EQ(w.Bytes(),
            "Gr\xF6\xDF"
            "e" +
                std::string(9, ' ') + "|\r\n");
}

TEST(PrintZoneWriter, ALineBreakInsideAPieceStartsTheColumnAgain) {
  PrintZoneWriter w;
  w.Piece("abc\r\nde").Zone().Piece("f").Line("\r\n");
  EXPECT_EQ(w.Bytes(), "abc\r\nde" + std::string(12, ' ') + "f\r\n\r\n");
}

}  // namespace
}  // namespace zb
