#pragma once
// The titles and hints that more than one message box shows, so that every
// box of a kind reads the same.

namespace zb {

// A run-time error that a calculation or an event handler met.
inline constexpr const char* kErrorTitle = " Fehler ";
// A run-time error while printing.
inline constexpr const char* kPrintErrorTitle = " Druck-Fehler ";
// Added below an overflow's description.
inline constexpr const char* kSmallerValuesHint = "Bitte kleinere Werte verwenden.";

}  // namespace zb
