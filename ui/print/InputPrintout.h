#pragma once
// "Drucken" -> "&Eingaben": the beam form, and the velocity-factor and
// pruning windows where they hold a result, each on a page of its own as the
// screen shows them, without their command buttons; the beam form's note
// area gets a heading line with the date.

#include <QDate>
#include <string>

namespace zb::ui {

class InputPrintWindows;
class UiPlatform;

// "Berechnung eines Zelvar-Beam nach Kalvex © … am 07.12.2026".
std::string InputPrintHeading(const QDate& today);

void PrintInputs(UiPlatform& platform, InputPrintWindows& windows);

}  // namespace zb::ui
