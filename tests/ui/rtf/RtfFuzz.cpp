// libFuzzer target: the RTF reader on arbitrary bytes, and the writer on
// whatever the reader made of them.

#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "ui/rtf/RtfDocument.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // Fonts and text layout need a GUI application; the offscreen platform
  // needs no display.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Let every input through the reader, not only the few that start right.
  QByteArray bytes("{\\rtf1 ");
  bytes.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  if (size >= 5 && zb::ui::rtf::LooksLikeRtf(bytes.mid(7))) bytes.remove(0, 7);

  QTextDocument document;
  if (!zb::ui::rtf::ReadRtf(bytes, document)) std::abort();  // an RTF start is always read
  const QByteArray written = zb::ui::rtf::WriteRtf(document);

  // What the writer made must read back to the same text.
  QTextDocument again;
  if (!zb::ui::rtf::ReadRtf(written, again) || again.toPlainText() != document.toPlainText()) {
    std::abort();
  }
  return 0;
}
