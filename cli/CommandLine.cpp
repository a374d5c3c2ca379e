#include "cli/CommandLine.h"

#include <cctype>
#include <functional>
#include <optional>
#include <ostream>

#include "cli/CliPlatform.h"
#include "cli/HeadlessBeamForm.h"
#include "cli/HeadlessVkForm.h"
#include "cli/JsonText.h"
#include "cli/SubcommandOptions.h"
#include "cli/Subcommands.h"
#include "cli/Usage.h"
#include "core/beam/BeamFormRules.h"
#include "core/beam/CalculateBeam.h"
#include "core/shared/ModuleState.h"
#include "report/ResultReport.h"

namespace zb {

namespace {

// One option acting on the form; a typing option remembers what was given,
// so that characters the form's rules drop can be named.
struct FormAction {
  std::function<void(HeadlessBeamForm&)> run;
  std::string option;  // "--frequenz"; empty for clicks
  std::string given;   // the text as given on the command line

  void operator()(HeadlessBeamForm& form) const { run(form); }
};

FormAction Typing(const std::string& option, const std::string& given,
                  std::function<void(HeadlessBeamForm&)> run) {
  return {std::move(run), option, given};
}

struct Options {
  std::vector<FormAction> actions;  // in the order given
  bool strict = false;
  bool dreiQuertraeger = true;
  bool json = false;
  bool answerYes = false;
  bool help = false;
  std::optional<std::string> vfHeight;
  std::optional<std::string> vfDiameter;
  bool groundCorrection = false;
};

int SegmentIndex(const std::string& name) {
  if (name == "cw") return 0;
  if (name == "ssb") return 1;
  if (name == "mitte") return 2;
  return -1;
}

// Letters outside ASCII (UTF-8 bytes from 0x80 on) count as letters too.
bool BeginsWithLetter(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return false;
  const auto c = static_cast<unsigned char>(text[first]);
  return std::isalpha(c) || c >= 0x80;
}

// Reads the arguments; a UsageError names what is wrong.
Options ParseArguments(const std::vector<std::string>& args) {
  Options o;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    const auto value = [&]() -> std::string {
      if (i + 1 >= args.size()) throw UsageError{"Zur Option " + name + " fehlt der Wert."};
      return args[++i];
    };
    if (name == "--help" || name == "-h") {
      o.help = true;
    } else if (name == "--frequenz") {
      const std::string text = value();
      o.actions.push_back(Typing(name, text, [text](HeadlessBeamForm& f) { f.TypeText1(text); }));
    } else if (name == "--band") {
      const std::string caption = value();
      const int index = HeadlessBeamForm::Option2IndexOf(caption);
      if (index < 0) throw UsageError{"Unbekanntes Band: " + caption};
      o.actions.push_back({[index](HeadlessBeamForm& f) { f.ClickOption2(index); }, "", ""});
    } else if (name == "--segment") {
      const std::string segment = value();
      const int index = SegmentIndex(segment);
      if (index < 0) throw UsageError{"Unbekannter Bandbereich: " + segment + " (cw, ssb oder mitte)"};
      o.actions.push_back({[index](HeadlessBeamForm& f) { f.ClickOption1(index); }, "", ""});
    } else if (name == "--vk") {
      const std::string text = value();
      o.actions.push_back(Typing(name, text, [text](HeadlessBeamForm& f) { f.TypeText4AndLeave(text); }));
    } else if (name == "--isolierung") {
      const std::string text = value();
      // A name the list does not hold would lose every letter to the key
      // filter and compute bare wire: a misspelt "PCV" is refused instead.
      if (BeginsWithLetter(text) && HeadlessBeamForm::InsulationIndexOf(text) < 0)
        throw UsageError{"Unbekannte Isolierung: " + text + " (bekannt: " + HeadlessBeamForm::InsulationNames() +
                         ")"};
      o.actions.push_back(Typing(name, text, [text](HeadlessBeamForm& f) { f.EnterCombo1(text); }));
    } else if (name == "--aussen") {
      const std::string text = value();
      o.actions.push_back(Typing(name, text, [text](HeadlessBeamForm& f) { f.TypeText6(text); }));
    } else if (name == "--leiter") {
      const std::string text = value();
      o.actions.push_back(Typing(name, text, [text](HeadlessBeamForm& f) { f.TypeText7(text); }));
    } else if (name == "--variante") {
      const std::string variant = value();
      if (variant != "2" && variant != "3")
        throw UsageError{"Bauvariante 2 oder 3 angeben, nicht " + variant};
      o.dreiQuertraeger = variant == "3";
    } else if (name == "--vf-hoehe") {
      o.vfHeight = value();
    } else if (name == "--vf-durchmesser") {
      o.vfDiameter = value();
    } else if (name == "--erdbodenkorrektur") {
      o.groundCorrection = true;
    } else if (name == "--ja") {
      o.answerYes = true;
    } else if (name == "--json") {
      o.json = true;
    } else if (name == "--streng") {
      o.strict = true;
    } else {
      throw UsageError{"Unbekannte Option: " + name};
    }
  }
  if (o.vfHeight.has_value() != o.vfDiameter.has_value() || (o.groundCorrection && !o.vfHeight))
    throw UsageError{"--vf-hoehe und --vf-durchmesser gehören zusammen (--erdbodenkorrektur nur mit ihnen)."};
  return o;
}

std::string ResultJson(const CalculationResult& r, const ModuleState& state, int band) {
  const BeamDimensions& d = r.dims;
  std::string dims;
  const auto field = [&](const char* name, float value) {
    dims += std::string(dims.empty() ? "" : ",") + "\"" + name + "\":" + ShortestText(value);
  };
  field("lD", d.lD), field("lDs", d.lDs), field("lS", d.lS), field("lSs", d.lSs);
  field("lR", d.lR), field("lRs", d.lRs);
  field("A1", d.A1), field("A2", d.A2), field("A3", d.A3);
  field("AQ1", d.AQ1), field("AQ2", d.AQ2), field("AQ3", d.AQ3);
  field("Bv", d.Bv);
  if (state.DreiQuertraeger) field("Bm", d.Bm);
  field("Bh", d.Bh), field("lBoom", d.lBoom);
  if (!state.DreiQuertraeger) field("C", d.C);
  field("geslBoom", d.geslBoom);
  return "{\"f\":" + ShortestText(r.f) + ",\"VF\":" + ShortestText(r.vf) +
         ",\"IsolierVk\":" + ShortestText(state.IsolierVk) + ",\"bandLabel\":" + JsonString(r.bandLabel) +
         ",\"band\":" + std::to_string(band) + ",\"dimensions\":{" + dims + "}}";
}

// Terminals want LF only; the form's texts use CR LF.
std::string WithoutCarriageReturns(std::string text) {
  std::erase(text, '\r');
  return text;
}

using SideCalculator = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

SideCalculator SideCalculatorNamed(const std::string& name) {
  if (name == "vk") return RunVkCommand;
  if (name == "pruning") return RunPruningCommand;
  if (name == "zusatzdipol") return RunZusatzDipolCommand;
  if (name == "messung") return RunMessungCommand;
  if (name == "geraete") return RunGeraeteCommand;
  return nullptr;
}

}  // namespace

