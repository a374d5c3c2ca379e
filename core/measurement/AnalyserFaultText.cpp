// What the user reads when a measurement at the analyser fails: always the
// port, and what to do about it where there is something to do.

#include <string>

#include "core/measurement/AnalyserAnswer.h"
#include "core/measurement/AnalyserSession.h"
#include "core/shared/Translate.h"

namespace zb {

namespace {

std::string Quoted(std::string_view line) {
  return Fill(Tr("Analyser", "„%1“"), {analyser::Printable(line)});
}

}  // namespace

std::string AnalyserFaultText(AnalyserFault fault, std::string_view portName, std::string_view detail) {
  const std::string port = analyser::Printable(portName);
  const auto text = [&](const char* pattern, const std::string& second = {}) {
    return Fill(Tr("Analyser", pattern), {port, second});
  };
  switch (fault) {
    case AnalyserFault::None:
    case AnalyserFault::Cancelled:
      return {};
    case AnalyserFault::PortMissing:
      return text(TrMark("Analyser",
                         "Den Anschluss %1 gibt es nicht. Ist der Analysator angesteckt und eingeschaltet?"));
    case AnalyserFault::PortPermission:
      return text(TrMark(
          "Analyser",
          "Keine Berechtigung für den Anschluss %1. Bitte der Gruppe dialout beitreten (sudo adduser $USER "
          "dialout) und sich danach neu anmelden."));
    case AnalyserFault::PortBusy:
      return text(
          TrMark("Analyser",
                 "Der Anschluss %1 ist belegt: ein anderes Programm verwendet ihn. Bitte das andere Programm "
                 "beenden "
                 "und noch einmal messen."));
    case AnalyserFault::PortOther:
      return text(TrMark("Analyser", "Der Anschluss %1 lässt sich nicht öffnen: %2."),
                  analyser::Printable(detail));
    case AnalyserFault::BinaryProtocol:
      return text(TrMark(
          "Analyser",
          "Der Analysator an %1 spricht das Binärprotokoll einer anderen Gerätefamilie, deren Messwerte über "
          "USB nicht kalibriert sind. Bitte die Messung auf dem Gerät als Touchstone-Datei speichern und mit "
          "„Messung auswerten“ öffnen."));
    case AnalyserFault::NoPrompt:
      return text(TrMark(
          "Analyser",
          "Der Analysator an %1 meldet sich nicht: keine Eingabeaufforderung „ch>“ innerhalb von 3 s. Ist es "
          "eingeschaltet, und ist es ein Analysator mit Textbefehlen?"));
    case AnalyserFault::Silence:
      return text(TrMark("Analyser", "Der Analysator an %1 schweigt seit 3 s. Die Messung ist abgebrochen."));
    case AnalyserFault::TooSlow:
      return text(
          TrMark("Analyser",
                 "Der Analysator an %1 hat nicht innerhalb von 10 s zu Ende geantwortet. Die Messung ist "
                 "abgebrochen."));
    case AnalyserFault::Unparsable:
      return text(TrMark("Analyser", "Der Analysator an %1 hat eine unverständliche Zeile geschickt: %2"),
                  Quoted(detail));
    case AnalyserFault::Usage:
      return text(TrMark("Analyser", "Der Analysator an %1 hat den Messbefehl nicht angenommen: %2"),
                  Quoted(detail));
    case AnalyserFault::TooFewLines:
      return text(
          TrMark("Analyser", "Der Analysator an %1 hat weniger Zeilen als Messpunkte geschickt (%2)."),
          analyser::Printable(detail));
    case AnalyserFault::Unplugged:
      return detail.empty()
                 ? text(TrMark("Analyser",
                               "Die Verbindung zum Analysator an %1 ist abgerissen (Gerät abgezogen?)."))
                 : text(TrMark("Analyser",
                               "Die Verbindung zum Analysator an %1 ist abgerissen (Gerät abgezogen?): %2."),
                        analyser::Printable(detail));
  }
  return {};
}

}  // namespace zb
