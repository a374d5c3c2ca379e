#pragma once
// Widths of texts in the standard faces, so that a drawing can place centred
// and right-aligned texts itself instead of leaving that to the program that
// plays the metafile.

#include <optional>
#include <string>

namespace zb::tools {

// The advance width of a Windows-1252 text in em (font heights), or nothing
// when the face is not one of Arial/Helvetica, Times New Roman/Times,
// Courier New/Courier, or the text holds a byte without a character.
std::optional<double> TextWidthEm(const std::string& faceName, bool bold, bool italic,
                                  const std::string& cp1252);

}  // namespace zb::tools
