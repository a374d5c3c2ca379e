#include "core/beam/Insulation.h"

#include "core/numbers/CheckedMath.h"
#include "core/numbers/NumberText.h"
#include "core/shared/Translate.h"

namespace zb {

namespace {

// The names keep their leading blanks in every language: they line the
// names up behind the numbers.
struct Material {
  float permittivity;
  const char* mask;
  const char* name;
};

constexpr Material kMaterials[] = {
    {1.0f, "#0.0#", TrMark("Insulation", "   Vakuum")},
    {1.00059f, "#0.0####", TrMark("Insulation", " Luft")},
    {2.0f, "#0.0#", TrMark("Insulation", "   Papier")},
    {2.2f, "#0.0#", TrMark("Insulation", "   PTFE GY")},
    {2.3f, "#0.0#", TrMark("Insulation", "   Polyethylen PE")},
    {2.35f, "#0.0#", TrMark("Insulation", " Öl")},
    {2.48f, "#0.0#", TrMark("Insulation", " PTFE GX")},
    {2.6f, "#0.0#", TrMark("Insulation", "   Polystyrol")},
    {2.7f, "#0.0#", TrMark("Insulation", "   Gummi")},
    {2.8f, "#0.0#", TrMark("Insulation", "   Silikon SIR")},
    {3.2f, "#0.0#", TrMark("Insulation", "   Holz")},
    {3.5f, "#0.0#", TrMark("Insulation", "   Plexiglas")},
    {3.7f, "#0.0#", TrMark("Insulation", "   Polyamid PA")},
    {4.0f, "#0.0#", TrMark("Insulation", "   PVC")},
    {4.5f, "#0.0#", TrMark("Insulation", "   Epoxyd FR4")},
    {4.5f, "#0.0#", TrMark("Insulation", "   Cevausit")},
    {5.0f, "#0.0#", TrMark("Insulation", "   Pertinax")},
    {5.0f, "#0.0#", TrMark("Insulation", "   Igelit")},
    {5.0f, "#0.0#", TrMark("Insulation", "   Vinidur")},
    {5.5f, "#0.0#", TrMark("Insulation", "   Porzellan")},
    {6.0f, "#0.0#", TrMark("Insulation", "   Glas")},
    {6.15f, "#0.0#", TrMark("Insulation", " PTFE 3006")},
    {6.5f, "#0.0#", TrMark("Insulation", "   Calit")},
    {7.0f, "#0.0#", TrMark("Insulation", "   Glimmer")},
};

std::vector<std::string> MaterialList(bool translated) {
  std::vector<std::string> list{"        "};
  for (const Material& m : kMaterials)
    list.push_back(FormatNumber(m.permittivity, m.mask) + (translated ? Tr("Insulation", m.name) : m.name));
  return list;
}

}  // namespace

std::vector<std::string> InsulationMaterialList() { return MaterialList(true); }

std::vector<std::string> GermanInsulationMaterialList() { return MaterialList(false); }

std::string AirMaterialText() { return FormatGeneral(kAirPermittivity) + Tr("Insulation", " Luft"); }

std::optional<std::string> CoupledOuterDiameter(std::string_view conductorText, std::string_view outerText) {
  const float conductor = ParseNumber(conductorText);
  const float outer = ParseNumber(outerText);
  if (!(ToSingle(conductor + 0.1) > outer)) return std::nullopt;
  return FormatNumber(ToSingle(conductor + 0.5), "#0.0#");
}

}  // namespace zb
