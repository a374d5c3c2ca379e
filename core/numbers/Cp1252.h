#pragma once
// The single-byte Windows-1252 code page of the program's text files.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zb {

// The character a Windows-1252 byte stands for. The five unassigned bytes map
// to the C1 control characters of the same number.
char32_t Cp1252ToCodePoint(unsigned char byte);

// The Windows-1252 byte of a character, or nothing when the code page lacks it.
std::optional<char> CodePointToCp1252(char32_t c);

// The code point that starts at `i` in UTF-8 text, or nothing for a malformed
// sequence; `i` moves past what was read.
std::optional<char32_t> NextUtf8CodePoint(std::string_view text, std::size_t& i);

// UTF-8 text as Windows-1252 bytes; characters the code page lacks and
// malformed UTF-8 become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// Windows-1252 bytes as UTF-8 text.
std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace zb
