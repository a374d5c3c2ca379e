// How long the dimensioning and a whole "&Rechnen" take.
//   build/bench/zb_benchmarks --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>

#include "cli/CommandLine.h"
#include "core/beam/BeamDimensions.h"
#include "core/beam/BeamFormEntries.h"
#include "core/measurement/SweepEvaluation.h"
#include "core/shared/ModuleState.h"
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
  const std::vector<std::string> args = {"--band",   "14",  "--isolierung", "PVC",
                                         "--leiter", "1,5", "--aussen",     "2"};
  const zb::CliEnvironment environment{[] { return std::string("07.12.2026 14:03:59"); }, folder};
  for (auto _ : state) {
    std::ostringstream out, err;
    benchmark::DoNotOptimize(zb::RunCommandLine(args, out, err, environment));
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(HeadlessRunWithReport)->Unit(benchmark::kMicrosecond);

// A 100,001-point sweep file read and evaluated (the issue asks for under 50 ms):
// a series R-L-C circuit from 1 to 30 MHz in a version 1 one-port file.
void ReadAndEvaluateSweep(benchmark::State& state) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "zb-bench-sweep.s1p";
  {
    std::ofstream out(file, std::ios::binary);
    out << "! 100001 points\r\n# MHz S MA R 50\r\n";
    const double f0 = 14.1e6, l = 2e-6,
                 c = 1 / ((2 * std::numbers::pi * f0) * (2 * std::numbers::pi * f0) * l);
    char line[96];
    for (int i = 0; i <= 100000; ++i) {
      const double hz = 1e6 + i * 290.0, w = 2 * std::numbers::pi * hz;
      const std::complex<double> z(35, w * l - 1 / (w * c));
      const std::complex<double> g = (z - 50.0) / (z + 50.0);
      std::snprintf(line, sizeof line, "%.6f %.9f %.6f\r\n", hz / 1e6, std::abs(g),
                    std::arg(g) * 180 / std::numbers::pi);
      out << line;
    }
  }
  for (auto _ : state) {
    const zb::MeasurementRead read = zb::ReadMeasurement(file);
    if (!read.measurement || read.measurement->evaluation.points != 100001) state.SkipWithError("not read");
    benchmark::DoNotOptimize(read);
  }
  std::filesystem::remove(file);
}
BENCHMARK(ReadAndEvaluateSweep)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
