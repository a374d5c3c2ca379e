#pragma once
// Which characters the reader puts into the document or a font name.

namespace zb::ui::rtf {

// Characters that may go into the document. Controls other than the tab have
// no place in RTF text, and QTextDocument gives the paragraph separator, the
// object replacement character and the noncharacters U+FDD0..U+FDEF (frame
// boundaries) a structural meaning that stray text must not fake.
inline bool IsStorable(char16_t c) {
  if (c == u'\t') return true;
  if (c < 0x20) return false;
  if (c == u'\u2029' || c == u'\uFFFC' || c == u'\uFFFE' || c == u'\uFFFF') return false;
  return c < 0xFDD0 || c > 0xFDEF;
}

}  // namespace zb::ui::rtf
