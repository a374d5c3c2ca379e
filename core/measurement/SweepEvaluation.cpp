#include "core/measurement/SweepEvaluation.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zb {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

MeasuredPoint Evaluated(double frequencyMHz, std::complex<double> gamma, double z0) {
  MeasuredPoint p;
  p.frequencyMHz = frequencyMHz;
  p.gamma = gamma;
  // Z = z0 (1 + g) / (1 - g), written out so that g = 1 gives inf, not the library's choice.
  const double gr = gamma.real(), gi = gamma.imag();
  const double dr = 1 - gr, di = -gi;
  const double norm = dr * dr + di * di;
  const double nr = 1 + gr, ni = gi;
  if (norm == 0) {
    p.resistance = kInfinity;
    p.reactance = std::numeric_limits<double>::quiet_NaN();
  } else {
    p.resistance = z0 * (nr * dr + ni * di) / norm;
    p.reactance = z0 * (ni * dr - nr * di) / norm;
  }
  const double magnitude = std::hypot(gr, gi);
  p.swr = magnitude >= 1 ? kInfinity : (1 + magnitude) / (1 - magnitude);
  return p;
}

// Without a crossing of X: an antenna inductive over the whole sweep resonates
// below it, one capacitive throughout above it. An undetermined X (NaN)
// decides neither, nor do X of both signs.
ResonanceKind WithoutCrossing(const std::vector<MeasuredPoint>& points) {
  const auto all = [&points](auto test) { return std::all_of(points.begin(), points.end(), test); };
  if (all([](const MeasuredPoint& p) { return p.reactance >= 0; })) return ResonanceKind::BelowSweep;
  if (all([](const MeasuredPoint& p) { return p.reactance < 0; })) return ResonanceKind::AboveSweep;
  return ResonanceKind::SwrMinimum;
}

// The frequency where the SWR passes threshold between the point inside and the one outside.
double Edge(const MeasuredPoint& inside, const MeasuredPoint& outside, double threshold) {
  if (std::isinf(outside.swr)) return inside.frequencyMHz;
  const double t = (threshold - inside.swr) / (outside.swr - inside.swr);
  return inside.frequencyMHz + (outside.frequencyMHz - inside.frequencyMHz) * t;
}

}  // namespace

MeasurementRead EvaluatedRead(TouchstoneRead read) {
  MeasurementRead result;
  if (!read.sweep) {
    result.error = std::move(read.error);
    return result;
  }
  Measurement m;
  m.points = MeasuredPoints(*read.sweep);
  m.evaluation = EvaluateSweep(m.points, read.sweep->z0);
  m.optionsAssumed = !read.sweep->optionLineGiven;
  result.measurement = std::move(m);
  return result;
}

const char* ResonanceKindName(ResonanceKind kind) {
  switch (kind) {
    case ResonanceKind::ReactanceZero:
      return "reactanceZero";
    case ResonanceKind::SwrMinimum:
      return "swrMinimum";
    case ResonanceKind::BelowSweep:
      return "belowSweep";
    case ResonanceKind::AboveSweep:
      return "aboveSweep";
  }
  return "swrMinimum";
}

bool ResonanceOutsideSweep(ResonanceKind kind) {
  return kind == ResonanceKind::BelowSweep || kind == ResonanceKind::AboveSweep;
}

std::vector<MeasuredPoint> MeasuredPoints(const Sweep& sweep) {
  std::vector<MeasuredPoint> points;
  points.reserve(sweep.frequencyMHz.size());
  for (std::size_t i = 0; i < sweep.frequencyMHz.size() && i < sweep.gamma.size(); ++i)
    points.push_back(Evaluated(sweep.frequencyMHz[i], sweep.gamma[i], sweep.z0));
  return points;
}

std::optional<SwrBand> SwrBandAround(const std::vector<MeasuredPoint>& points, std::size_t minimum,
                                     double threshold) {
  if (minimum >= points.size() || !(points[minimum].swr <= threshold)) return std::nullopt;
  std::size_t low = minimum, high = minimum;
  while (low > 0 && points[low - 1].swr <= threshold) --low;
  while (high + 1 < points.size() && points[high + 1].swr <= threshold) ++high;
  SwrBand band;
  band.lowOpen = low == 0;
  band.lowMHz = band.lowOpen ? points.front().frequencyMHz : Edge(points[low], points[low - 1], threshold);
  band.highOpen = high + 1 == points.size();
  band.highMHz = band.highOpen ? points.back().frequencyMHz : Edge(points[high], points[high + 1], threshold);
  return band;
}

SweepEvaluation EvaluateSweep(const std::vector<MeasuredPoint>& points, double z0) {
  SweepEvaluation e;
  e.z0 = z0;
  e.points = points.size();
  if (points.empty()) return e;
  e.fStartMHz = points.front().frequencyMHz;
  e.fStopMHz = points.back().frequencyMHz;

  std::size_t minimum = 0;
  for (std::size_t i = 1; i < points.size(); ++i)
    if (points[i].swr < points[minimum].swr) minimum = i;
  e.swrMin = points[minimum].swr;
  e.swrMinMHz = points[minimum].frequencyMHz;

  // Series resonance: X from capacitive (< 0) to inductive (>= 0); the crossing nearest the minimum.
  bool found = false;
  double bestDistance = kInfinity;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    const MeasuredPoint& a = points[i];
    const MeasuredPoint& b = points[i + 1];
    if (!(a.reactance < 0 && b.reactance >= 0) || !std::isfinite(a.reactance) || !std::isfinite(b.reactance))
      continue;
    const double t = -a.reactance / (b.reactance - a.reactance);
    // Rounding must not carry f past the later point (t is at most 1).
    const double f = std::min(a.frequencyMHz + (b.frequencyMHz - a.frequencyMHz) * t, b.frequencyMHz);
    const double distance = std::fabs(f - e.swrMinMHz);
    if (found && !(distance < bestDistance)) continue;  // ascending: the lower one wins a tie
    found = true;
    bestDistance = distance;
    e.resonanceMHz = f;
    e.resistance = a.resistance + (b.resistance - a.resistance) * t;
    e.reactance = a.reactance + (b.reactance - a.reactance) * t;
  }
  if (found) {
    e.resonanceKind = ResonanceKind::ReactanceZero;
  } else {
    e.resonanceKind = WithoutCrossing(points);
    e.resonanceMHz = e.swrMinMHz;
    e.resistance = points[minimum].resistance;
    e.reactance = points[minimum].reactance;
  }

  e.swr2 = SwrBandAround(points, minimum, kSwrBandWide);
  e.swr15 = SwrBandAround(points, minimum, kSwrBandNarrow);
  return e;
}

MeasurementRead EvaluateTouchstone(std::string_view text, int ports) {
  return EvaluatedRead(ParseTouchstone(text, ports));
}

MeasurementRead ReadMeasurement(const std::filesystem::path& path) {
  return EvaluatedRead(ReadTouchstoneFile(path));
}

}  // namespace zb
