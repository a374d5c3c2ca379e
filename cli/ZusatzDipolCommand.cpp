// zelvar-beam-cli zusatzdipol: the radiation-coupled additional dipole of the
// "Strahlungsgekoppelten Dipol berechnen" window.

#include <memory>
#include <ostream>

#include "cli/CliPlatform.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessBeamForm.h"
#include "cli/HeadlessVfForm.h"
#include "cli/HeadlessZusatzDipolForm.h"
#include "cli/JsonText.h"
#include "cli/SubcommandOptions.h"
#include "cli/Subcommands.h"
#include "core/shared/ModuleState.h"
#include "core/shared/Translate.h"
#include "core/side/CoupledDipolRun.h"

namespace zb {

namespace {

// The options in the order of the window's boxes.
constexpr const char* kBoxOptions[] = {"--frequenz",    "--erreger-frequenz",    "--impedanz",
                                       "--durchmesser", "--erreger-durchmesser", "--vk"};

double ReadIsolierVf(const GivenOptions& given) {
  return given.contains("--isolier-vk") ? NumberOption(given, "--isolier-vk") : 0.0;
}

std::unique_ptr<HeadlessVfForm> VfWindow(const GivenOptions& given, HeadlessBeamForm& beamForm) {
  const bool height = given.contains("--vf-hoehe"), diameter = given.contains("--vf-durchmesser");
  if (height != diameter || (given.contains("--erdbodenkorrektur") && !height))
    throw UsageError{VfWindowOptionsApart()};
  auto window = std::make_unique<HeadlessVfForm>(beamForm.FrequencyText(), beamForm.ConductorDiameterText());
  if (height) {
    window->SetBoxes(window->FrequencyText(), given.at("--vf-hoehe"), given.at("--vf-durchmesser"));
    window->SetGroundCorrection(given.contains("--erdbodenkorrektur"));
    window->MarkActive();
  }
  return window;
}

std::string ScreenRows(HeadlessZusatzDipolForm& form) {
  return ShownRow(ZusatzDipolText(kSpacingCaption), form.Spacing()) +
         ShownRow(ZusatzDipolText(kLengthCaption), form.Length()) +
         ShownRow(ZusatzDipolText(ZusatzDipolBoxCaption(6)), form.Box(6));
}

std::string ResultJson(const CoupledDipolResult& r) {
  return "{\"status\":" + JsonString(CoupledDipolStatusName(r.status)) +
         ",\"belowExciter\":" + (r.belowExciter ? "true" : "false") +
         ",\"exciterDiameterLimit\":" + ShortestText(r.exciterDiameterLimit) +
         ",\"roughSpacing\":" + ShortestText(r.roughSpacing) + ",\"exciterVf\":" + ShortestText(r.exciterVf) +
         ",\"spacing\":" + ShortestText(r.spacing) + ",\"length\":" + ShortestText(r.length) + "}";
}

std::string FormJson(HeadlessZusatzDipolForm& form, const CoupledDipolResult& r) {
  return "{" + JsonTextMember("Text4", form.Box(4)) + JsonTextMember("Text5", form.Box(5)) +
         JsonTextMember("Text6", form.Box(6)) + JsonTextMember("Label8", form.Spacing()) +
         JsonTextMember("Label10", form.Length()) +
         // The same under names that say what they are; the control names
         // above are deprecated and go after one release.
         JsonTextMember("diameterText", form.Box(4)) + JsonTextMember("exciterDiameterText", form.Box(5)) +
         JsonTextMember("vfText", form.Box(6)) + JsonTextMember("spacingText", form.Spacing()) +
         JsonTextMember("lengthText", form.Length()) + "\"result\":" + ResultJson(r) + "}\n";
}

std::string FocusNote(HeadlessZusatzDipolForm& form) {
  const int box = form.Focus();
  return Fill(Tr("CommandLine", "%1, das Feld enthält \"%2\""),
              {FocusedBox(ZusatzDipolText(ZusatzDipolBoxCaption(box))), form.Box(box)}) +
         "\n";
}

int Compute(const GivenOptions& given, std::ostream& out, std::ostream& err) {
  ModuleState state;
  state.IsolierVf = ReadIsolierVf(given);
  CliPlatform platform(false);
  HeadlessBeamForm beamForm(platform);
  const std::unique_ptr<HeadlessVfForm> vfWindow = VfWindow(given, beamForm);
  HeadlessZusatzDipolForm form(
      LoadedZusatzDipolTexts(*vfWindow, beamForm.VelocityFactorText(), beamForm.ConductorDiameterText()));
  for (int box = 1; box <= 6; ++box) form.Box(box) = given.at(kBoxOptions[box - 1]);

  const CoupledDipolOutcome outcome = RunCoupledDipol(form, *vfWindow, state, platform);
  if (outcome.error) {
    err << RuntimeErrorLine(*outcome.error);
    return kExitRuntimeError;
  }
  // The focus note also follows the warning of a wanted frequency below the exciter's.
  return PrintShownRun(given,
                       {outcome.result.status == CoupledDipolStatus::Ok, FormJson(form, outcome.result),
                        ScreenRows(form), form.Focus() != 0 ? FocusNote(form) : ""},
                       out, err);
}

}  // namespace

const UsageSection& ZusatzDipolUsage() {
  static const UsageSection section{
      "zusatzdipol",
      {TrMark(
          "CommandLine",
          "Rechnet wie das Fenster \"Strahlungsgekoppelten Dipol berechnen\" Drahtlänge und Abstand eines "
          "strahlungsgekoppelten Zusatzdipols neben einem gespeisten Erreger-Dipol. Die Texte kommen wie "
          "eingetippt oder eingefügt in die Felder eines frisch geöffneten Fensters, danach wird einmal "
          "\"Rechnen\" gedrückt.")},
      {
          {"--erreger-frequenz", "TEXT",
           TrMark("CommandLine", "unterste Resonanzfrequenz des Erreger-Dipols in MHz"), true},
          {"--frequenz", "TEXT", TrMark("CommandLine", "gewünschte Resonanzfrequenz des Zusatzdipols in MHz"),
           true},
          {"--impedanz", "TEXT", TrMark("CommandLine", "gewünschte Impedanz im Speisepunkt in Ohm"), true},
          {"--erreger-durchmesser", "TEXT",
           TrMark("CommandLine", "Drahtdurchmesser des Erreger-Dipols in mm"), true},
          {"--durchmesser", "TEXT", TrMark("CommandLine", "Drahtdurchmesser des Zusatzdipols in mm"), true},
          {"--vk", "TEXT", TrMark("CommandLine", "Verkürzungsfaktor des Erreger-Drahtes"), true},
          {"--isolier-vk", "ZAHL",
           TrMark("CommandLine", "zusätzliche Verkürzung durch die Isolierung als Anteil (Vorgabe 0)")},
          {"--vf-hoehe", "TEXT",
           TrMark("CommandLine", "wie ein Verkürzungsfaktor-Fenster mit fertiger Berechnung:")},
          {"--vf-durchmesser", "TEXT", TrMark("CommandLine", "Antennenhöhe in m und Drahtdurchmesser in mm")},
          {"--erdbodenkorrektur", "", TrMark("CommandLine", "dazu mit Erdbodenkorrektur")},
          {"--json", "", TrMark("CommandLine", "Feldtexte und Ergebnis als JSON ausgeben")},
          {"--help", "", TrMark("CommandLine", "diese Hilfe")},
      },
      {TrMark(
           "CommandLine",
           "JSON-Namen: diameterText, exciterDiameterText, vfText, spacingText, lengthText (die Texte des "
           "Fensters) und result (die Zahlen). Veraltet: die Schlüssel nach den Steuerelementen des Fensters "
           "(Text4, Text5, Text6, Label8, Label10) stehen noch für eine Version mit denselben Werten "
           "daneben."),
       TrMark("CommandLine",
              "Rückgabewerte: 0 berechnet, 1 vorzeitig beendet (das Feld, auf dem der Fokus steht, nennt die "
              "Fehlerausgabe mit seiner Beschriftung), 2 falscher Aufruf, 3 Laufzeitfehler (Nummer und "
              "Beschreibung "
              "auf der "
              "Fehlerausgabe).")},
  };
  return section;
}

int RunZusatzDipolCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
  return RunSubcommand(ZusatzDipolUsage(), arguments, out, err,
                       [&](const GivenOptions& given) { return Compute(given, out, err); });
}

}  // namespace zb
