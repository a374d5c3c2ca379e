#include "core/CalculateBeam.h"

#include <functional>
#include <vector>

#include "core/BeamFormAccess.h"
#include "core/CheckedMath.h"
#include "core/Formulas.h"
#include "core/Insulation.h"
#include "core/ModuleState.h"
#include "core/NumberText.h"
#include "core/Platform.h"
#include "core/ResultReportSink.h"
#include "core/VfWindowState.h"

namespace zb {

namespace {

struct BandRange {
  float low;
  float high;
  int option2Index;
  const char* label;
};

// Checked in this order; both bounds belong to the band. The 160 m band
// starts at 1.81 MHz.
constexpr BandRange kBandRanges[] = {
    {50.0f, 52.0f, 9, "50"},        {28.0f, 29.7f, 8, "28"},      {24.89f, 24.99f, 7, "24"},
    {21.0f, 21.45f, 6, "21"},       {18.068f, 18.168f, 5, "18"},  {14.0f, 14.35f, 4, "14"},
    {10.1f, 10.15f, 3, "10"},       {7.0f, 7.2f, 2, " 7"},        {3.5f, 3.8f, 1, "3,5"},
    {1.81f, 2.0f, 0, "1,8"},
};

constexpr float kDefaultFrequency = 50.2f;

const char* VariantText(bool dreiQuertraeger) {
  return dreiQuertraeger ? "drei Querträger ohne Spannseil" : "zwei Querträger mit Spannseil";
}

enum class Step { Next, EndRun };

// The run's own values, shared by its steps.
struct Run {
  CalculationContext& c;
  CalculationResult result;
  float p = 0;
  float permittivity = 0;
  float outer = 0;
  float conductor = 0;
  bool bareWire = false;

