#pragma once
// The frame tells its child windows when they become the active one.

#include <functional>

class QWidget;

namespace zb::ui {

// Runs activated each time the frame's client area makes the window the
// active child window. A window not (yet) in the frame hears nothing.
void OnActivatedInFrame(QWidget* window, std::function<void()> activated);

}  // namespace zb::ui
