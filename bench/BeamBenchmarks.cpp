// How long the dimensioning and a whole "&Rechnen" take.
//   build/bench/zb_benchmarks --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "cli/CommandLine.h"
#include "core/BeamDimensions.h"
#include "core/BeamFormEntries.h"
#include "core/ModuleState.h"
#include "report/ResultReport.h"

namespace {

void DimensionBeamThreeSpreaders(benchmark::State& state) {
  float f = zb::DesignedFrequency();
  for (auto _ : state) {
    benchmark::DoNotOptimize(f);
    benchmark::DoNotOptimize(zb::DimensionBeam(f, 0.95f, 0.0123, true, zb::kKoeffDipol));
  }
}
BENCHMARK(DimensionBeamThreeSpreaders);

// The report text alone, without the file.
void ComposeReport(benchmark::State& state) {
  zb::ReportInputs in;
  in.f = 14.2f;
  in.vf = 0.95f;
  in.lambda = 300.0 / static_cast<double>(in.f);
  in.dims = zb::DimensionBeam(in.f, in.vf, 0.0, true, zb::kKoeffDipol);
  in.bandLabel = "14";
  in.bandPosition = 1;
  in.insulationText = "4,0   PVC";
  in.permittivity = 4.0f;
  for (auto _ : state) benchmark::DoNotOptimize(zb::ComposeResultReport(in, {"07.12.2026 14:03:59", "x"}));
}
BENCHMARK(ComposeReport)->Unit(benchmark::kMicrosecond);

// The headless form, the run, the summary and the report written to disk.
void HeadlessRunWithReport(benchmark::State& state) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zb-bench";
  std::filesystem::create_directories(folder);
  const std::vector<std::string> args = {"--band", "14", "--isolierung", "PVC", "--leiter", "1,5", "--aussen", "2"};
  const zb::CliEnvironment environment{[] { return std::string("07.12.2026 14:03:59"); }, folder};
  for (auto _ : state) {
    std::ostringstream out, err;
    benchmark::DoNotOptimize(zb::RunCommandLine(args, out, err, environment));
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(HeadlessRunWithReport)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
