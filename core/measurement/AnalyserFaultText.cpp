// What the user reads when a measurement at the analyser fails: always the
// port, and what to do about it where there is something to do.

#include <string>

#include "core/measurement/AnalyserAnswer.h"
#include "core/measurement/AnalyserSession.h"

namespace zb {

namespace {

std::string Quoted(std::string_view line) { return "\u201E" + analyser::Printable(line) + "\u201C"; }

}  // namespace

std::string AnalyserFaultText(AnalyserFault fault, std::string_view portName, std::string_view detail) {
  const std::string port = analyser::Printable(portName);
  const std::string at = "Der Analysator an " + port;
  switch (fault) {
    case AnalyserFault::None:
    case AnalyserFault::Cancelled:
      return {};
    case AnalyserFault::PortMissing:
      return "Den Anschluss " + port + " gibt es nicht. Ist der Analysator angesteckt und eingeschaltet?";
    case AnalyserFault::PortPermission:
      return "Keine Berechtigung für den Anschluss " + port +
             ". Bitte der Gruppe dialout beitreten (sudo adduser $USER dialout) und sich danach neu "
             "anmelden.";
    case AnalyserFault::PortBusy:
      return "Der Anschluss " + port +
             " ist belegt: ein anderes Programm verwendet ihn. Bitte das andere Programm "
             "beenden und noch einmal messen.";
    case AnalyserFault::PortOther:
      return "Der Anschluss " + port + " lässt sich nicht öffnen: " + analyser::Printable(detail) + ".";
    case AnalyserFault::BinaryProtocol:
      return at +
             " spricht das Binärprotokoll einer anderen Gerätefamilie, deren Messwerte über USB nicht "
             "kalibriert sind. Bitte die Messung auf dem Gerät als Touchstone-Datei speichern und mit "
             "\u201EMessung auswerten\u201C öffnen.";
    case AnalyserFault::NoPrompt:
      return at +
             " meldet sich nicht: keine Eingabeaufforderung \u201Ech>\u201C innerhalb von 3 s. Ist es "
             "eingeschaltet, und ist es ein Analysator mit Textbefehlen?";
    case AnalyserFault::Silence:
      return at + " schweigt seit 3 s. Die Messung ist abgebrochen.";
    case AnalyserFault::TooSlow:
      return at + " hat nicht innerhalb von 10 s zu Ende geantwortet. Die Messung ist abgebrochen.";
    case AnalyserFault::Unparsable:
      return at + " hat eine unverständliche Zeile geschickt: " + Quoted(detail);
    case AnalyserFault::Usage:
      return at + " hat den Messbefehl nicht angenommen: " + Quoted(detail);
    case AnalyserFault::TooFewLines:
      return at + " hat weniger Zeilen als Messpunkte geschickt (" + analyser::Printable(detail) + ").";
    case AnalyserFault::Unplugged:
      return "Die Verbindung zum Analysator an " + port + " ist abgerissen (Gerät abgezogen?)" +
             (detail.empty() ? std::string() : ": " + analyser::Printable(detail)) + ".";
  }
  return {};
}

}  // namespace zb
