#include "core/beam/BeamFormEntries.h"

#include "core/numbers/NumberText.h"

namespace zb {

float DesignedFrequency() { return ParseNumber(kBeamFormEntries.frequency); }

std::string LoadedFrequencyText() { return FormatGeneral(DesignedFrequency()); }

}  // namespace zb