std::string UsageText() { return UsageText(BeamUsage()); }

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const CliEnvironment& environment) {
  if (const SideCalculator side = SideCalculatorNamed(arguments.empty() ? "" : arguments[0]))
    return side({arguments.begin() + 1, arguments.end()}, out, err);
  Options options;
  try {
    options = ParseArguments(arguments);
  } catch (const UsageError& usage) {
    err << UsageErrorText(usage.message, BeamUsage());
    return kExitUsage;
  }
  if (options.help) {
    out << UsageText();
    return kExitCompleted;
  }

  ModuleState state;
  state.DreiQuertraeger = options.dreiQuertraeger;
  CliPlatform platform(options.answerYes);
  HeadlessBeamForm form(platform);
  ResultFileWriter report(environment.dateTimeNow, environment.folder);

  try {
    for (const FormAction& action : options.actions) {
      const std::string infoBefore = form.Info();
      action(form);
      // Characters the key filter dropped or the box's length cut are named,
      // so a script learns what was really typed; --streng refuses them.
      if (!action.option.empty() && form.LastTyped() != action.given) {
        err << action.option << ": „" << action.given << "“ getippt als „" << form.LastTyped() << "“\n";
        if (options.strict) {
          err << "--streng: Eingabe abgelehnt.\n";
          return kExitUsage;
        }
      }
      // Every note a box rule writes into the form's note area, as the window shows it.
      if (form.Info() != infoBefore && !form.Info().empty())
        err << WithoutCarriageReturns(form.Info()) << "\n";
    }
  } catch (const RuntimeError& error) {  // a typed number beyond the 4-byte range
    err << "Laufzeitfehler " << error.Number() << ": " << error.Description() << "\n";
    return kExitRuntimeError;
  }
  // The run reads the velocity-factor window, which loads from the form as it now stands.
  HeadlessVkForm vfWindow(form.FrequencyText(), form.ConductorDiameterText());
  if (options.vfHeight) {
    vfWindow.SetBoxes(vfWindow.FrequencyText(), *options.vfHeight, *options.vfDiameter);
    vfWindow.SetErdbodenKor(options.groundCorrection);
    vfWindow.MarkActive();
  }

  CalculationContext context{state, form, vfWindow, platform, report};
  const CalculationResult result = CalculateBeam(context);
  switch (result.outcome) {
    case CalculationResult::Aborted:
      err << "Laufzeitfehler " << result.lastError->Number() << ": " << result.lastError->Description()
          << "\n";
      return kExitRuntimeError;
    case CalculationResult::EndedEarly:
      for (const std::string& shown : platform.Shown()) err << shown << " Nein\n";
      if (!form.Info().empty()) err << WithoutCarriageReturns(form.Info()) << "\n";
      return kExitEndedEarly;
    case CalculationResult::Completed:
      break;
  }
  if (options.json) {
    out << ResultJson(result, state, form.SelectedOption2()) << "\n";
  } else {
    out << WithoutCarriageReturns(form.Info()) << "\n";
    // The window shows a velocity factor below 0,8 in red.
    if (IsLowVelocityFactor(form.VelocityFactorText()))
      out << "Verkürzungsfaktor: " << form.VelocityFactorText() << " (rot: unter 0,8)\n";
  }
  return kExitCompleted;
}

}  // namespace zb
