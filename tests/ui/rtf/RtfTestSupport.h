#pragma once
// Helpers shared by the RTF tests: loading text and files, and reading the
// formatting at a word.

#include <gtest/gtest.h>

#include <QFile>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "tests/support/TextFormatAt.h"
#include "ui/rtf/RtfDocument.h"

namespace zb::ui::rtf::test {

inline QByteArray DataFile(const char* name) {
  QFile file(QStringLiteral(ZB_RTF_TEST_DATA "/") + QLatin1String(name));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return file.readAll();
}

// Loads RTF and expects the reader to accept it.
inline void Load(QTextDocument& document, const QByteArray& rtf) {
  QString error;
  ASSERT_TRUE(ReadRtf(rtf, document, &error)) << error.toStdString();
}

using zb::test::FormatAt;

inline QString FamilyAt(const QTextDocument& document, const QString& text) {
  return FormatAt(document, text).fontFamilies().toStringList().value(0);
}

inline Qt::Alignment AlignmentOf(const QTextDocument& document, int block) {
  return document.findBlockByNumber(block).blockFormat().alignment() & Qt::AlignHorizontal_Mask;
}

inline QStringList Paragraphs(const QTextDocument& document) {
  QStringList result;
  for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) result << b.text();
  return result;
}

}  // namespace zb::ui::rtf::test
