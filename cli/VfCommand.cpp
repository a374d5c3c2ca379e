// zelvar-beam-cli vk: the velocity-factor estimate of the " VF berechnen " window.

#include <ostream>

#include "cli/CliPlatform.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessBeamForm.h"
#include "cli/HeadlessVfForm.h"
#include "cli/JsonText.h"
#include "cli/SubcommandOptions.h"
#include "cli/Subcommands.h"
#include "core/shared/ModuleState.h"
#include "core/shared/Translate.h"
#include "core/side/VfEstimationRun.h"
#include "core/side/VfFormRules.h"

namespace zb {

namespace {

// What the window shows in red is marked in the text.
std::string Red(TextColour colour, const char* why) {
  return colour == TextColour::Red ? Fill(Tr("CommandLine", " (rot: %1)"), {Tr("CommandLine", why)})
                                   : std::string();
}

// The two shares of the shortening are percentages, labelled as such (the
// window's "Antennenhöhe:" beside a percentage reads like a height).
std::string ScreenRows(HeadlessVfForm& form) {
  const VfWindowModeTexts& t = VfModeTexts();
  return ShownRow(VfWindowText(t.diameterOrWanted),
                  form.DiameterOrWanted() +
                      Red(form.DiameterOrWantedColour(), TrMark("CommandLine", "begrenzt"))) +
         ShownRow(Tr("CommandLine", "Verkürzung durch Schlankheitsgrad [%]:"),
                  form.SlendernessOrLength() +
                      Red(form.SlendernessOrLengthColour(), TrMark("CommandLine", "außerhalb 2 - 9 %"))) +
         ShownRow(Tr("CommandLine", "Verkürzung durch Antennenhöhe [%]:"),
                  form.HeightShareOrVf() +
                      Red(form.HeightShareOrVfColour(), TrMark("CommandLine", "außerhalb 2 - 10 %"))) +
         ShownRow(VfWindowText(t.estimateOrRadiator), form.EstimateOrRadiator());
}

std::string EstimateJson(const VfEstimationOutcome& outcome) {
  if (!outcome.completed) return "null";
  const VfEstimate& e = outcome.estimate;
  return "{\"diameter\":" + ShortestText(e.diameter) +
         ",\"limit\":" + JsonString(DiameterLimitName(e.limit)) +
         ",\"slendernessPercent\":" + ShortestText(e.slendernessPercent) +
         ",\"heightPercent\":" + ShortestText(e.heightPercent) + ",\"vf\":" + ShortestText(e.vf) + "}";
}

std::string FormJson(HeadlessVfForm& form, const VfEstimationOutcome& outcome) {
  // The keys named after the controls ("Text1", "Label7", ...) are deprecated and go after one
  // release; the names after them say what the values are.
  return "{" + JsonTextMember("Text1", form.FrequencyText()) + JsonTextMember("Text2", form.HeightText()) +
         JsonTextMember("Text3", form.DiameterOrWanted()) +
         JsonTextMember("Text3Colour", TextColourName(form.DiameterOrWantedColour())) +
         JsonTextMember("Label7", form.SlendernessOrLength()) +
         JsonTextMember("Label7Colour", TextColourName(form.SlendernessOrLengthColour())) +
         JsonTextMember("Label5", form.HeightShareOrVf()) +
         JsonTextMember("Label5Colour", TextColourName(form.HeightShareOrVfColour())) +
         JsonTextMember("Label9", form.EstimateOrRadiator()) +
         JsonTextMember("frequencyText", form.FrequencyText()) +
         JsonTextMember("heightText", form.HeightText()) +
         JsonTextMember("diameterText", form.DiameterOrWanted()) +
         JsonTextMember("diameterColour", TextColourName(form.DiameterOrWantedColour())) +
         JsonTextMember("slendernessPercentText", form.SlendernessOrLength()) +
         JsonTextMember("slendernessPercentColour", TextColourName(form.SlendernessOrLengthColour())) +
         JsonTextMember("heightPercentText", form.HeightShareOrVf()) +
         JsonTextMember("heightPercentColour", TextColourName(form.HeightShareOrVfColour())) +
         JsonTextMember("vfText", form.EstimateOrRadiator()) + "\"estimate\":" + EstimateJson(outcome) +
         "}\n";
}

// The box to correct, by its caption; the height box also with what it holds now.
std::string FocusNote(HeadlessVfForm& form) {
  const VfWindowModeTexts& t = VfModeTexts();
  if (form.Focus() == HeadlessVfForm::Box::FrequencyOrLength)
    return FocusedBox(VfWindowText(t.frequencyOrLength)) + "\n";
  return Fill(Tr("CommandLine", "%1, das Feld enthält jetzt \"%2\""),
              {FocusedBox(VfWindowText(t.heightOrResonance)), form.HeightText()}) +
         "\n";
}

int Estimate(const GivenOptions& given, std::ostream& out, std::ostream& err) {
  CliPlatform platform(false);
  HeadlessBeamForm beamForm(platform);
  HeadlessVfForm form(beamForm.FrequencyText(), beamForm.ConductorDiameterText());
  form.SetBoxes(given.at("--frequenz"), given.at("--hoehe"), given.at("--durchmesser"));
  form.SetGroundCorrection(given.contains("--erdbodenkorrektur"));
  const ModuleState state;
  const VfEstimationOutcome outcome = RunVfEstimation(form, state, platform);
  const bool completed = outcome.completed;
  return PrintShownRun(
      given, {completed, FormJson(form, outcome), ScreenRows(form), completed ? "" : FocusNote(form)}, out,
      err);
}

}  // namespace

const UsageSection& VfUsage() {
  static const UsageSection section{
      "vk",
      {TrMark(
          "CommandLine",
          "Schätzt den Verkürzungsfaktor eines blanken Drahtdipols wie das Fenster \"VF berechnen\": Die "
          "Texte "
          "kommen wie eingetippt oder eingefügt in die Felder eines frisch geöffneten Fensters, danach wird "
          "einmal \"Rechnen\" gedrückt. Ausgegeben werden die Zeilen des Fensters nach der Rechnung.")},
      {
          {"--frequenz", "TEXT", TrMark("CommandLine", "Resonanzfrequenz in MHz"), true},
          {"--hoehe", "TEXT", TrMark("CommandLine", "Antennenhöhe über Erdboden in m (mindestens 0,01)"),
           true},
          {"--durchmesser", "TEXT", TrMark("CommandLine", "Drahtdurchmesser in mm"), true},
          {"--erdbodenkorrektur", "", TrMark("CommandLine", "mit Erdbodenkorrektur")},
          {"--json", "", TrMark("CommandLine", "Feldtexte, Farben und Schätzwerte als JSON ausgeben")},
          {"--help", "", TrMark("CommandLine", "diese Hilfe")},
      },
      {TrMark("CommandLine",
              "Was das Fenster rot zeigt, ist in der Textausgabe markiert: ein begrenzter Drahtdurchmesser "
              "\"(rot: "
              "begrenzt)\", ein Anteil außerhalb seines üblichen Bereichs \"(rot: außerhalb 2 - 9 %)\" bzw. "
              "\"(rot: "
              "außerhalb 2 - 10 %)\". Die beiden Anteile heißen in der Textausgabe \"Verkürzung durch "
              "Schlankheitsgrad "
              "[%]\" und \"Verkürzung durch Antennenhöhe [%]\"."),
       TrMark("CommandLine",
              "JSON-Namen: frequencyText, heightText, diameterText, diameterColour, slendernessPercentText, "
              "slendernessPercentColour, heightPercentText, heightPercentColour, vfText und estimate. "
              "Veraltet: die "
              "Schlüssel nach den Steuerelementen des Fensters (Text1, Text2, Text3, Text3Colour, Label7, "
              "Label7Colour, "
              "Label5, Label5Colour, Label9) stehen noch für eine Version mit denselben Werten daneben."),
       TrMark("CommandLine",
              "Rückgabewerte: 0 berechnet, 1 vorzeitig beendet (das Feld, auf dem der Fokus steht, nennt die "
              "Fehlerausgabe mit seiner Beschriftung, z. B. Feld „Antennenhöhe [m]:“), 2 falscher Aufruf.")},
  };
  return section;
}

int RunVfCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  return RunSubcommand(VfUsage(), arguments, out, err,
                       [&](const GivenOptions& given) { return Estimate(given, out, err); });
}

}  // namespace zb
