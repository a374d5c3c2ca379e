#pragma once
// A window on paper: its client area with every visible control in its
// current state, on a page of its own, at the top left, at the size it has on
// the screen, scaled down (keeping its proportions) only where it would not
// fit on the page.

class QWidget;

namespace zb::ui {

class PrintJob;

void PrintForm(QWidget& window, PrintJob& job);

}  // namespace zb::ui
