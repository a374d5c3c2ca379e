#pragma once
// The two text colours of the side calculators: red (RGB 255, 0, 0) for a
// limited or implausible value, black (RGB 0, 0, 0) otherwise.

namespace zb {

enum class TextColour { Black, Red };

inline const char* TextColourName(TextColour colour) { return colour == TextColour::Red ? "red" : "black"; }

}  // namespace zb
