// zelvar-beam-cli vk: the velocity-factor estimate of the " VF berechnen " window.

#include <ostream>

#include "cli/CommandLine.h"
#include "cli/HeadlessBeamForm.h"
#include "cli/HeadlessVkForm.h"
#include "cli/JsonText.h"
#include "cli/Subcommands.h"
#include "cli/SubcommandOptions.h"
#include "cli/CliPlatform.h"
#include "core/ModuleState.h"
#include "core/VfEstimationRun.h"
#include "core/VkFormRules.h"

namespace zb {

namespace {

std::string ScreenRows(HeadlessVkForm& form) {
  const VkModeTexts& t = VfModeTexts();
  return ShownRow(t.label3, form.Text3()) + ShownRow(t.label6, form.Label7()) +
         ShownRow(t.label4, form.Label5()) + ShownRow(t.label8, form.Label9());
}

std::string EstimateJson(const VfEstimationOutcome& outcome) {
  if (!outcome.completed) return "null";
  const VfEstimate& e = outcome.estimate;
  return "{\"diameter\":" + ShortestText(e.diameter) + ",\"limit\":" + JsonString(DiameterLimitName(e.limit)) +
         ",\"slendernessPercent\":" + ShortestText(e.slendernessPercent) +
         ",\"heightPercent\":" + ShortestText(e.heightPercent) + ",\"vf\":" + ShortestText(e.vf) + "}";
}

std::string FormJson(HeadlessVkForm& form, const VfEstimationOutcome& outcome) {
  return "{" + JsonTextMember("Text1", form.GetText1()) + JsonTextMember("Text2", form.GetText2()) +
         JsonTextMember("Text3", form.Text3()) + JsonTextMember("Text3Colour", TextColourName(form.Text3Colour())) +
         JsonTextMember("Label7", form.Label7()) +
         JsonTextMember("Label7Colour", TextColourName(form.Label7Colour())) +
         JsonTextMember("Label5", form.Label5()) +
         JsonTextMember("Label5Colour", TextColourName(form.Label5Colour())) +
         JsonTextMember("Label9", form.Label9()) + "\"estimate\":" + EstimateJson(outcome) + "}\n";
}

// The box to correct, by its caption; the height box also with what it holds now.
std::string FocusNote(HeadlessVkForm& form) {
  const VkModeTexts& t = VfModeTexts();
  if (form.Focus() == "Text1") return "Fokus auf Text1 (" + ShownCaption(t.label1) + ")\n";
  return "Fokus auf Text2 (" + ShownCaption(t.label2) + "), das Feld enthält jetzt \"" + form.GetText2() + "\"\n";
}

int Estimate(const GivenOptions& given, std::ostream& out, std::ostream& err) {
  CliPlatform platform(false);
  HeadlessBeamForm beamForm(platform);
  HeadlessVkForm form(beamForm.GetText1(), beamForm.GetText7());
  form.SetBoxes(given.at("--frequenz"), given.at("--hoehe"), given.at("--durchmesser"));
  form.SetErdbodenKor(given.contains("--erdbodenkorrektur"));
  const ModuleState state;
  const VfEstimationOutcome outcome = RunVfEstimation(form, state, platform);
  const bool completed = outcome.completed;
  return PrintShownRun(given, {completed, FormJson(form, outcome), ScreenRows(form), completed ? "" : FocusNote(form)},
                       out, err);
}

}  // namespace

const UsageSection& VkUsage() {
  static const UsageSection section{
      "vk",
      {"Schätzt den Verkürzungsfaktor eines blanken Drahtdipols wie das Fenster \"VF berechnen\": Die Texte "
       "kommen wie eingetippt oder eingefügt in die Felder eines frisch geöffneten Fensters, danach wird "
       "einmal \"Rechnen\" gedrückt. Ausgegeben werden die Zeilen des Fensters nach der Rechnung."},
      {
          {"--frequenz", "TEXT", "Resonanzfrequenz in MHz", true},
          {"--hoehe", "TEXT", "Antennenhöhe über Erdboden in m (mindestens 0,01)", true},
          {"--durchmesser", "TEXT", "Drahtdurchmesser in mm", true},
          {"--erdbodenkorrektur", "", "mit Erdbodenkorrektur"},
          {"--json", "", "Feldtexte, Farben und Schätzwerte als JSON ausgeben"},
          {"--help", "", "diese Hilfe"},
      },
      {"Rückgabewerte: 0 berechnet, 1 vorzeitig beendet (das Feld mit dem Fokus steht auf der "
       "Fehlerausgabe), 2 falscher Aufruf."},
  };
  return section;
}

int RunVkCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  return RunSubcommand(VkUsage(), arguments, out, err, [&](const GivenOptions& given) { return Estimate(given, out, err); });
}

}  // namespace zb
