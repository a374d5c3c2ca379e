#pragma once
// The frame's menu shortcuts come first, as on any window with menus:
// "&Beenden" is Ctrl+X and "1. &Verkürzungsfaktor" Ctrl+V also while a text
// box has the focus. A Ctrl key that is no shortcut then reaches the box.

#include <initializer_list>

class QWidget;

namespace zb::ui {

void LetMenuShortcutsComeFirst(std::initializer_list<QWidget*> boxes);

}  // namespace zb::ui
