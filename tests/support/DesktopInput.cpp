#include "tests/support/DesktopInput.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace zb::test {

namespace {

struct TypedKey {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};

TypedKey KeyFor(QChar c) {
  if (c.isDigit()) return {Qt::Key(Qt::Key_0 + c.digitValue()), Qt::NoModifier};
  if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
    return {Qt::Key(Qt::Key_A + (c.unicode() - 'a')), Qt::NoModifier};
  if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
    return {Qt::Key(Qt::Key_A + (c.unicode() - 'A')), Qt::ShiftModifier};
  switch (c.unicode()) {
    case ' ':
      return {Qt::Key_Space, Qt::NoModifier};
    case '\b':
      return {Qt::Key_Backspace, Qt::NoModifier};
    case '\r':
      return {Qt::Key_Return, Qt::NoModifier};
    case '\t':
      return {Qt::Key_Tab, Qt::NoModifier};
    default:
      break;
  }
  // Punctuation and Latin-1 letters: Qt's key code is the character's code.
  return {Qt::Key(c.toUpper().unicode()), Qt::NoModifier};
}

void SendToFocus(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
  for (QTest::KeyAction action : {QTest::Press, QTest::Release}) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus) {
      // A key may close its window; its release then goes nowhere.
      if (action == QTest::Press) ADD_FAILURE() << "no widget has the focus for key " << key;
      return;
    }
    QTest::sendKeyEvent(action, focus, key, text, modifiers);
  }
  QApplication::processEvents();
}

}  // namespace

QString X11KeyText(Qt::Key key, Qt::KeyboardModifiers modifiers, QChar typed) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier)) {
    if ((modifiers & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
      return QString(QChar(key - Qt::Key_A + 1));
    return {};
  }
  switch (key) {
    case Qt::Key_Delete:
      return QStringLiteral("\x7f");
    case Qt::Key_Backspace:
      return QStringLiteral("\b");
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return QStringLiteral("\r");
    case Qt::Key_Tab:
      return QStringLiteral("\t");
    case Qt::Key_Backtab:
      return {};
    case Qt::Key_Escape:
      return QStringLiteral("\x1b");
    case Qt::Key_Space:
      return QStringLiteral(" ");
    default:
      break;
  }
  if (!typed.isNull()) return QString(typed);
  if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    const QChar letter(key);
    return QString((modifiers & Qt::ShiftModifier) ? letter : letter.toLower());
  }
  if (key >= Qt::Key_Space && key <= Qt::Key_ydiaeresis) return QString(QChar(key));
  return {};  // arrows, Home, End, Insert, function keys
}

void QuickClick(QWidget* widget, QPoint pos) {
  QWindow* window = widget->window()->windowHandle();
  ASSERT_NE(window, nullptr);
  const QPoint at = window->mapFromGlobal(widget->mapToGlobal(pos));
  // The release is queued before the press is delivered: whatever lets
  // pending events run during the press's delivery finds it waiting.
  QTimer::singleShot(0, window, [window = QPointer<QWindow>(window), at] {
    if (window) QTest::mouseRelease(window, Qt::LeftButton, {}, at);
  });
  QTest::mousePress(window, Qt::LeftButton, {}, at);
  QApplication::processEvents();
}

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  SendToFocus(key, modifiers, X11KeyText(key, modifiers));
}

void TypeKeys(const QString& text) {
  for (QChar c : text) {
    const TypedKey typed = KeyFor(c);
    SendToFocus(typed.key, typed.modifiers, X11KeyText(typed.key, typed.modifiers, c));
  }
}

void PasteText(const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  PressKey(Qt::Key_Insert, Qt::ShiftModifier);
}

}  // namespace zb::test
