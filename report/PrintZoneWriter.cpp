#include "report/PrintZoneWriter.h"

#include "core/numbers/Cp1252.h"

namespace zb {

PrintZoneWriter& PrintZoneWriter::Piece(std::string_view text) {
  for (char byte : Utf8ToCp1252(text)) {
    bytes_ += byte;
    column_ = byte == '\n' ? 0 : column_ + 1;
  }
  return *this;
}

PrintZoneWriter& PrintZoneWriter::Zone() {
  const int next = (column_ / kZoneWidth + 1) * kZoneWidth;
  bytes_.append(static_cast<std::size_t>(next - column_), ' ');
  column_ = next;
  return *this;
}

PrintZoneWriter& PrintZoneWriter::EndLine() {
  bytes_ += "\r\n";
  column_ = 0;
  return *this;
}

}  // namespace zb
