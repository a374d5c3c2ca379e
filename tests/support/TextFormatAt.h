#pragma once
// The character format of a text found in a document, for formatting tests.

#include <gtest/gtest.h>

#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace zb::test {

// The format of the first character of the first occurrence of text.
inline QTextCharFormat FormatAt(const QTextDocument& document, const QString& text) {
  const QTextCursor found = document.find(text);
  EXPECT_FALSE(found.isNull()) << "not found: " << text.toStdString();
  if (found.isNull()) return {};
  QTextCursor cursor(found.document());
  cursor.setPosition(found.selectionStart() + 1);
  return cursor.charFormat();
}

}  // namespace zb::test
