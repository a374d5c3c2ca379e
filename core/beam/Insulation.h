#pragma once
// Wire insulation: the material list of the permittivity box, the threshold
// between bare and insulated wire, and the coupling of the two diameters.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zb {

// The permittivity of air; above it a wire counts as insulated.
inline constexpr float kAirPermittivity = 1.00059f;
// Above this permittivity the calculation asks whether the entry is right.
inline constexpr float kImplausiblePermittivity = 20.0f;

inline bool CountsAsInsulated(float permittivity) { return permittivity > kAirPermittivity; }

// The entries of the permittivity list in their order, shown with the current
// decimal separator ("2,2   PTFE GY"); entry 0 is eight blanks.
std::vector<std::string> InsulationMaterialList();

// The same entries under their German names, whatever the program's language,
// so that a script written on a German desktop runs on any other.
std::vector<std::string> GermanInsulationMaterialList();

// The permittivity box's start text: air ("1,00059 Luft").
std::string AirMaterialText();

// Picking list entry `index` enables the diameters only for a real material.
inline bool MaterialEnablesDiameters(int index) { return index > 2; }

// When the conductor diameter changes: the outer diameter text to show so the
// outer one stays at least 0.1 mm above it, or nothing when it already does.
std::optional<std::string> CoupledOuterDiameter(std::string_view conductorText, std::string_view outerText);

}  // namespace zb
