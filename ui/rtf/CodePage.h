#pragma once
// Single-byte code pages for the \'hh escapes and raw 8-bit text of RTF files.
// The C library's iconv converts them, so that reading does not depend on the
// code page support of the Qt build.

namespace zb::ui::rtf {

// True when DecodeByte knows the code page.
bool IsKnownCodePage(int codePage);

// The character a byte stands for. Bytes below 0x80 are ASCII in every
// supported code page; an unknown code page is read as Windows-1252.
char16_t DecodeByte(int codePage, unsigned char byte);

// The code page behind a font's \fcharset number. Charsets without a table
// here (and DEFAULT_CHARSET) fall back to the document's code page.
int CodePageForCharset(int charset, int documentCodePage);

}  // namespace zb::ui::rtf
