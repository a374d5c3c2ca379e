#pragma once
// The amateur bands: the caption of each band button, the frequencies that
// count as the band, its name in the result report, and the preferred
// resonance frequencies of its three segments, looked up by the frequency
// rounded to whole megahertz.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/shared/Translate.h"

namespace zb {

enum Segment : std::int16_t { kSegmentCw = 1, kSegmentSsb = 2, kSegmentCentre = 3 };

struct AmateurBand {
  const char* caption;  // its band button's design caption, read as the band's lower edge
  float low;            // the frequencies recognised as the band, both bounds included
  float high;
  const char* label;  // the band in the result report
  // The whole megahertz whose design frequencies this band gives: a
  // frequency typed near the band moves to the band's design frequency.
  std::int16_t firstSlot;
  std::int16_t lastSlot;
  float cw;
  float ssb;
  float centre;
};

// In the order of the band buttons, left to right; the button after
// the last band is "andere".
inline constexpr std::array<AmateurBand, 10> kAmateurBands = {{
    // The 160 m band starts at 1.81 MHz, though its button reads 1.8.
    {"1.8", 1.81f, 2.0f, "1,8", 2, 2, 1.82f, 1.86f, 1.857f},
    {"3.5", 3.5f, 3.8f, "3,5", 3, 4, 3.5f, 3.7f, 3.65f},
    {"7.0", 7.0f, 7.2f, " 7", 6, 7, 7.02f, 7.12f, 7.1f},
    {"10", 10.1f, 10.15f, "10", 10, 10, 10.1f, 10.13f, 10.125f},
    {"14", 14.0f, 14.35f, "14", 14, 14, 14.0f, 14.25f, 14.2f},
    {"18", 18.068f, 18.168f, "18", 18, 18, 18.068f, 18.13f, 18.118f},
    {"21", 21.0f, 21.45f, "21", 21, 21, 21.0f, 21.25f, 21.225f},
    // Slot 25, where a typed 24.5 to 25.5 MHz falls; its button's 24 finds
    // no entry and stays 24.
    {"24", 24.89f, 24.99f, "24", 25, 25, 24.89f, 24.95f, 24.94f},
    {"28", 28.0f, 29.7f, "28", 28, 30, 28.0f, 28.6f, 28.5f},
    {"50", 50.0f, 52.0f, "50", 50, 50, 50.09f, 50.15f, 50.5f},
}};

// The band buttons: one per band and "andere" for any other frequency.
inline constexpr std::size_t kBandButtonCount = kAmateurBands.size() + 1;
inline constexpr int kBandOther = static_cast<int>(kAmateurBands.size());  // "andere"

// The band buttons' design captions.
inline constexpr std::array<const char*, kBandButtonCount> kBandCaptions = [] {
  std::array<const char*, kBandButtonCount> captions{};
  for (std::size_t i = 0; i < kAmateurBands.size(); ++i) captions[i] = kAmateurBands[i].caption;
  captions[kAmateurBands.size()] = TrMark("BeamForm", "andere");
  return captions;
}();

// The table's design frequency for the segment (1 CW, 2 SSB, anything else the
// band centre), or f itself when the table has no entry for f.
float BandDesignFrequency(std::int16_t segment, float f);

// The band a frequency lies in: the band button's index and the report's
// band label, or nothing outside every band.
struct RecognisedBand {
  int option2Index;
  const char* label;
};
std::optional<RecognisedBand> RecogniseBand(float f);

// The nearest integer with ties to the even one, or nothing outside the
// 16-bit range.
bool RoundToInt16(double value, std::int16_t& result);

}  // namespace zb
