#pragma once
// The side calculators of zelvar-beam-cli; each gets the arguments after its
// name and returns the exit code (CliExit).

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli/Usage.h"
#include "core/measurement/SweepEvaluation.h"

namespace zb {

int RunVfCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int RunPruningCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int RunZusatzDipolCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int RunMessungCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);
int RunGeraeteCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// Their option tables, each beside the command that reads it.
const UsageSection& VfUsage();
const UsageSection& PruningUsage();
const UsageSection& ZusatzDipolUsage();
const UsageSection& MessungUsage();
const UsageSection& GeraeteUsage();

// Reads a measurement file for messung and pruning --messung: the
// measurement, or none after the reason was printed on err as
// "DATEI: Zeile 17: ..." (the caller then exits with kExitUnreadableFile).
std::optional<Measurement> ReadMeasurementFor(const std::string& path, std::ostream& err);

}  // namespace zb
