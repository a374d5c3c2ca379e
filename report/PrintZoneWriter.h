#pragma once
// Builds the lines of a text file piece by piece: a piece may be followed by
// the next piece directly, by blanks up to the next print zone (14 columns),
// or by the line end. Text goes out as Windows-1252 with CR LF.

#include <string>
#include <string_view>

namespace zb {

class PrintZoneWriter {
 public:
  static constexpr int kZoneWidth = 14;

  // Appends a piece (UTF-8); the next piece follows directly.
  PrintZoneWriter& Piece(std::string_view text);
  // Pads with blanks to the next zone start strictly right of the column.
  PrintZoneWriter& Zone();
  // Ends the line with CR LF.
  PrintZoneWriter& EndLine();
  // A whole line: the pieces, then CR LF.
  PrintZoneWriter& Line(std::string_view text) { return Piece(text).EndLine(); }

  // The Windows-1252 bytes written so far.
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
  int column_ = 0;
};

}  // namespace zb
