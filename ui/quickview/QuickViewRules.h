#pragma once
// The quick view's rules that need no window: the width that fits the
// report and the search.

#include <QString>
#include <cstdint>

namespace zb::ui {

inline constexpr std::int16_t kDefaultViewWidth = 11670;  // twips
inline constexpr int kTwipsPerReportCharacter = 126;

// The length of the text's "second line" as the width rule measures it:
// find the first line break at or after the third character, then the next
// one behind it; the characters between them. Negative when the text has
// fewer than two such line breaks (the width then stays 11670). A line break
// counts as one character, as in the text area.
int SecondLineLength(const QString& text);

// The view width in twips for a second line of n characters: n × 126 when
// that is wider than 11670, otherwise 11670. Where n × 126 would not fit the
// 16-bit width, the screen width (at least 11670, at most 32767) is taken.
std::int16_t ViewWidthForLine(int n, double screenWidthTwips);

// Searches `what` in `text` ignoring letter case, starting at the second
// character of the selection (index selectionStart + 1) and ending at the end
// of the text without wrapping around. The index of the hit, or -1.
int FindFromSecondCharacter(const QString& text, const QString& what, int selectionStart);

}  // namespace zb::ui
