#pragma once
// The titles and hints that more than one message box shows, so that every
// box of a kind reads the same.

#include <string>

#include "core/shared/Translate.h"

namespace zb {

// A run-time error that a calculation or an event handler met.
inline std::string ErrorTitle() { return Tr("Messages", " Fehler "); }
// A run-time error while printing.
inline std::string PrintErrorTitle() { return Tr("Messages", " Druck-Fehler "); }
// Before a run-time error's number: "Laufzeitfehler 6: Überlauf".
inline std::string RuntimeErrorHeading() { return Tr("Messages", "Laufzeitfehler "); }
// Added below an overflow's description.
inline std::string SmallerValuesHint() { return Tr("Messages", "Bitte kleinere Werte verwenden."); }

}  // namespace zb
