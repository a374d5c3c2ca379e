#include "cli/HeadlessVkForm.h"

#include "core/side/VkFormRules.h"

namespace zb {

HeadlessVkForm::HeadlessVkForm(const std::string& beamText1, const std::string& beamText7) : title_(kVfTitle) {
  const VkLoadedTexts loaded = LoadedVkTexts(beamText1, beamText7);
  tag_ = loaded.tag;
  SetBoxes(loaded.text1, loaded.text2, loaded.text3);
}

void HeadlessVkForm::OpenAsPruningWindow() {
  title_ = kPruningTitle;
  tag_ = kVkTagClosed;
  label5_ = label7_ = label9_ = label13_ = "";
  SetBoxes("", "", "");
}

void HeadlessVkForm::SetBoxes(const std::string& text1, const std::string& text2, const std::string& text3) {
  text1_ = text1;
  text2_ = text2;
  text3_ = text3;
}

}  // namespace zb
