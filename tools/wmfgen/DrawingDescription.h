#pragma once
// The readable description of a drawing, one command per line, turned into a
// placeable Windows metafile:
//
//   # comment                        a "#" and a blank, also after a command
//   picture W H UNITS_PER_INCH       first command: size in logical units
//   pen WIDTH solid|dash|dot|none [#RRGGBB]
//   brush none|#RRGGBB
//   font "FACE" HEIGHT [bold] [italic]
//   line X1 Y1 X2 Y2 [X3 Y3 ...]     open polyline
//   polygon X1 Y1 X2 Y2 X3 Y3 ...    closed, filled with the brush
//   rect LEFT TOP RIGHT BOTTOM
//   circle CX CY R
//   arrow X1 Y1 X2 Y2 HEAD           line with a head at the second point
//   dim X1 Y1 X2 Y2 HEAD             dimension line, heads at both ends
//   text left|center|right X Y "TEXT"   Y is the baseline; UTF-8 text
//
// Arrow heads are polygons filled with the current brush. Texts are stored in
// Windows-1252; a character outside that code page is an error.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace zb::tools {

class DescriptionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The metafile bytes for a description. sourceName names the description in
// error messages ("name:line: message").
std::vector<std::uint8_t> GenerateWmf(std::string_view description, const std::string& sourceName);

}  // namespace zb::tools
