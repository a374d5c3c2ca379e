#include "cli/HeadlessBeamForm.h"

#include <algorithm>
#include <cctype>

#include "core/beam/BeamFormRules.h"
#include "core/beam/Insulation.h"
#include "core/numbers/NumberText.h"
#include "core/numbers/RuntimeError.h"
#include "core/shared/Platform.h"
#include "core/shared/Translate.h"

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
  for (std::size_t i = 0; i < kBandCaptions.size(); ++i) bandCaptions_[i] = kBandCaptions[i];
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

void HeadlessBeamForm::TypeFrequency(std::string_view typed) {
  Type(frequency_, typed, kFrequencyLength, [] {});
}

void HeadlessBeamForm::SelectBand(int index) {
  if (index == selectedBand_ || index < 0 || index > kBandOther) return;
  selectedBand_ = index;
  model_.OnBandClicked(index);
}

void HeadlessBeamForm::ClickBand(int index) { SelectBand(index); }

void HeadlessBeamForm::ClickSegment(int index) {
  if (index == selectedSegment_ || index < 0 || index > 2) return;
  selectedSegment_ = index;
  model_.OnSegmentClicked(index);
}

void HeadlessBeamForm::TypeVelocityFactor(std::string_view typed) {
  Type(velocityFactor_, typed, kVelocityFactorLength, [] {});
  model_.OnVelocityFactorLeft();
}

void HeadlessBeamForm::SetSpinnerValue(int value) {
  if (value == spinnerValue_) return;
  spinnerValue_ = value;
  model_.OnSpinnerChanged();
}

// An entry or a material's name, as the list shows it or by its German name.
int HeadlessBeamForm::InsulationIndexOf(std::string_view text) {
  for (const std::vector<std::string>& list : {InsulationMaterialList(), GermanInsulationMaterialList()}) {
    for (std::size_t i = 0; i < list.size(); ++i) {
      const bool named = !Trimmed(text).empty() && SameLetters(Trimmed(text), MaterialName(list[i]));
      if (list[i] == text || named) return static_cast<int>(i);
    }
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

void HeadlessBeamForm::EnterInsulation(std::string_view text) {
  if (const int index = InsulationIndexOf(text); index >= 0) {  // picked from the list
    permittivity_ = InsulationMaterialList()[static_cast<std::size_t>(index)];
    lastTyped_ = std::string(text);
    model_.OnInsulationChosen(index);
    return;
  }
  Type(permittivity_, text, kUnlimited, [this] { model_.OnInsulationKeyUp(); });
}

void HeadlessBeamForm::TypeOuterDiameter(std::string_view typed) {
  Type(outerDiameter_, typed, kDiameterLength, [] {});
}

void HeadlessBeamForm::TypeConductorDiameter(std::string_view typed) {
  Type(conductorDiameter_, typed, kDiameterLength, [this] { model_.OnConductorDiameterEdited(); });
}

void HeadlessBeamForm::SetConductorDiameterText(const std::string& text) {
  if (text == conductorDiameter_) return;
  conductorDiameter_ = text;
  model_.OnConductorDiameterEdited();
}

int HeadlessBeamForm::BandIndexOf(std::string_view caption) {
  for (std::size_t i = 0; i < kBandCaptions.size(); ++i)
    if (caption == kBandCaptions[i] || caption == ShownBandCaption(kBandCaptions[i]) ||
        caption == Tr("BeamForm", kBandCaptions[i]))  // "other" on an English terminal
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
