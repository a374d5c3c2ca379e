#include "cli/HeadlessVfForm.h"

#include "core/side/VfFormRules.h"

namespace zb {

HeadlessVfForm::HeadlessVfForm(const std::string& beamFrequency, const std::string& beamConductorDiameter) {
  const VfWindowLoadedTexts loaded = LoadedVfWindowTexts(beamFrequency, beamConductorDiameter);
  status_ = loaded.status;
  SetBoxes(loaded.frequencyOrLength, loaded.heightOrResonance, loaded.diameterOrWanted);
}

void HeadlessVfForm::OpenAsPruningWindow() {
  mode_ = VfWindowMode::Pruning;
  status_ = VfWindowStatus::Empty;
  heightShareOrVf_ = slendernessOrLength_ = estimateOrRadiator_ = directorChange_ = "";
  SetBoxes("", "", "");
}

void HeadlessVfForm::SetBoxes(const std::string& frequencyOrLength, const std::string& heightOrResonance,
                              const std::string& diameterOrWanted) {
  frequencyOrLength_ = frequencyOrLength;
  heightOrResonance_ = heightOrResonance;
  diameterOrWanted_ = diameterOrWanted;
}

}  // namespace zb
