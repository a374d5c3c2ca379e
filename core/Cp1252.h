#pragma once
// The single-byte Windows-1252 code page of the program's text files.

#include <string>
#include <string_view>

namespace zb {

// UTF-8 text as Windows-1252 bytes; characters the code page lacks become '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// Windows-1252 bytes as UTF-8 text. The five unassigned bytes map to the C1
// control characters of the same number.
std::string Cp1252ToUtf8(std::string_view bytes);

}  // namespace zb
