// zelvar-beam-cli messung: an analyser's sweep (Touchstone file) evaluated:
// resonance, smallest SWR, the SWR <= 2 and <= 1,5 bands, R and X. With
// --geraet the sweep comes from the analyser itself (cli/MessungDevice.cpp).

#include <cmath>
#include <ostream>

#include "cli/CommandLine.h"
#include "cli/JsonText.h"
#include "cli/MessungDevice.h"
#include "cli/SubcommandOptions.h"
#include "cli/Subcommands.h"
#include "core/measurement/SweepEvaluation.h"
#include "core/measurement/SweepTexts.h"
#include "core/numbers/NumberText.h"
#include "core/shared/Translate.h"

namespace zb {

namespace {

std::string Rows(const SweepEvaluation& e) {
  std::string rows;
  for (const SweepRow& row : SweepEvaluationRows(e)) rows += ShownRow(row.caption, row.value);
  return rows;
}

// A JSON number; what JSON cannot write (an infinite SWR, an undetermined reactance) is null.
std::string Number(double value) { return std::isfinite(value) ? ShortestText(value) : "null"; }

std::string BandJson(const std::optional<SwrBand>& band) {
  if (!band) return "null";
  return "{\"lowMHz\":" + Number(band->lowMHz) + ",\"highMHz\":" + Number(band->highMHz) +
         ",\"lowOpen\":" + (band->lowOpen ? "true" : "false") +
         ",\"highOpen\":" + (band->highOpen ? "true" : "false") + "}";
}

std::string EvaluationJson(const SweepEvaluation& e) {
  return "{\"points\":" + std::to_string(e.points) + ",\"fStartMHz\":" + Number(e.fStartMHz) +
         ",\"fStopMHz\":" + Number(e.fStopMHz) + ",\"z0\":" + Number(e.z0) +
         ",\"resonanceMHz\":" + Number(e.resonanceMHz) +
         ",\"resonanceKind\":" + JsonString(ResonanceKindName(e.resonanceKind)) +
         ",\"resistance\":" + Number(e.resistance) + ",\"reactance\":" + Number(e.reactance) +
         ",\"swrMin\":" + Number(e.swrMin) + ",\"swrMinMHz\":" + Number(e.swrMinMHz) +
         ",\"swr2\":" + BandJson(e.swr2) + ",\"swr15\":" + BandJson(e.swr15) + "}\n";
}

int Evaluate(const GivenOptions& given, std::ostream& out, std::ostream& err) {
  const bool file = given.contains("DATEI"), device = given.contains("--geraet");
  if (file && device)
    throw UsageError{
        Fill(Tr("CommandLine", "%1 und --geraet schließen einander aus."), {ShownArgument("DATEI")})};
  if (device) return MeasureWithAnalyser(given, out, err);
  if (!file) throw UsageError{MissingArgument(ShownArgument("DATEI"))};
  for (const char* option : {"--von", "--bis", "--punkte", "--speichern"})
    if (given.contains(option))
      throw UsageError{Fill(Tr("CommandLine", "%1 gilt nur mit --geraet."), {option})};
  const std::optional<Measurement> measurement = ReadMeasurementFor(given.at("DATEI"), err);
  if (!measurement) return kExitUnreadableFile;
  PrintEvaluation(given, measurement->evaluation, out);
  return kExitCompleted;
}

}  // namespace

void PrintEvaluation(const GivenOptions& given, const SweepEvaluation& evaluation, std::ostream& out) {
  if (given.contains("--json"))
    out << EvaluationJson(evaluation);
  else
    out << Rows(evaluation);
}

std::optional<Measurement> ReadMeasurementFor(const std::string& path, std::ostream& err) {
  MeasurementRead read = ReadMeasurement(path);
  if (!read.measurement)
    err << path << ": " << read.error.message << "\n";
  else if (read.measurement->optionsAssumed)
    err << path << ": " << AssumedOptionsNote() << "\n";
  return std::move(read.measurement);
}

const UsageSection& MessungUsage() {
  static const UsageSection section{
      "messung",
      {TrMark("CommandLine",
              "Wertet den Frequenzdurchlauf eines Antennen- oder Netzwerkanalysators aus, gespeichert als "
              "Touchstone-Datei "
              "(.s1p, .s2p; Version 1 oder 2.0; S-, Z- oder Y-Parameter, bei Zweitoren gilt S11): die "
              "Resonanz (wo "
              "der "
              "Blindwiderstand von kapazitiv zu induktiv wechselt, sonst beim kleinsten SWR), das kleinste "
              "SWR, die "
              "Bereiche mit SWR bis 2 und bis 1,5 sowie Wirk- und Blindwiderstand bei der Resonanz."),
       TrMark(
           "CommandLine",
           "Ist der Blindwiderstand im ganzen Durchlauf induktiv, liegt die Resonanz darunter (\"Resonanz "
           "unterhalb "
           "des Messbereichs \u2013 bitte tiefer messen\", JSON resonanceKind belowSweep), ist er durchweg "
           "kapazitiv, "
           "darüber (\"Resonanz oberhalb des Messbereichs \u2013 bitte höher messen\", aboveSweep). Einer "
           "Datei "
           "ohne "
           "Optionszeile gelten GHz, S, MA, R 50; die Fehlerausgabe sagt das."),
       TrMark("CommandLine",
              "Die Resonanz lässt sich mit zelvar-beam-cli pruning --messung DATEI gleich an das Pruning "
              "weitergeben.")},
      {
          {"", "DATEI", TrMark("CommandLine", "die Touchstone-Datei (höchstens 50 MB)")},
          {"--json", "",
           TrMark("CommandLine",
                  "alle Werte als JSON ausgeben (Zahlen in kürzester Schreibweise, ein unendliches SWR als "
                  "null)")},
          {"--geraet", "PORT",
           TrMark("CommandLine",
                  "statt DATEI den Durchlauf selbst messen, mit dem Antennenanalysator an diesem Anschluss "
                  "(z. B. "
                  "/dev/ttyACM0) oder mit auto dem ersten angeschlossenen (USB-Kennung 0483:5740)")},
          {"--von", "MHZ",
           TrMark("CommandLine", "mit --geraet: Anfang des Durchlaufs in MHz (Komma oder Punkt)")},
          {"--bis", "MHZ", TrMark("CommandLine", "mit --geraet: Ende des Durchlaufs in MHz, über --von")},
          {"--punkte", "N",
           TrMark("CommandLine", "mit --geraet: Zahl der Messpunkte, 2 bis 10001 (Vorgabe 201)")},
          {"--speichern", "DATEI.s1p",
           TrMark("CommandLine", "mit --geraet: den Durchlauf auch als Touchstone-Datei speichern")},
          {"--help", "", TrMark("CommandLine", "diese Hilfe")},
      },
      {TrMark("CommandLine",
              "Das Dezimaltrennzeichen der Ausgabe folgt der Spracheinstellung (LC_ALL, LC_NUMERIC, LANG)."),
       TrMark("CommandLine",
              "Rückgabewerte: 0 ausgewertet, 2 falscher Aufruf, 4 Datei nicht lesbar (der Grund, bei "
              "fehlerhaftem "
              "Inhalt "
              "mit der Zeilennummer, steht auf der Fehlerausgabe)."),
       TrMark(
           "CommandLine",
           "Mit --geraet misst zelvar-beam-cli über die Textbefehle des Analysators in Stücken von höchstens "
           "101 "
           "Punkten und gibt dasselbe aus wie für eine Datei mit diesem Durchlauf; fehlt das Gerät, ist es "
           "belegt, "
           "antwortet es nicht oder bricht die Messung ab, ist der Rückgabewert 4 (der Grund mit dem "
           "Anschluss "
           "auf der "
           "Fehlerausgabe), und es wird keine Datei geschrieben.")},
  };
  return section;
}

int RunMessungCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  return RunSubcommand(MessungUsage(), arguments, out, err,
                       [&](const GivenOptions& given) { return Evaluate(given, out, err); });
}

}  // namespace zb
