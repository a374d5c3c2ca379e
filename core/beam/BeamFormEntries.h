#pragma once
// The beam form's entries before the user touches it: as designed and as the
// form loads them. The window, the form model, the calculation run and the
// command line's headless form all start from these.

#include <string>

#include "core/beam/BandTable.h"
#include "core/shared/Translate.h"

namespace zb {

struct BeamFormEntries {
  const char* frequency;          // as designed, MHz
  const char* velocityFactor;     // the velocity-factor box
  const char* outerDiameter;      // as loaded, mm
  const char* conductorDiameter;  // as loaded, mm
  int spinner;                    // the spinner as loaded
  int band;                       // the selected band button
  int segment;                    // the selected segment button
  const char* info;               // the note area
};

inline constexpr BeamFormEntries kBeamFormEntries = {
    .frequency = "50.2",
    .velocityFactor = "1,00",
    .outerDiameter = "9",
    .conductorDiameter = "8",
    .spinner = 0,
    .band = kBandOther,
    .segment = 1,  // SSB
    .info = TrMark("BeamForm", "Hinweis: "),
};

// The designed resonance frequency in MHz: what the form loads with and what
// a calculation takes when the frequency box holds no positive number.
float DesignedFrequency();

// The frequency box as the form loads it: the designed frequency in the
// general number format.
std::string LoadedFrequencyText();

}  // namespace zb