  std::vector<std::function<Step()>> Steps();
  ReportInputs CurrentReportInputs();
};

std::vector<std::function<Step()>> Run::Steps() {
  ModuleState& state = c.state;
  BeamFormAccess& form = c.form;
  float& f = result.f;
  float& vf = result.vf;
  return {
      // 1
      [&] {
        form.SetInfoCaption("");
        return Step::Next;
      },
      // 2
      [&] {
        state.AndereFrequenz = 0;
        result.bandLabel.clear();
        state.ResetCoefficients();
        return Step::Next;
      },
      // 3: a missing or non-positive frequency means the designed 50.2 MHz
      [&] {
        f = ParseNumber(form.GetText1());
        if (!(f > 0.0f)) f = kDefaultFrequency;
        return Step::Next;
      },
      // 4
      [&] {
        vf = ParseNumber(form.GetText4());
        return Step::Next;
      },
      // 5
      [&] {
        p = ToSingle((1.0 - vf) * 100.0);
        return Step::Next;
      },
      // 6: a current estimate of the velocity-factor window replaces the entry
      [&] {
        p = EffectiveShorteningPercent(f, 0.0f, p, c.vfWindow, state);
        return Step::Next;
      },
      // 7
      [&] {
        vf = ToSingle(1.0 - p / 100.0);
        form.SetText4(FormatNumber(vf, "0.0###"));
        return Step::Next;
      },
      // 8
      [&] {
        if (const std::optional<RecognisedBand> band = RecogniseBand(f)) {
          form.SelectOption2(band->option2Index);
          result.bandLabel = band->label;
        } else {
          // Outside every band the report names the frequency itself.
          form.SelectOption2(kBandOther);
          state.AndereFrequenz = f;
          result.bandLabel = FormatNumber(state.AndereFrequenz, "###0.0##");
        }
        return Step::Next;
      },
      // 9
      [&] {
        permittivity = ParseNumber(form.GetCombo1Text());
        return Step::Next;
      },
      // 10
      [&] {
        bareWire = !CountsAsInsulated(permittivity);
        if (bareWire) state.IsolierVk = 0.0;
        return Step::Next;
      },
      // 11
      [&] {
        if (bareWire || !(permittivity > kImplausiblePermittivity)) return Step::Next;
        c.platform.Beep();
        if (c.platform.MessageBox(kPermittivityQuestion, MsgButtons::YesNo, MsgIcon::Question,
                                  kPermittivityTitle) == MsgResult::Yes)
          return Step::Next;
        form.FocusCombo1();
        return Step::EndRun;
      },
      // 12
      [&] {
        if (bareWire) return Step::Next;
        outer = ParseNumber(form.GetText6());
        conductor = ParseNumber(form.GetText7());
        if (!(conductor < 0.01f) && conductor < outer) return Step::Next;
        c.platform.Beep();
        c.platform.DoEvents();
        form.FocusText7();
        form.SetInfoCaption(kDiameterNote);
        return Step::EndRun;
      },
      // 13
      [&] {
        if (!bareWire)
          state.IsolierVk = InsulationShortening(permittivity, outer, conductor, vf);
        return Step::Next;
      },
      // 14
      [&] {
        c.platform.SetHourglass(true);
        return Step::Next;
      },
      // 15
      [&] {
        result.dims = DimensionBeam(f, vf, state.IsolierVk, state.DreiQuertraeger, state.KoeffDipol);
        return Step::Next;
      },
      // 16
      [&] {
        form.SetInfoCaption(BeamSummary(f, result.dims, state.DreiQuertraeger, state.Zeilenumbruch));
        return Step::Next;
      },
      // 17
      [&] {
        form.SetText1(FormatNumber(f, "##0.0##"));
        return Step::Next;
      },
      // 18
      [&] {
        c.report.WriteResultReport(state, CurrentReportInputs());
        return Step::Next;
      },
      // 19
      [&] {
        form.EnableCommand2();
        return Step::Next;
      },
      // 20
      [&] {
        form.SetFrameStatus(kReadyStatus);
        return Step::Next;
      },
  };
}

ReportInputs Run::CurrentReportInputs() {
  ReportInputs in;
  in.f = result.f;
  in.vf = result.vf;
  in.lambda = Divide(300.0f, result.f);
  in.dims = result.dims;
  in.dreiQuertraeger = c.state.DreiQuertraeger;
  in.bandLabel = result.bandLabel;
  in.bandPosition = c.form.SelectedOption1();
  in.insulationText = c.form.GetCombo1Text();
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
MsgResult ShowRunError(CalculationContext& c, const RuntimeError& error) {
  std::string message = error.Description();
  if (error.Number() == kOverflow || error.Number() == kOutOfRange)
    message += c.state.Zeilenumbruch + kSmallerValuesHint;
  c.platform.SetHourglass(false);
  return c.platform.MessageBox(message, MsgButtons::AbortRetryIgnore, MsgIcon::Exclamation, kErrorTitle);
}

}  // namespace

std::optional<RecognisedBand> RecogniseBand(float f) {
  for (const BandRange& band : kBandRanges)
    if (f >= band.low && f <= band.high) return RecognisedBand{band.option2Index, band.label};
  return std::nullopt;
}

std::string BeamSummary(float f, const BeamDimensions& d, bool dreiQuertraeger, const std::string& nl) {
  const auto F = [](double x) { return FormatNumber(x, "###0.0##"); };
  const auto m = [&](const char* name, double x) { return std::string(name) + "=" + F(x) + " m / "; };
  std::string s = "Berechnet für die Resonanzfrequenz = " + F(f) + " MHz / Bauvariante: " +
                  VariantText(dreiQuertraeger) + nl;
  s += m("lD", d.lD) + m("lDs", d.lDs) + m("lS", d.lS) + m("lSs", d.lSs) + m("lR", d.lR) + m("lRs", d.lRs) + nl;
  s += m("A1", d.A1) + m("A2", d.A2);
  s += dreiQuertraeger ? m("AQ1", d.AQ1) + m("AQ2", d.AQ2) + m("AQ3", d.AQ3) : m("A3", d.A3);
  s += nl;
  s += m("Bv", d.Bv) + (dreiQuertraeger ? m("Bm", d.Bm) : "") + m("Bh", d.Bh) + nl;
  s += dreiQuertraeger ? m("lBoom", d.lBoom) + m("geslBoom", BoomWithEnds(d))
                       : m("lBoom", d.lBoom) + m("C", d.C) + m("geslBoom", d.geslBoom);
  s += nl;
  s += nl + "Tabelle liegt als Textfile 'Zelvar-Beam.txt' vor.  ";
  return s;
}

CalculationResult CalculateBeam(CalculationContext& context) {
  Run run{context, {}};
  const std::vector<std::function<Step()>> steps = run.Steps();
  for (std::size_t i = 0; i < steps.size();) {
    try {
      if (steps[i]() == Step::EndRun) {
        run.result.outcome = CalculationResult::EndedEarly;
        return run.result;
      }
      ++i;
    } catch (const RuntimeError& error) {
      run.result.lastError = error;
      const MsgResult answer = ShowRunError(context, error);
      if (answer == MsgResult::Abort) {
        run.result.outcome = CalculationResult::Aborted;
        return run.result;
      }
      context.platform.SetHourglass(true);
      if (answer == MsgResult::Ignore) ++i;  // Retry runs the same step again
    }
  }
  return run.result;
}

}  // namespace zb
