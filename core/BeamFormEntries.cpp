#include "core/BeamFormEntries.h"

#include "core/NumberText.h"

namespace zb {

float DesignedFrequency() { return ParseNumber(kBeamFormEntries.frequency); }

std::string LoadedFrequencyText() { return FormatGeneral(DesignedFrequency()); }

}  // namespace zb
