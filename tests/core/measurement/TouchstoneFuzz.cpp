// libFuzzer target: the Touchstone reader and the evaluation on arbitrary
// bytes. The first byte picks the port count the file name would promise
// (0 to 3); the rest is the file. Every input is either read or refused with
// a message; a read sweep is ascending and finite.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/measurement/SweepEvaluation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int ports = data[0] % 4;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const zb::TouchstoneRead read = zb::ParseTouchstone(text, ports);
  if (!read.sweep) {
    if (read.error.message.empty()) std::abort();  // a refusal always says why
    return 0;
  }
  const zb::Sweep& sweep = *read.sweep;
  if (sweep.frequencyMHz.empty() || sweep.frequencyMHz.size() != sweep.gamma.size()) std::abort();
  for (std::size_t i = 0; i < sweep.frequencyMHz.size(); ++i) {
    if (!std::isfinite(sweep.frequencyMHz[i]) || !std::isfinite(sweep.gamma[i].real()) ||
        !std::isfinite(sweep.gamma[i].imag()))
      std::abort();
    if (i > 0 && !(sweep.frequencyMHz[i] > sweep.frequencyMHz[i - 1])) std::abort();
  }
  const std::vector<zb::MeasuredPoint> points = zb::MeasuredPoints(sweep);
  const zb::SweepEvaluation e = zb::EvaluateSweep(points, sweep.z0);
  if (e.points != points.size() || e.resonanceMHz < e.fStartMHz || e.resonanceMHz > e.fStopMHz) std::abort();
  for (const auto& band : {e.swr2, e.swr15})
    if (band && !(band->lowMHz <= e.swrMinMHz && e.swrMinMHz <= band->highMHz)) std::abort();
  return 0;
}
