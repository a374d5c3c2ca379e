#pragma once
// zelvar-beam-cli messung --geraet: the sweep measured with the analyser and
// evaluated as a file holding the same points would be.

#include <iosfwd>

#include "cli/SubcommandOptions.h"
#include "core/measurement/SweepEvaluation.h"

namespace zb {

// Measures with the analyser of --geraet from --von to --bis in --punkte
// points, saves the sweep with --speichern and prints its evaluation; a
// device fault is named on err and gives kExitDeviceFault. A wrong call
// raises a UsageError before the port is opened.
int MeasureWithAnalyser(const GivenOptions& given, std::ostream& out, std::ostream& err);

// Prints an evaluation as messung DATEI does: its rows, or with --json its JSON.
void PrintEvaluation(const GivenOptions& given, const SweepEvaluation& evaluation, std::ostream& out);

}  // namespace zb
