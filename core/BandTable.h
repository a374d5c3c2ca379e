#pragma once
// Preferred resonance frequencies of the amateur bands, looked up by the
// frequency rounded to whole megahertz.

#include <cstdint>

namespace zb {

enum Segment : std::int16_t { kSegmentCw = 1, kSegmentSsb = 2, kSegmentCentre = 3 };

// The table's design frequency for the segment (1 CW, 2 SSB, anything else the
// band centre), or f itself when the table has no entry for f.
float BandDesignFrequency(std::int16_t segment, float f);

// The nearest integer with ties to the even one, or nothing outside the
// 16-bit range.
bool RoundToInt16(double value, std::int16_t& result);

}  // namespace zb
