#pragma once
// "Let pending window events run" (VB's DoEvents) on Qt.

namespace zb::ui {

// Runs the window events waiting in the queue. While a mouse button is held
// down, only the waiting repaints run: a handler that lets events run while
// the press of a click is still being delivered (a GotFocus or LostFocus
// caused by that press) must not consume the click's release before its
// press has arrived, or a scroll bar arrow stays pressed and auto-repeats and
// a button stays drawn pressed without clicking. The
// events held back run as soon as the press has been delivered. One click
// is one step, always.
void LetPendingEventsRun();

}  // namespace zb::ui
