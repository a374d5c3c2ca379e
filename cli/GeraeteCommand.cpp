// zelvar-beam-cli geraete: the analysers on the USB buses, each with what it
// says of itself.

#include <ostream>

#include "cli/AnalyserPort.h"
#include "cli/AnalyserSearch.h"
#include "cli/CommandLine.h"
#include "cli/JsonText.h"
#include "cli/SubcommandOptions.h"
#include "cli/Subcommands.h"
#include "core/shared/Translate.h"

namespace zb {

namespace {

struct Listed {
  FoundAnalyser found;
  AnalyserIdentity identity;
  std::string fault;  // "" where the device told who it is
};

// Asks a shell-family device for its version and board; the other family is not asked.
Listed Asked(const FoundAnalyser& found) {
  Listed listed{found, {}, {}};
  if (found.family != AnalyserFamily::Shell) {
    listed.fault = Tr("CommandLine", "anderes Protokoll, nicht unterstützt");
    return listed;
  }
  AnalyserSession session(found.port, AnalyserPlan{});
  MeasureThroughPort(session);
  if (session.GetState() == AnalyserSession::State::Done)
    listed.identity = session.Identity();
  else
    listed.fault = Fill(Tr("CommandLine", "keine Auskunft: %1"), {session.FaultText()});
  return listed;
}

// "NanoVNA-H 4 (1.2.27)": the board, the firmware in brackets.
std::string IdentityText(const AnalyserIdentity& identity) {
  const std::string board = identity.board.empty() ? Tr("CommandLine", "unbekannte Platine") : identity.board;
  return board + " (" +
         (identity.firmware.empty() ? Tr("CommandLine", "Firmware ohne Versionsnummer") : identity.firmware) +
         ")";
}

std::string Line(const Listed& listed) {
  return listed.found.port + " " + UsbIdText(listed.found.vendor, listed.found.product) + " " +
         (listed.fault.empty() ? IdentityText(listed.identity) : "(" + listed.fault + ")") + "\n";
}

std::string Json(const Listed& listed) {
  const bool shell = listed.found.family == AnalyserFamily::Shell;
  return "{" + JsonTextMember("port", listed.found.port) +
         JsonTextMember("usbId", UsbIdText(listed.found.vendor, listed.found.product)) +
         JsonTextMember("family", shell ? "shell" : "binary") +
         JsonTextMember("board", listed.identity.board) +
         JsonTextMember("firmware", listed.identity.firmware) +
         "\"fault\":" + (listed.fault.empty() ? "null" : JsonString(listed.fault)) + "}";
}

int List(const GivenOptions& given, std::ostream& out, std::ostream& err) {
  const std::vector<FoundAnalyser> found = FindAnalysers();
  if (found.empty()) err << Tr("CommandLine", "Kein Antennenanalysator angeschlossen.") << "\n";
  const bool json = given.contains("--json");
  std::string items;
  for (const FoundAnalyser& analyser : found) {
    const Listed listed = Asked(analyser);
    if (json)
      items += (items.empty() ? "" : ",") + Json(listed);
    else
      out << Line(listed);
  }
  if (json) out << "[" << items << "]\n";
  return kExitCompleted;
}

}  // namespace

const UsageSection& GeraeteUsage() {
  static const UsageSection section{
      "geraete",
      {TrMark(
          "CommandLine",
          "Listet die angeschlossenen Antennenanalysatoren, an ihrer USB-Kennung erkannt (0483:5740 mit "
          "Textbefehlen, 04b4:0008 mit einem anderen, nicht unterstützten Protokoll), eines je Zeile: "
          "Anschluss, "
          "USB-Kennung, Platine und in Klammern die Firmware, wie das Gerät sie nennt. Ein Gerät, das keine "
          "Auskunft gibt, steht mit dem Grund in Klammern da.")},
      {
          {"--json", "",
           TrMark("CommandLine",
                  "die Geräte als JSON-Liste ausgeben (port, usbId, family, board, firmware, fault)")},
          {"--help", "", TrMark("CommandLine", "diese Hilfe")},
      },
      {TrMark("CommandLine",
              "Rückgabewerte: 0 gesucht (auch wenn keines angeschlossen ist; das steht dann auf der "
              "Fehlerausgabe), "
              "2 "
              "falscher Aufruf.")},
  };
  return section;
}

int RunGeraeteCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  return RunSubcommand(GeraeteUsage(), arguments, out, err,
                       [&](const GivenOptions& given) { return List(given, out, err); });
}

}  // namespace zb
