#include "ui/rtf/CodePage.h"

#include <iconv.h>

#include <array>
#include <optional>
#include <utility>

#include "core/numbers/Cp1252.h"

namespace zb::ui::rtf {

namespace {

using UpperHalf = std::array<char16_t, 128>;

struct SupportedPage {
  int codePage;
  const char* iconvName;  // the C library's name of the code page
};

// Windows-1252 has its own table in core/ and is not among these.
constexpr std::array<SupportedPage, 8> kPages = {{
    {437, "CP437"},
    {850, "CP850"},
    {1250, "CP1250"},
    {1251, "CP1251"},
    {1253, "CP1253"},
    {1254, "CP1254"},
    {1257, "CP1257"},
    {10000, "MACINTOSH"},
}};

// The C library's Mac Roman keeps Apple's mapping from before 1998 at two
// bytes; Windows' code page 10000, which RTF files name, has the current one.
constexpr std::pair<unsigned char, char16_t> kMacRomanToday[] = {{0xC6, 0x2206}, {0xF0, 0xF8FF}};

// The character of one byte, or nothing when the code page leaves it undefined.
std::optional<char16_t> Convert(iconv_t conversion, unsigned char byte) {
  char in = static_cast<char>(byte);
  std::array<char, 4> out{};
  char* inPtr = &in;
  char* outPtr = out.data();
  std::size_t inLeft = 1;
  std::size_t outLeft = out.size();
  iconv(conversion, nullptr, nullptr, nullptr, nullptr);  // a fresh start
  if (iconv(conversion, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
    return std::nullopt;
  // Beyond the Basic Multilingual Plane: none of these pages goes there.
  if (out.size() - outLeft != 2) return std::nullopt;
  return static_cast<char16_t>(static_cast<unsigned char>(out[0]) | static_cast<unsigned char>(out[1]) << 8);
}

// Bytes 0x80 to 0xFF of a code page, or nothing when the C library cannot
// convert it. A byte the code page leaves undefined maps to the C1 control
// (or Latin-1 character) of the same value, as Windows does, so that no byte
// is lost.
std::optional<UpperHalf> UpperHalfOf(const SupportedPage& page) {
  const iconv_t conversion = iconv_open("UTF-16LE", page.iconvName);
  // iconv_open's failure value is (iconv_t)-1, a pointer made from an integer.
  if (conversion == reinterpret_cast<iconv_t>(-1)) return std::nullopt;  // NOLINT(performance-no-int-to-ptr)
  UpperHalf half{};
  for (std::size_t i = 0; i < half.size(); ++i) {
    const auto byte = static_cast<unsigned char>(0x80 + i);
    half[i] = Convert(conversion, byte).value_or(static_cast<char16_t>(byte));
  }
  iconv_close(conversion);
  if (page.codePage == 10000)
    for (const auto& [byte, character] : kMacRomanToday) half[byte - 0x80u] = character;
  return half;
}

// Every page converted once, on first use.
const std::optional<UpperHalf>* TableFor(int codePage) {
  static const std::array<std::optional<UpperHalf>, kPages.size()> tables = [] {
    std::array<std::optional<UpperHalf>, kPages.size()> t;
    for (std::size_t i = 0; i < kPages.size(); ++i) t[i] = UpperHalfOf(kPages[i]);
    return t;
  }();
  for (std::size_t i = 0; i < kPages.size(); ++i)
    if (kPages[i].codePage == codePage) return tables[i] ? &tables[i] : nullptr;
  return nullptr;
}

}  // namespace

bool IsKnownCodePage(int codePage) { return codePage == 1252 || TableFor(codePage) != nullptr; }

char16_t DecodeByte(int codePage, unsigned char byte) {
  if (byte < 0x80) return byte;
  if (const std::optional<UpperHalf>* table = TableFor(codePage)) return (**table)[byte - 0x80u];
  return static_cast<char16_t>(Cp1252ToCodePoint(byte));  // also the unknown pages
}

int CodePageForCharset(int charset, int documentCodePage) {
  switch (charset) {
    case 0:
      return 1252;  // ANSI_CHARSET
    case 77:
      return 10000;  // MAC_CHARSET
    case 161:
      return 1253;  // GREEK_CHARSET
    case 162:
      return 1254;  // TURKISH_CHARSET
    case 186:
      return 1257;  // BALTIC_CHARSET
    case 204:
      return 1251;  // RUSSIAN_CHARSET
    case 238:
      return 1250;  // EASTEUROPE_CHARSET
    case 255:
      return 437;  // OEM_CHARSET
    default:
      return documentCodePage;
  }
}

}  // namespace zb::ui::rtf
