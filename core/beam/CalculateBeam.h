#pragma once
// One press of "&Rechnen": reads the beam form, substitutes defaults, takes a
// current velocity-factor estimate, recognises the band, checks the
// insulation, dimensions the beam, writes the summary and the result report.

#include <string>

#include "core/beam/BandTable.h"
#include "core/beam/BeamDimensions.h"
#include "core/numbers/RuntimeError.h"
#include "core/numbers/StepRunner.h"
#include "core/shared/MessageTexts.h"
#include "core/shared/Translate.h"

namespace zb {

class BeamFormAccess;
class Platform;
class ResultReportSink;
class VfWindowState;
struct ModuleState;

struct CalculationContext {
  ModuleState& state;
  BeamFormAccess& form;
  VfWindowState& vfWindow;
  Platform& platform;
  ResultReportSink& report;
};

// How the run ended (EndedEarly: the permittivity question or the diameter
// note), and the run's own values.
struct CalculationResult : StepRun {
  float f = 0;
  float vf = 0;
  std::string bandLabel;
  BeamDimensions dims;
};

CalculationResult CalculateBeam(CalculationContext& context);

// The texts the run shows.
inline constexpr const char* kPermittivityQuestion =
    TrMark("BeamForm", "Ist die Eingabe der relative Dielektrizitätszahl korrekt ?");
inline constexpr const char* kPermittivityTitle = TrMark("BeamForm", " Schlechtes Isoliermaterial ?");
inline constexpr const char* kDiameterNote = TrMark("BeamForm", "Hinweis: Durchmesser zu gering!");
inline constexpr const char* kReadyStatus =
    TrMark("Status", "Status: Bereit zum Anzeigen der Berechnungsergebnisse");

// The summary the run writes into the form's note area.
std::string BeamSummary(float f, const BeamDimensions& d, bool dreiQuertraeger, const std::string& newline);

}  // namespace zb
