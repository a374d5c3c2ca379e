#include "cli/HeadlessBeamForm.h"

#include <algorithm>
#include <cctype>

#include "core/beam/BeamFormRules.h"
#include "core/beam/Insulation.h"
#include "core/numbers/NumberText.h"
#include "core/shared/Platform.h"
#include "core/numbers/RuntimeError.h"

namespace zb {

namespace {

constexpr std::size_t kUnlimited = static_cast<std::size_t>(-1);

std::string Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return "";
  return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The material name of a list entry: what follows its number.
std::string MaterialName(const std::string& entry) {
  const auto end = entry.find_first_not_of("0123456789,.");
  return end == std::string::npos ? "" : Trimmed(std::string_view(entry).substr(end));
}

}  // namespace

HeadlessBeamForm::HeadlessBeamForm(Platform& platform) : platform_(platform), model_(*this, platform) {
  for (std::size_t i = 0; i < kBandCaptions.size(); ++i) option2Captions_[i] = kBandCaptions[i];
  model_.Form_Load();
}

template <typename OnChange>
void HeadlessBeamForm::Type(std::string& box, std::string_view typed, std::size_t maxLength,
                            OnChange onChange) {
  lastTyped_.clear();
  if (typed.empty()) {  // select all and delete
    if (!box.empty()) {
      box.clear();
      onChange();
    }
    return;
  }
  bool replaced = false;
  for (char key : typed) {
    const auto code = static_cast<std::int16_t>(static_cast<unsigned char>(key));
    if (FilterNumericKey(code, kNumericKeys, platform_) == 0) continue;
    if (!replaced) {
      box.clear();
      replaced = true;
    }
    if (key == '\b') {
      if (!box.empty()) box.pop_back();
    } else if (box.size() < maxLength) {
      box += key;
    } else {
      continue;
    }
    lastTyped_ += key;
    onChange();
  }
}

void HeadlessBeamForm::TypeText1(std::string_view typed) {
  Type(text1_, typed, kFrequencyLength, [] {});
}

void HeadlessBeamForm::SelectBand(int index) {
  if (index == selectedOption2_ || index < 0 || index > kBandOther) return;
  selectedOption2_ = index;
  model_.Option2_Click(index);
}

void HeadlessBeamForm::ClickOption2(int index) { SelectBand(index); }

void HeadlessBeamForm::ClickOption1(int index) {
  if (index == selectedOption1_ || index < 0 || index > 2) return;
  selectedOption1_ = index;
  model_.Option1_Click(index);
}

void HeadlessBeamForm::TypeText4AndLeave(std::string_view typed) {
  Type(text4_, typed, kVelocityFactorLength, [] {});
  model_.Text4_LostFocus();
}

void HeadlessBeamForm::SetSpinnerValue(int value) {
  if (value == spinnerValue_) return;
  spinnerValue_ = value;
  model_.VkSteller_Change();
}

int HeadlessBeamForm::InsulationIndexOf(std::string_view text) {
  const std::vector<std::string> list = InsulationMaterialList();
  for (std::size_t i = 0; i < list.size(); ++i) {
    const bool named = !Trimmed(text).empty() && SameLetters(Trimmed(text), MaterialName(list[i]));
    if (list[i] == text || named) return static_cast<int>(i);
  }
  return -1;
}

std::string HeadlessBeamForm::InsulationNames() {
  std::string names;
  for (const std::string& entry : InsulationMaterialList()) {
    const std::string name = MaterialName(entry);
    if (!name.empty()) names += (names.empty() ? "" : ", ") + name;
  }
  return names;
}

void HeadlessBeamForm::EnterCombo1(std::string_view text) {
  if (const int index = InsulationIndexOf(text); index >= 0) {  // picked from the list
    combo1_ = InsulationMaterialList()[static_cast<std::size_t>(index)];
    lastTyped_ = std::string(text);
    model_.Combo1_Click(index);
    return;
  }
  Type(combo1_, text, kUnlimited, [this] { model_.Combo1_KeyUp(); });
}

void HeadlessBeamForm::TypeText6(std::string_view typed) {
  Type(text6_, typed, kDiameterLength, [] {});
}

void HeadlessBeamForm::TypeText7(std::string_view typed) {
  Type(text7_, typed, kDiameterLength, [this] { model_.Text7_Change(); });
}

void HeadlessBeamForm::SetConductorDiameterText(const std::string& text) {
  if (text == text7_) return;
  text7_ = text;
  model_.Text7_Change();
}

int HeadlessBeamForm::Option2IndexOf(std::string_view caption) {
  for (std::size_t i = 0; i < kBandCaptions.size(); ++i)
    if (caption == kBandCaptions[i] || caption == ShownBandCaption(kBandCaptions[i]))
      return static_cast<int>(i);
  float value = 0.0f;
  try {
    value = ParseNumber(caption);
  } catch (const RuntimeError&) {
    return -1;
  }
  for (std::size_t i = 0; i + 1 < kBandCaptions.size(); ++i)
    if (value != 0.0f && value == ParseNumber(kBandCaptions[i])) return static_cast<int>(i);
  return -1;
}

}  // namespace zb
