#include "core/beam/CalculateBeam.h"

#include <optional>
#include <string>
#include <vector>

#include "core/beam/BeamFormAccess.h"
#include "core/beam/BeamFormEntries.h"
#include "core/beam/Formulas.h"
#include "core/beam/Insulation.h"
#include "core/beam/ResultReportSink.h"
#include "core/numbers/CheckedMath.h"
#include "core/numbers/NumberText.h"
#include "core/shared/ModuleState.h"
#include "core/shared/Platform.h"
#include "core/shared/Translate.h"
#include "core/shared/VfWindowState.h"

namespace zb {

namespace {

std::string VariantText(bool dreiQuertraeger) {
  return dreiQuertraeger ? Tr("Summary", "drei Querträger ohne Spannseil")
                         : Tr("Summary", "zwei Querträger mit Spannseil");
}

// The run's own values, shared by its steps. Each step is one of the run's
// numbered steps; an error box's Retry and Ignore act on exactly one of them.
struct Run {
  CalculationContext& c;
  CalculationResult result;
  float shorteningPercent = 0;
  float permittivity = 0;
  // The frequency box as the user left it: selecting the band button writes
  // the band's design frequency there, and only the run's end writes the
  // frequency back. A run that stops before that gives the user's text back.
  std::optional<std::string> typedFrequency{};
  bool frequencyShown = false;
  float outer = 0;
  float conductor = 0;
  bool bareWire = false;

  std::vector<NamedStep> Steps();

  void ClearInfo();
  void ResetModuleValues();
  void ReadFrequency();
  void ReadVelocityFactor();
  void ComputeShortening();
  void TakeCurrentEstimate();
  void ShowVelocityFactor();
  void RecogniseBand();
  void ReadPermittivity();
  void CheckInsulation();
  StepEnd ConfirmPermittivity();
  StepEnd CheckDiameters();
  void ComputeInsulationShortening();
  void ShowHourglass();
  void DimensionBeam();
  void WriteSummary();
  void ShowFrequency();
  void WriteResultReport();
  void EnableShowButton();
  void ReportReady();
  void KeepTypedFrequency();

