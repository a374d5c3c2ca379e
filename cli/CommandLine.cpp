#include "cli/CommandLine.h"

#include <functional>
#include <optional>
#include <ostream>

#include "cli/BeamOptions.h"
#include "cli/CliPlatform.h"
#include "cli/HeadlessBeamForm.h"
#include "cli/HeadlessVfForm.h"
#include "cli/JsonText.h"
#include "cli/SubcommandOptions.h"
#include "cli/Subcommands.h"
#include "cli/Usage.h"
#include "core/beam/BeamFormRules.h"
#include "core/beam/CalculateBeam.h"
#include "core/shared/ModuleState.h"
#include "core/shared/Translate.h"
#include "report/ResultReport.h"

namespace zb {

namespace {

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
         ",\"IsolierVk\":" + ShortestText(state.IsolierVf) + ",\"bandLabel\":" + JsonString(r.bandLabel) +
         ",\"band\":" + std::to_string(band) + ",\"dimensions\":{" + dims + "}}";
}

// Terminals want LF only; the form's texts use CR LF.
std::string WithoutCarriageReturns(std::string text) {
  std::erase(text, '\r');
  return text;
}

using SideCalculator = int (*)(const std::vector<std::string>&, std::ostream&, std::ostream&);

SideCalculator SideCalculatorNamed(const std::string& name) {
  if (name == "vk") return RunVfCommand;
  if (name == "pruning") return RunPruningCommand;
  if (name == "zusatzdipol") return RunZusatzDipolCommand;
  if (name == "messung") return RunMessungCommand;
  if (name == "geraete") return RunGeraeteCommand;
  return nullptr;
}

// Acts on the form as the call asks. Characters the key filter dropped or the
// box's length cut are named, so a script learns what was really typed;
// --streng refuses them. Every note a box rule writes into the form's note
// area goes to err, as the window shows it. Gives an exit code when the call
// ends here.
std::optional<int> ActOnForm(const BeamCall& call, HeadlessBeamForm& form, std::ostream& err) {
  try {
    for (const FormAction& action : call.actions) {
      const std::string infoBefore = form.Info();
      action(form);
      if (!action.option.empty() && form.LastTyped() != action.given) {
        err << Fill(Tr("CommandLine", "%1: „%2“ getippt als „%3“"),
                    {action.option, action.given, form.LastTyped()})
            << "\n";
        if (call.strict) {
          err << Tr("CommandLine", "--streng: Eingabe abgelehnt.") << "\n";
          return kExitUsage;
        }
      }
      if (form.Info() != infoBefore && !form.Info().empty())
        err << WithoutCarriageReturns(form.Info()) << "\n";
    }
  } catch (const RuntimeError& error) {  // a typed number beyond the 4-byte range
    err << RuntimeErrorLine(error);
    return kExitRuntimeError;
  }
  return std::nullopt;
}

// The velocity-factor window the run reads, loaded from the form as it now
// stands; with --vf-hoehe it holds a completed estimate.
HeadlessVfForm VfWindowFor(const BeamCall& call, HeadlessBeamForm& form) {
  HeadlessVfForm vfWindow(form.FrequencyText(), form.ConductorDiameterText());
  if (call.vfHeight) {
    vfWindow.SetBoxes(vfWindow.FrequencyText(), *call.vfHeight, *call.vfDiameter);
    vfWindow.SetGroundCorrection(call.groundCorrection);
    vfWindow.MarkActive();
  }
  return vfWindow;
}

int PrintOutcome(const BeamCall& call, const CalculationResult& result, const ModuleState& state,
                 HeadlessBeamForm& form, const CliPlatform& platform, std::ostream& out, std::ostream& err) {
  switch (result.outcome) {
    case CalculationResult::Aborted:
      err << RuntimeErrorLine(*result.lastError);
      return kExitRuntimeError;
    case CalculationResult::EndedEarly:
      // The question's answer, as the window's No button says it.
      for (const std::string& shown : platform.Shown())
        err << shown << " " << Tr("CommandLine", "Nein") << "\n";
      if (!form.Info().empty()) err << WithoutCarriageReturns(form.Info()) << "\n";
      return kExitEndedEarly;
    case CalculationResult::Completed:
      break;
  }
  if (call.json) {
    out << ResultJson(result, state, form.SelectedBand()) << "\n";
  } else {
    out << WithoutCarriageReturns(form.Info()) << "\n";
    // The window shows a velocity factor below 0,8 in red.
    if (IsLowVelocityFactor(form.VelocityFactorText()))
      out << Fill(Tr("CommandLine", "Verkürzungsfaktor: %1 (rot: unter 0,8)"), {form.VelocityFactorText()})
          << "\n";
  }
  return kExitCompleted;
}

int RunBeamCall(const BeamCall& call, std::ostream& out, std::ostream& err,
                const CliEnvironment& environment) {
  ModuleState state;
  state.DreiQuertraeger = call.dreiQuertraeger;
  CliPlatform platform(call.answerYes);
  HeadlessBeamForm form(platform);
  if (const std::optional<int> ended = ActOnForm(call, form, err)) return *ended;
  HeadlessVfForm vfWindow = VfWindowFor(call, form);
  ResultFileWriter report(environment.dateTimeNow, environment.folder);
  CalculationContext context{state, form, vfWindow, platform, report};
  const CalculationResult result = CalculateBeam(context);
  return PrintOutcome(call, result, state, form, platform, out, err);
}

}  // namespace

std::string UsageText() { return UsageText(BeamUsage()); }

int RunCommandLine(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err,
                   const CliEnvironment& environment) {
  if (const SideCalculator side = SideCalculatorNamed(arguments.empty() ? "" : arguments[0]))
    return side({arguments.begin() + 1, arguments.end()}, out, err);
  BeamCall call;
  try {
    call = ReadBeamCall(arguments);
  } catch (const UsageError& usage) {
    err << UsageErrorText(usage.message, BeamUsage());
    return kExitUsage;
  }
  if (call.help) {
    out << UsageText();
    return kExitCompleted;
  }
  return RunBeamCall(call, out, err, environment);
}

}  // namespace zb
