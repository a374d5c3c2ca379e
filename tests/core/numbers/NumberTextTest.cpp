#include <gtest/gtest.h>

#include "core/numbers/NumberText.h"
#include "core/numbers/RuntimeError.h"
#include "tests/support/ErrorNumber.h"
#include "tests/support/ScriptedPlatform.h"

namespace zb {
namespace {

class NumberText : public ::testing::Test {
 protected:
  void SetUp() override { SetDecimalSeparator(','); }
  void TearDown() override { SetDecimalSeparator(','); }
};

using test::ErrorNumberOf;

TEST_F(NumberText, ParseReadsCommaAndPointAlike) {
  EXPECT_EQ(ParseNumber("50,2"), 50.2f);
  EXPECT_EQ(ParseNumber("50.2"), 50.2f);
  EXPECT_EQ(ParseNumber(" 7,1 "), 7.1f);
  EXPECT_EQ(ParseNumber("-3,5"), -3.5f);
  EXPECT_EQ(ParseNumber("+4"), 4.0f);
  EXPECT_EQ(ParseNumber(",5"), 0.5f);
  EXPECT_EQ(ParseNumber("5."), 5.0f);
}

TEST_F(NumberText, ParseStopsAtTheFirstCharacterThatDoesNotFit) {
  EXPECT_EQ(ParseNumber(""), 0.0f);
  EXPECT_EQ(ParseNumber("abc"), 0.0f);
  EXPECT_EQ(ParseNumber("andere"), 0.0f);
  EXPECT_EQ(ParseNumber("1,5,3"), 1.5f);    // the second comma ends the number
  EXPECT_EQ(ParseNumber("1.000,5"), 1.0f);  // the comma became a second point
  EXPECT_EQ(ParseNumber("2,2   PTFE GY"), 2.2f);
  EXPECT_EQ(ParseNumber("1,00059 Luft"), 1.00059f);
  EXPECT_EQ(ParseNumber("12abc"), 12.0f);
  EXPECT_EQ(ParseNumber("-"), 0.0f);
  EXPECT_EQ(ParseNumber("."), 0.0f);
  EXPECT_EQ(ParseNumber("+-5"), 0.0f);
}

TEST_F(NumberText, ParseSkipsBlanksEverywhere) {
  EXPECT_EQ(ParseNumber("1 2"), 12.0f);
  EXPECT_EQ(ParseNumber("\t- 4\n,5"), -4.5f);
  EXPECT_EQ(ParseNumber("1 E 2"), 100.0f);
  EXPECT_EQ(ParseNumber("1\r2"), 1.0f);  // a carriage return is not a blank
}

TEST_F(NumberText, ParseReadsExponentsInEitherLetterAndCase) {
  EXPECT_EQ(ParseNumber("1e3"), 1000.0f);
  EXPECT_EQ(ParseNumber("2D2"), 200.0f);
  EXPECT_EQ(ParseNumber("25d-1"), 2.5f);
  EXPECT_EQ(ParseNumber("5E"), 5.0f);  // an exponent letter without digits ends the number
  EXPECT_EQ(ParseNumber("5E+x"), 5.0f);
  EXPECT_EQ(ParseNumber("1E-50"), 0.0f);  // too small for a 4-byte float
}

TEST_F(NumberText, ParseRoundsTheDecimalValueToTheNearestSingle) {
  EXPECT_EQ(ParseNumber("0,1"), 0.1f);
  EXPECT_EQ(ParseNumber("16777217"), 16777216.0f);
  EXPECT_EQ(ParseNumber("3,4028234E38"), 3.4028234e38f);
}

TEST_F(NumberText, ParseRaisesOverflowBeyondTheSingleRange) {
  EXPECT_EQ(ErrorNumberOf([] { ParseNumber("1E39"); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { ParseNumber("-1E39"); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { ParseNumber("1E400"); }), kOverflow);
  EXPECT_EQ(ErrorNumberOf([] { ParseNumber("1E99999999999999999999"); }), kOverflow);
}

TEST_F(NumberText, FilterLetsOnlyTheAllowedKeysThrough) {
  test::ScriptedPlatform platform;
  for (char c : std::string("0123456789,.\b")) EXPECT_EQ(FilterNumericKey(c, kNumericKeys, platform), c) << c;
  EXPECT_EQ(platform.beeps, 0);

  for (int refused : std::initializer_list<int>{'a', 'E', '-', ' ', 3, 22, 24, 0, 0xE4, 300, -5})
    EXPECT_EQ(FilterNumericKey(static_cast<std::int16_t>(refused), kNumericKeys, platform), 0) << refused;
  EXPECT_EQ(platform.beeps, 11);
  EXPECT_EQ(platform.doEvents, 11);
  EXPECT_EQ(platform.events[0], "beep");
  EXPECT_EQ(platform.events[1], "doevents");
}

TEST_F(NumberText, MasksShowTheirDecimalsUnderAGermanLocale) {
  EXPECT_EQ(FormatNumber(1.8f, "##0.0##"), "1,8");
  EXPECT_EQ(FormatNumber(0.946f, "0.00##"), "0,946");
  EXPECT_EQ(FormatNumber(1, "0.00##"), "1,00");
  EXPECT_EQ(FormatNumber(24, "##0.0##"), "24,0");
  EXPECT_EQ(FormatNumber(50.2f, "###0.0##"), "50,2");
  EXPECT_EQ(FormatNumber(3.2516f, "###0.000"), "3,252");
  EXPECT_EQ(FormatNumber(0.4781, "###0.00"), "0,48");
  EXPECT_EQ(FormatNumber(12.5, "#0.0#"), "12,5");
  EXPECT_EQ(FormatNumber(8.15, "#0.0#"), "8,15");
  EXPECT_EQ(FormatNumber(1.00059f, "#0.0####"), "1,00059");
  EXPECT_EQ(FormatNumber(1.0, "0.0###"), "1,0");
  EXPECT_EQ(FormatNumber(0.5, "###0"), "1");
  EXPECT_EQ(FormatNumber(1234.5678, "###0.0##"), "1234,568");
  EXPECT_EQ(FormatNumber(123456789.0, "###0.0#"), "123456789,0");
  EXPECT_EQ(FormatNumber(0.25, ".0#"), ",25");
}

TEST_F(NumberText, MasksRoundTiesAwayFromZeroAfter15Digits) {
  EXPECT_EQ(FormatNumber(0.125, "0.0#"), "0,13");
  EXPECT_EQ(FormatNumber(-0.125, "0.0#"), "-0,13");
  EXPECT_EQ(FormatNumber(2.675, "0.00"), "2,68");  // 2.67499999999999982... is 2.675 at 15 digits
  EXPECT_EQ(FormatNumber(9.9996, "##0.0##"), "10,0");
  EXPECT_EQ(FormatNumber(99.95, "#0.0"), "100,0");
  EXPECT_EQ(FormatNumber(0.0004, "0.00#"), "0,00");
  EXPECT_EQ(FormatNumber(0.0005, "0.00#"), "0,001");
  EXPECT_EQ(FormatNumber(0.6, "###0"), "1");
  EXPECT_EQ(FormatNumber(0.4, "###0"), "0");
}

TEST_F(NumberText, MasksShowZeroAndNegatives) {
  EXPECT_EQ(FormatNumber(0, "###0"), "0");
  EXPECT_EQ(FormatNumber(0, "##0.0##"), "0,0");
  EXPECT_EQ(FormatNumber(0, "0.00#"), "0,00");
  EXPECT_EQ(FormatNumber(-1.5, "#0.0"), "-1,5");
  EXPECT_EQ(FormatNumber(-0.04, "#0.0"), "-0,0");  // a negative value keeps its sign
  EXPECT_EQ(FormatNumber(-25.5, "+ ##0.0;- ##0.0"), "- 25,5");
  EXPECT_EQ(FormatNumber(49.44, "+ ##0.0;- ##0.0"), "+ 49,4");
  EXPECT_EQ(FormatNumber(0, "+ ##0.0;- ##0.0"), "+ 0,0");
}

TEST_F(NumberText, MasksFollowTheDecimalSeparatorSetting) {
  SetDecimalSeparator('.');
  EXPECT_EQ(FormatNumber(1.8f, "##0.0##"), "1.8");
  EXPECT_EQ(FormatGeneral(50.2f), "50.2");
  EXPECT_EQ(FormatGeneral(12345678.0f), "1.234568E+07");
  // Whatever the separator, the shown text reads back as the shown value.
  EXPECT_EQ(ParseNumber(FormatNumber(0.946f, "0.00##")), 0.946f);
  SetDecimalSeparator(',');
  EXPECT_EQ(ParseNumber(FormatNumber(0.946f, "0.00##")), 0.946f);
}

TEST_F(NumberText, GeneralFormatShowsAtMostSevenDigitsOfASingle) {
  EXPECT_EQ(FormatGeneral(50.2f), "50,2");
  EXPECT_EQ(FormatGeneral(9.0f), "9");
  EXPECT_EQ(FormatGeneral(1.00059f), "1,00059");
  EXPECT_EQ(FormatGeneral(0.1f), "0,1");
  EXPECT_EQ(FormatGeneral(-2.5f), "-2,5");
  EXPECT_EQ(FormatGeneral(0.0f), "0");
  EXPECT_EQ(FormatGeneral(1234567.0f), "1234567");
  EXPECT_EQ(FormatGeneral(12345678.0f), "1,234568E+07");
  EXPECT_EQ(FormatGeneral(10000000.0f), "1E+07");
  EXPECT_EQ(FormatGeneral(0.0001f), "0,0001");
  EXPECT_EQ(FormatGeneral(0.00001f), "1E-05");
  EXPECT_EQ(FormatGeneral(1.0f / 3.0f), "0,3333333");
  EXPECT_EQ(FormatGeneralDouble(1.0 / 3.0), "0,333333333333333");
  EXPECT_EQ(FormatGeneralDouble(0.016172), "0,016172");
}

}  // namespace
}  // namespace zb
