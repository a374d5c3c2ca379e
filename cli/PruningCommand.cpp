// zelvar-beam-cli pruning: the length changes of the "Antennen-Pruning/Optimieren" window.

#include <optional>
#include <ostream>

#include "cli/CliPlatform.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessBeamForm.h"
#include "cli/HeadlessVfForm.h"
#include "cli/JsonText.h"
#include "cli/SubcommandOptions.h"
#include "cli/Subcommands.h"
#include "core/measurement/SweepTexts.h"
#include "core/numbers/NumberText.h"
#include "core/shared/ModuleState.h"
#include "core/shared/Translate.h"
#include "core/side/PruningRun.h"
#include "core/side/VfFormRules.h"

namespace zb {

namespace {

std::string ScreenRows(HeadlessVfForm& form) {
  const VfWindowModeTexts& t = PruningModeTexts();
  // A VF gesamt above 1 is red in the window, marked here.
  const std::string red =
      form.HeightShareOrVfColour() == TextColour::Red ? Tr("CommandLine", " (rot: über 1)") : "";
  return ShownRow(VfWindowText(t.slendernessOrLength), form.SlendernessOrLength()) +
         ShownRow(VfWindowText(t.heightShareOrVf), form.HeightShareOrVf() + red) +
         ShownRow(VfWindowText(t.estimateOrRadiator), form.EstimateOrRadiator()) +
         ShownRow(VfWindowText(t.reflectorChange), form.ReflectorChange()) +
         ShownRow(VfWindowText(t.directorChange), form.DirectorChange());
}

std::string ResultJson(const PruningResult& r) {
  return "{\"status\":" + JsonString(PruningStatusName(r.status)) +
         ",\"vfGesamt\":" + ShortestText(r.vfGesamt) + ",\"lengthNew\":" + ShortestText(r.lengthNew) +
         ",\"changeS\":" + ShortestText(r.changeS) + ",\"changeR\":" + ShortestText(r.changeR) +
         ",\"changeD\":" + ShortestText(r.changeD) + "}";
}

std::string FormJson(HeadlessVfForm& form, const PruningResult& r) {
  return "{" + JsonTextMember("Label5", form.HeightShareOrVf()) +
         JsonTextMember("Label5Colour", TextColourName(form.HeightShareOrVfColour())) +
         JsonTextMember("Label7", form.SlendernessOrLength()) +
         JsonTextMember("Label9", form.EstimateOrRadiator()) +
         JsonTextMember("Label11", form.ReflectorChange()) +
         JsonTextMember("Label13", form.DirectorChange()) +
         // The same under names that say what they are; the control names
         // above are deprecated and go after one release.
         JsonTextMember("vfGesamt", form.HeightShareOrVf()) +
         JsonTextMember("vfGesamtColour", TextColourName(form.HeightShareOrVfColour())) +
         JsonTextMember("lengthNew", form.SlendernessOrLength()) +
         JsonTextMember("changeS", form.EstimateOrRadiator()) +
         JsonTextMember("changeR", form.ReflectorChange()) +
         JsonTextMember("changeD", form.DirectorChange()) + "\"result\":" + ResultJson(r) + "}\n";
}

std::string FocusNote(HeadlessVfForm& form) {
  const VfWindowModeTexts& t = PruningModeTexts();
  using Box = HeadlessVfForm::Box;
  const char* caption = form.Focus() == Box::FrequencyOrLength   ? t.frequencyOrLength
                        : form.Focus() == Box::HeightOrResonance ? t.heightOrResonance
                                                                 : t.diameterOrWanted;
  return FocusedBox(VfWindowText(caption)) + "\n";
}

// The --ist text: as given, or the measured resonance of --messung.
std::optional<std::string> MeasuredText(const GivenOptions& given, std::ostream& err) {
  const bool typed = given.contains("--ist"), measured = given.contains("--messung");
  if (typed == measured) throw UsageError{Tr("CommandLine", "Entweder --ist oder --messung angeben.")};
  if (typed) return given.at("--ist");
  const std::string& path = given.at("--messung");
  const std::optional<Measurement> measurement = ReadMeasurementFor(path, err);
  if (!measurement) return std::nullopt;
  // A resonance outside the sweep has no frequency to prune with: the sweep's
  // edge would give far too small a change.
  const std::string outside = ResonanceOutsideText(measurement->evaluation.resonanceKind);
  if (!outside.empty()) {
    err << path << ": " << outside << "\n";
    return std::nullopt;
  }
  return MeasuredResonanceText(measurement->evaluation.resonanceMHz);
}

int Prune(const GivenOptions& given, std::ostream& out, std::ostream& err) {
  const std::optional<std::string> measured = MeasuredText(given, err);
  if (!measured) return kExitUnreadableFile;
  CliPlatform platform(false);
  HeadlessBeamForm beamForm(platform);
  HeadlessVfForm form(beamForm.FrequencyText(), beamForm.ConductorDiameterText());
  form.OpenAsPruningWindow();
  form.SetBoxes(given.at("--laenge"), *measured, given.at("--soll"));
  const ModuleState state;
  const PruningResult result = RunPruning(form, state, platform);
  const bool completed = result.status == PruningStatus::Ok;
  return PrintShownRun(
      given, {completed, FormJson(form, result), ScreenRows(form), completed ? "" : FocusNote(form)}, out,
      err);
}

}  // namespace

const UsageSection& PruningUsage() {
  static const UsageSection section{
      "pruning",
      {TrMark(
          "CommandLine",
          "Rechnet wie das Fenster \"Antennen-Pruning/Optimieren\" aus der gemessenen Strahlerlänge und der "
          "gemessenen und gewünschten Resonanzfrequenz den tatsächlichen Verkürzungsfaktor, die neue Länge "
          "lS "
          "und die Längenänderungen von lS, lR und lD. Die Texte kommen wie eingetippt oder eingefügt in die "
          "Felder eines frisch geöffneten Fensters, danach wird einmal \"Rechnen\" gedrückt.")},
      {
          {"--laenge", "TEXT", TrMark("CommandLine", "gemessene Antennenlänge lS in m"), true},
          {"--ist", "TEXT", TrMark("CommandLine", "gemessene Resonanzfrequenz in MHz (oder --messung)")},
          {"--messung", "DATEI",
           TrMark("CommandLine",
                  "statt --ist: die Resonanz aus dieser Touchstone-Datei wie bei zelvar-beam-cli messung, "
                  "als Text "
                  "mit bis zu drei Nachkommastellen")},
          {"--soll", "TEXT", TrMark("CommandLine", "gewünschte Resonanzfrequenz in MHz"), true},
          {"--json", "", TrMark("CommandLine", "Feldtexte, Farbe und Ergebnis als JSON ausgeben")},
          {"--help", "", TrMark("CommandLine", "diese Hilfe")},
      },
      {TrMark("CommandLine",
              "Eine Länge oder Frequenz von 0 oder darunter gilt als fehlend. Ein \"VF gesamt\" über 1 zeigt "
              "das "
              "Fenster rot; die Textausgabe markiert ihn mit \"(rot: über 1)\"."),
       TrMark("CommandLine",
              "JSON-Namen: vfGesamt, vfGesamtColour, lengthNew, changeS, changeR, changeD (die Texte des "
              "Fensters) "
              "und "
              "result (die Zahlen). Veraltet: die Schlüssel nach den Steuerelementen des Fensters (Label5, "
              "Label5Colour, Label7, Label9, Label11, Label13) stehen noch für eine Version mit denselben "
              "Werten "
              "daneben."),
       TrMark("CommandLine",
              "Rückgabewerte: 0 berechnet, 1 vorzeitig beendet (das Feld, auf dem der Fokus steht, nennt die "
              "Fehlerausgabe mit seiner Beschriftung, z. B. Feld „soll Resonanzfrequenz [MHz]:“), 2 falscher "
              "Aufruf, "
              "4 Messdatei nicht lesbar oder ihre Resonanz außerhalb des Messbereichs (der Grund auf der "
              "Fehlerausgabe).")},
  };
  return section;
}

int RunPruningCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  return RunSubcommand(PruningUsage(), arguments, out, err,
                       [&](const GivenOptions& given) { return Prune(given, out, err); });
}

}  // namespace zb
