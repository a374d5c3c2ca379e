#include <gtest/gtest.h>

#include "core/numbers/Cp1252.h"

namespace zb {
namespace {

TEST(Cp1252, EncodesTheReportsCharactersInOneByteEach) {
  EXPECT_EQ(Utf8ToCp1252("Größte Abstände 45° ¯ ©"),
            "Gr\xF6\xDF"
            "te Abst\xE4nde 45\xB0 \xAF \xA9");
  EXPECT_EQ(Utf8ToCp1252("€ – “x”"), "\x80 \x96 \x93x\x94");
  EXPECT_EQ(Utf8ToCp1252("Ω 😀"), "? ?");  // not in the code page
  EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");   // broken UTF-8
}

TEST(Cp1252, DecodesEveryByteAndRoundTrips) {
  std::string all;
  for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\xE4\xF6\xFC\xDF\x80"), "äöüß€");
}

}  // namespace
}  // namespace zb
