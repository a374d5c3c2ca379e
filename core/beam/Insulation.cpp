#include "core/beam/Insulation.h"

#include "core/numbers/CheckedMath.h"
#include "core/numbers/NumberText.h"

namespace zb {

namespace {

struct Material {
  float permittivity;
  const char* mask;
  const char* name;
};

constexpr Material kMaterials[] = {
    {1.0f, "#0.0#", "   Vakuum"},         {1.00059f, "#0.0####", " Luft"},
    {2.0f, "#0.0#", "   Papier"},         {2.2f, "#0.0#", "   PTFE GY"},
    {2.3f, "#0.0#", "   Polyethylen PE"}, {2.35f, "#0.0#", " Öl"},
    {2.48f, "#0.0#", " PTFE GX"},         {2.6f, "#0.0#", "   Polystyrol"},
    {2.7f, "#0.0#", "   Gummi"},          {2.8f, "#0.0#", "   Silikon SIR"},
    {3.2f, "#0.0#", "   Holz"},           {3.5f, "#0.0#", "   Plexiglas"},
    {3.7f, "#0.0#", "   Polyamid PA"},    {4.0f, "#0.0#", "   PVC"},
    {4.5f, "#0.0#", "   Epoxyd FR4"},     {4.5f, "#0.0#", "   Cevausit"},
    {5.0f, "#0.0#", "   Pertinax"},       {5.0f, "#0.0#", "   Igelit"},
    {5.0f, "#0.0#", "   Vinidur"},        {5.5f, "#0.0#", "   Porzellan"},
    {6.0f, "#0.0#", "   Glas"},           {6.15f, "#0.0#", " PTFE 3006"},
    {6.5f, "#0.0#", "   Calit"},          {7.0f, "#0.0#", "   Glimmer"},
};

}  // namespace

std::vector<std::string> InsulationMaterialList() {
  std::vector<std::string> list{"        "};
  for (const Material& m : kMaterials) list.push_back(FormatNumber(m.permittivity, m.mask) + m.name);
  return list;
}

std::string AirMaterialText() { return FormatGeneral(kAirPermittivity) + " Luft"; }

std::optional<std::string> CoupledOuterDiameter(std::string_view conductorText, std::string_view outerText) {
  const float conductor = ParseNumber(conductorText);
  const float outer = ParseNumber(outerText);
  if (!(ToSingle(conductor + 0.1) > outer)) return std::nullopt;
  return FormatNumber(ToSingle(conductor + 0.5), "#0.0#");
}

}  // namespace zb
