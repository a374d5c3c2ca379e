#pragma once
// How the program reads typed numbers and shows numbers:
//  - ParseNumber accepts a decimal comma as well as a decimal point,
//  - FilterNumericKey lets only the allowed characters through a key press,
//  - FormatNumber shows a value through a display mask such as "###0.0##",
//    with the locale's decimal separator.
// Texts are UTF-8.

#include <cstdint>
#include <string>
#include <string_view>

namespace zb {

class Platform;

// The decimal separator that masks and the general format print. The program
// fills it from the user's locale at start; it is ',' until then.
char DecimalSeparator();
void SetDecimalSeparator(char separator);

// The leading number of a text (blanks anywhere are skipped, the first comma
// counts as a decimal point), as the nearest 4-byte float; 0 when the text
// holds no number. A number beyond the 4-byte range raises error 6.
float ParseNumber(std::string_view text);

// The allowed characters of the beam form's numeric boxes.
inline constexpr std::string_view kNumericKeys = "1234567890,.";

// Returns keyCode when its character is allowed (backspace always is);
// otherwise beeps, lets pending window events run once and returns 0.
std::int16_t FilterNumericKey(std::int16_t keyCode, std::string_view allowed, Platform& platform);

// The value through a mask built from '#', '0' and one '.', optionally with a
// literal prefix and a second section for negative values ("+ ##0.0;- ##0.0").
// The value is first rounded to 15 significant digits, then to the mask's
// decimals with ties away from zero.
std::string FormatNumber(double value, std::string_view mask);

// General format: the shortest text of the value, at most 7 significant
// digits for a 4-byte value (15 for an 8-byte value), exponent form
// ("1,234568E+07") below 1E-4 and from the digit count upwards.
std::string FormatGeneral(float value);
std::string FormatGeneralDouble(double value);

}  // namespace zb
