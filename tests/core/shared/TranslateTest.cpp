// Texts through the translator hook: German as written, or whatever the
// installed translator makes of them, with the numbers filled in afterwards.

#include <gtest/gtest.h>

#include "core/measurement/SweepTexts.h"
#include "core/shared/Translate.h"

namespace zb {
namespace {

std::string Reversed(const char* /*context*/, const char* source) {
  // A translation that puts the two numbers the other way round.
  if (std::string(source) == "%1 bei %2 MHz") return "at %2 MHz: %1";
  return source;
}

TEST(Fill, PutsTheArgumentsWhereThePatternSaysInAnyOrder) {
  EXPECT_EQ(Fill("%1 von %2 bis %3 MHz", {"5", "13,900", "14,300"}), "5 von 13,900 bis 14,300 MHz");
  EXPECT_EQ(Fill("%2 vor %1", {"a", "b"}), "b vor a");
  EXPECT_EQ(Fill("100 % bei %1 und %3", {"x"}), "100 % bei x und %3");  // no third argument: kept
  EXPECT_EQ(Fill("%1", {"%2"}), "%2");                                  // an argument is not filled again
}

TEST(Translate, TheInstalledTranslatorDecidesAndGermanComesBack) {
  SweepEvaluation e;
  e.swrMin = 1.5;
  e.swrMinMHz = 14.1;
  SetTextTranslator(&Reversed);
  const std::string reversed = SweepEvaluationRows(e).at(2).value;
  SetTextTranslator(nullptr);
  EXPECT_EQ(reversed.substr(0, 3), "at ");
  EXPECT_NE(reversed.find("MHz: "), std::string::npos) << reversed;
  EXPECT_EQ(SweepEvaluationRows(e).at(2).value.find(" bei "), 4u) << SweepEvaluationRows(e).at(2).value;
}

}  // namespace
}  // namespace zb