  ReportInputs CurrentReportInputs();
  NamedStep Named(std::string_view name, void (Run::*step)());
  NamedStep Named(std::string_view name, StepEnd (Run::*step)());
};

NamedStep Run::Named(std::string_view name, void (Run::*step)()) {
  return {name, [this, step] {
            (this->*step)();
            return StepEnd::Next;
          }};
}

NamedStep Run::Named(std::string_view name, StepEnd (Run::*step)()) {
  return {name, [this, step] { return (this->*step)(); }};
}

std::vector<NamedStep> Run::Steps() {
  return {
      Named("ClearInfo", &Run::ClearInfo),
      Named("ResetModuleValues", &Run::ResetModuleValues),
      Named("ReadFrequency", &Run::ReadFrequency),
      Named("ReadVelocityFactor", &Run::ReadVelocityFactor),
      Named("ComputeShortening", &Run::ComputeShortening),
      Named("TakeCurrentEstimate", &Run::TakeCurrentEstimate),
      Named("ShowVelocityFactor", &Run::ShowVelocityFactor),
      Named("RecogniseBand", &Run::RecogniseBand),
      Named("ReadPermittivity", &Run::ReadPermittivity),
      Named("CheckInsulation", &Run::CheckInsulation),
      Named("ConfirmPermittivity", &Run::ConfirmPermittivity),
      Named("CheckDiameters", &Run::CheckDiameters),
      Named("ComputeInsulationShortening", &Run::ComputeInsulationShortening),
      Named("ShowHourglass", &Run::ShowHourglass),
      Named("DimensionBeam", &Run::DimensionBeam),
      Named("WriteSummary", &Run::WriteSummary),
      Named("ShowFrequency", &Run::ShowFrequency),
      Named("WriteResultReport", &Run::WriteResultReport),
      Named("EnableShowButton", &Run::EnableShowButton),
      Named("ReportReady", &Run::ReportReady),
  };
}

void Run::ClearInfo() { c.form.SetInfoCaption(""); }

void Run::ResetModuleValues() {
  c.state.AndereFrequenz = 0;
  result.bandLabel.clear();
  c.state.ResetCoefficients();
}

// A missing or non-positive frequency means the designed one.
void Run::ReadFrequency() {
  typedFrequency = c.form.FrequencyText();
  result.f = ParseNumber(c.form.FrequencyText());
  if (!(result.f > 0.0f)) result.f = DesignedFrequency();
}

void Run::ReadVelocityFactor() { result.vf = ParseNumber(c.form.VelocityFactorText()); }

void Run::ComputeShortening() { shorteningPercent = ToSingle((1.0 - result.vf) * 100.0); }

// A current estimate of the velocity-factor window replaces the entry.
void Run::TakeCurrentEstimate() {
  shorteningPercent = EffectiveShorteningPercent(result.f, 0.0f, shorteningPercent, c.vfWindow, c.state);
}

void Run::ShowVelocityFactor() {
  result.vf = ToSingle(1.0 - shorteningPercent / 100.0);
  c.form.SetVelocityFactorText(FormatNumber(result.vf, "0.0###"));
}

void Run::RecogniseBand() {
  if (const std::optional<RecognisedBand> band = zb::RecogniseBand(result.f)) {
    c.form.SelectBand(band->option2Index);
    result.bandLabel = band->label;
  } else {
    // Outside every band the report names the frequency itself.
    c.form.SelectBand(kBandOther);
    c.state.AndereFrequenz = result.f;
    result.bandLabel = FormatNumber(c.state.AndereFrequenz, "###0.0##");
  }
}

void Run::ReadPermittivity() { permittivity = ParseNumber(c.form.PermittivityText()); }

// A bare wire adds no shortening; the two checks after this skip it.
void Run::CheckInsulation() {
  bareWire = !CountsAsInsulated(permittivity);
  if (bareWire) c.state.IsolierVf = 0.0;
}

StepEnd Run::ConfirmPermittivity() {
  if (bareWire || !(permittivity > kImplausiblePermittivity)) return StepEnd::Next;
  c.platform.Beep();
  const MsgResult answer = c.platform.MessageBox(Tr("BeamForm", kPermittivityQuestion), MsgButtons::YesNo,
                                                 MsgIcon::Question, Tr("BeamForm", kPermittivityTitle));
  if (answer == MsgResult::Yes) return StepEnd::Next;
  c.form.FocusPermittivity();
  return StepEnd::EndRun;
}

StepEnd Run::CheckDiameters() {
  if (bareWire) return StepEnd::Next;
  outer = ParseNumber(c.form.OuterDiameterText());
  conductor = ParseNumber(c.form.ConductorDiameterText());
  if (!(conductor < 0.01f) && conductor < outer) return StepEnd::Next;
  c.platform.Beep();
  c.platform.DoEvents();
  c.form.FocusConductorDiameter();
  c.form.SetInfoCaption(Tr("BeamForm", kDiameterNote));
  return StepEnd::EndRun;
}

void Run::ComputeInsulationShortening() {
  if (!bareWire) c.state.IsolierVf = InsulationShortening(permittivity, outer, conductor, result.vf);
}

void Run::ShowHourglass() { c.platform.SetHourglass(true); }

void Run::DimensionBeam() {
  result.dims =
      zb::DimensionBeam(result.f, result.vf, c.state.IsolierVf, c.state.DreiQuertraeger, c.state.KoeffDipol);
}

void Run::WriteSummary() {
  c.form.SetInfoCaption(BeamSummary(result.f, result.dims, c.state.DreiQuertraeger, c.state.Zeilenumbruch));
}

void Run::ShowFrequency() {
  c.form.SetFrequencyText(FormatNumber(result.f, "##0.0##"));
  frequencyShown = true;
}

void Run::KeepTypedFrequency() {
  if (!frequencyShown && typedFrequency && c.form.FrequencyText() != *typedFrequency)
    c.form.SetFrequencyText(*typedFrequency);
}

void Run::WriteResultReport() { c.report.WriteResultReport(c.state, CurrentReportInputs()); }

void Run::EnableShowButton() { c.form.EnableShowButton(); }

void Run::ReportReady() { c.form.SetFrameStatus(Tr("Status", kReadyStatus)); }

ReportInputs Run::CurrentReportInputs() {
  ReportInputs in;
  in.f = result.f;
  in.vf = result.vf;
  in.lambda = Divide(300.0f, result.f);
  in.dims = result.dims;
  in.dreiQuertraeger = c.state.DreiQuertraeger;
  in.bandLabel = result.bandLabel;
  in.bandPosition = c.form.SelectedSegment();
  in.insulationText = c.form.PermittivityText();
  in.permittivity = ParseNumber(in.insulationText);
  in.vfWindowActive = c.vfWindow.IsActive();
  if (in.vfWindowActive) {
    in.vfDiameterText = c.vfWindow.DiameterText();
    in.vfHeightText = c.vfWindow.HeightText();
  }
  return in;
}

// The error box: the description (with a hint for overflows and ranges),
// Abort, Retry and Ignore. The pointer is the default while it shows.
ErrorTrap RunErrorTrap(const ModuleState& state) {
  return {.title = ErrorTitle(), .hourglass = true, .prompt = [&state](const RuntimeError& error) {
            std::string message = error.Description();
            if (error.Number() == kOverflow || error.Number() == kOutOfRange)
              message += state.Zeilenumbruch + SmallerValuesHint();
            return message;
          }};
}

}  // namespace

std::string BeamSummary(float f, const BeamDimensions& d, bool dreiQuertraeger, const std::string& nl) {
  const auto F = [](double x) { return FormatNumber(x, "###0.0##"); };
  const auto m = [&](const char* name, double x) { return std::string(name) + "=" + F(x) + " m / "; };
  std::string s = Tr("Summary", "Berechnet für die Resonanzfrequenz = ") + F(f) +
                  Tr("Summary", " MHz / Bauvariante: ") + VariantText(dreiQuertraeger) + nl;
  s += m("lD", d.lD) + m("lDs", d.lDs) + m("lS", d.lS) + m("lSs", d.lSs) + m("lR", d.lR) + m("lRs", d.lRs) +
       nl;
  s += m("A1", d.A1) + m("A2", d.A2);
  s += dreiQuertraeger ? m("AQ1", d.AQ1) + m("AQ2", d.AQ2) + m("AQ3", d.AQ3) : m("A3", d.A3);
  s += nl;
  s += m("Bv", d.Bv) + (dreiQuertraeger ? m("Bm", d.Bm) : "") + m("Bh", d.Bh) + nl;
  s += dreiQuertraeger ? m("lBoom", d.lBoom) + m("geslBoom", BoomWithEnds(d))
                       : m("lBoom", d.lBoom) + m("C", d.C) + m("geslBoom", d.geslBoom);
  s += nl;
  s += nl + Tr("Summary", "Tabelle liegt als Textfile 'Zelvar-Beam.txt' vor.  ");
  return s;
}

CalculationResult CalculateBeam(CalculationContext& context) {
  Run run{context, {}};
  static_cast<StepRun&>(run.result) = RunSteps(run.Steps(), context.platform, RunErrorTrap(context.state));
  run.KeepTypedFrequency();
  return run.result;
}

}  // namespace zb
