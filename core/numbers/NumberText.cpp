#include "core/numbers/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/numbers/CLocale.h"
#include "core/numbers/CheckedMath.h"
#include "core/numbers/RuntimeError.h"
#include "core/shared/Platform.h"

namespace zb {

namespace {

char g_decimalSeparator = ',';

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the decimal text with the C library's number rules, never with the
// process locale's separator.
double ReadCText(const std::string& text) { return strtod_l(text.c_str(), nullptr, CLocale()); }

// The leading number of text in the plain form "-12.5e-3", or "" when there is none.
std::string LeadingNumber(const std::string& text) {
  std::size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && IsBlank(text[i])) ++i;
  };
  auto readDigits = [&](std::string& out) {
    for (skipBlanks(); i < text.size() && IsDigit(text[i]); skipBlanks()) out += text[i++];
  };

  std::string number;
  skipBlanks();
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') number += '-';
    ++i;
  }
  std::string mantissa;
  readDigits(mantissa);
  std::string fraction;
  skipBlanks();
  if (i < text.size() && text[i] == '.') {
    ++i;
    readDigits(fraction);
  }
  if (mantissa.empty() && fraction.empty()) return "";
  number += (mantissa.empty() ? "0" : mantissa) + "." + fraction + "0";

  skipBlanks();
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    ++i;
    skipBlanks();
    std::string sign;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) sign = text[i++];
    std::string exponent;
    readDigits(exponent);
    if (!exponent.empty()) number += "e" + sign + exponent;
  }
  return number;
}

// A value written as significant digits d0 d1 d2 ... and the decimal exponent
// of d0: value = d0.d1d2... * 10^exponent. Empty digits mean zero.
struct Decimal {
  std::string digits;
  int exponent = 0;
};

// The value rounded to 15 significant digits, as the program's number
// conversions see an 8-byte value.
Decimal ToDecimal15(double magnitude) {
  Decimal d;
  if (magnitude == 0.0) return d;
  char buffer[64];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
  const std::string text(buffer, written.ptr);
  const std::size_t e = text.find('e');
  d.digits = text.substr(0, 1) + text.substr(2, e - 2);
  d.exponent = std::atoi(text.c_str() + e + 1);
  return d;
}

// Keeps `keep` significant digits, ties away from zero.
void RoundToDigits(Decimal& d, int keep) {
  if (static_cast<int>(d.digits.size()) <= keep) return;
  if (keep < 0) {
    d.digits.clear();
    d.exponent = 0;
    return;
  }
  const bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (up) {
    int i = keep - 1;
    while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
    if (i >= 0) {
      ++d.digits[i];
    } else {  // 9.99 became 10.0: one more digit in front
      d.digits.insert(d.digits.begin(), '1');
      ++d.exponent;
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.exponent = 0;
}

char DigitAt(const Decimal& d, int power) {
  const int index = d.exponent - power;
  if (d.digits.empty() || index < 0 || index >= static_cast<int>(d.digits.size())) return '0';
  return d.digits[index];
}

struct MaskSection {
  std::string prefix;
  std::string suffix;
  int minIntegerDigits = 0;
  int minDecimals = 0;
  int maxDecimals = 0;
  bool hasPoint = false;
};

MaskSection ParseSection(std::string_view mask) {
  MaskSection s;
  const std::size_t first = mask.find_first_of("#0.");
  const std::size_t last = mask.find_last_of("#0.");
  if (first == std::string_view::npos) {
    s.prefix = std::string(mask);
    return s;
  }
  s.prefix = std::string(mask.substr(0, first));
  s.suffix = std::string(mask.substr(last + 1));
  bool afterPoint = false;
  for (char c : mask.substr(first, last - first + 1)) {
    if (c == '.') {
      afterPoint = s.hasPoint = true;
    } else if (afterPoint && (c == '#' || c == '0')) {
      ++s.maxDecimals;
      if (c == '0') ++s.minDecimals;
    } else if (c == '0') {
      ++s.minIntegerDigits;
    }
  }
  return s;
}

std::string FormatSection(double magnitude, const MaskSection& mask) {
  Decimal d = ToDecimal15(magnitude);
  if (!d.digits.empty()) RoundToDigits(d, d.exponent + 1 + mask.maxDecimals);

  std::string integer;
  for (int power = std::max(d.exponent, 0); power >= 0 && !d.digits.empty(); --power)
    integer += DigitAt(d, power);
  while (integer.size() > 1 && integer.front() == '0') integer.erase(integer.begin());
  if (integer == "0") integer.clear();
  while (static_cast<int>(integer.size()) < mask.minIntegerDigits) integer.insert(integer.begin(), '0');

  std::string fraction;
  for (int i = 1; i <= mask.maxDecimals; ++i) fraction += DigitAt(d, -i);
  while (static_cast<int>(fraction.size()) > mask.minDecimals && fraction.back() == '0') fraction.pop_back();

  std::string text = mask.prefix + integer;
  if (mask.hasPoint) text += g_decimalSeparator;
  return text + fraction + mask.suffix;
}

std::string FormatGeneralDigits(double value, int significantDigits) {
  Checked(value);
  Decimal d = ToDecimal15(std::fabs(value));
  RoundToDigits(d, significantDigits);
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) return "0";

  std::string text = value < 0 ? "-" : "";
  const int digitCount = static_cast<int>(d.digits.size());
  if (d.exponent < -4 || d.exponent >= significantDigits) {
    text += d.digits.substr(0, 1);
    if (digitCount > 1) text += g_decimalSeparator + d.digits.substr(1);
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "E%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
    return text + exponent;
  }
  if (d.exponent < 0) return text + "0" + g_decimalSeparator + std::string(-d.exponent - 1, '0') + d.digits;
  for (int power = d.exponent; power >= 0; --power) text += DigitAt(d, power);
  if (digitCount > d.exponent + 1) text += g_decimalSeparator + d.digits.substr(d.exponent + 1);
  return text;
}

}  // namespace

char DecimalSeparator() { return g_decimalSeparator; }
void SetDecimalSeparator(char separator) { g_decimalSeparator = separator; }

float ParseNumber(std::string_view text) {
  std::string copy(text);
  if (const std::size_t comma = copy.find(','); comma != std::string::npos) copy[comma] = '.';
  const std::string number = LeadingNumber(copy);
  if (number.empty()) return 0.0f;
  const float value = ToSingle(Checked(ReadCText(number)));
  return value == 0.0f ? 0.0f : value;
}

std::int16_t FilterNumericKey(std::int16_t keyCode, std::string_view allowed, Platform& platform) {
  std::string extended(allowed);
  extended += '\b';
  const char character = static_cast<char>(static_cast<unsigned char>(keyCode & 0xFF));
  const bool inByteRange = keyCode >= 0 && keyCode <= 255;
  if (inByteRange && extended.find(character) != std::string::npos) return keyCode;
  platform.Beep();
  platform.DoEvents();
  return 0;
}

std::string FormatNumber(double value, std::string_view mask) {
  Checked(value);
  const std::size_t semicolon = mask.find(';');
  if (value < 0 && semicolon != std::string_view::npos)
    return FormatSection(-value, ParseSection(mask.substr(semicolon + 1)));
  const MaskSection section = ParseSection(mask.substr(0, semicolon));
  const std::string text = FormatSection(std::fabs(value), section);
  return value < 0 ? "-" + text : text;
}

std::string FormatGeneral(float value) { return FormatGeneralDigits(value, 7); }
std::string FormatGeneralDouble(double value) { return FormatGeneralDigits(value, 15); }

}  // namespace zb
