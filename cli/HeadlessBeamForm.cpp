#include "cli/HeadlessBeamForm.h"

#include <algorithm>
#include <cctype>

#include "core/BeamFormRules.h"
#include "core/Insulation.h"
#include "core/NumberText.h"
#include "core/Platform.h"
#include "core/RuntimeError.h"

namespace zb {

namespace {

constexpr std::array<const char*, 11> kDesignCaptions = {"1.8", "3.5", "7.0", "10", "14", "18",
                                                          "21",  "24",  "28",  "50", "andere"};
constexpr std::size_t kFrequencyLength = 7;
constexpr std::size_t kVelocityFactorLength = 7;
constexpr std::size_t kDiameterLength = 5;
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

HeadlessBeamForm::HeadlessBeamForm(Platform& platform)
    : platform_(platform),
      text1_(FormatGeneral(50.2f)),
      text4_("1,00"),
      combo1_(AirMaterialText()),
      text6_("9"),
      text7_("8") {
  Text7_Change();
  for (std::size_t i = 0; i < kDesignCaptions.size(); ++i) option2Captions_[i] = ShownBandCaption(kDesignCaptions[i]);
}

template <typename OnChange>
void HeadlessBeamForm::Type(std::string& box, std::string_view typed, std::size_t maxLength, OnChange onChange) {
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
    onChange();
  }
}

void HeadlessBeamForm::TypeText1(std::string_view typed) { Type(text1_, typed, kFrequencyLength, [] {}); }

void HeadlessBeamForm::SelectOption2(int index) {
  if (index == selectedOption2_ || index < 0 || index > kBandOther) return;
  selectedOption2_ = index;
  if (auto text = BandButtonFrequencyText(option2Captions_[static_cast<std::size_t>(index)], selectedOption1_))
    text1_ = *text;
}

void HeadlessBeamForm::ClickOption2(int index) { SelectOption2(index); }

void HeadlessBeamForm::ClickOption1(int index) {
  if (index == selectedOption1_ || index < 0 || index > 2) return;
  selectedOption1_ = index;
  if (auto text = SegmentButtonFrequencyText(text1_, index)) text1_ = *text;
}

void HeadlessBeamForm::TypeText4AndLeave(std::string_view typed) {
  Type(text4_, typed, kVelocityFactorLength, [] {});
  const Text4Leave leave = LeaveVelocityFactor(text4_);
  switch (leave.kind) {
    case Text4Leave::SetSpinner:
      SetSpinnerValue(leave.spinnerValue);
      break;
    case Text4Leave::ExactlyOne:
      combo1_ = kIdealWireCombo;
      diametersEnabled_ = false;
      platform_.Beep();
      platform_.DoEvents();
      break;
    case Text4Leave::OutOfRange:
      info_ = kVelocityFactorNote;
      text4_ = kTypicalVelocityFactor;
      platform_.Beep();
      platform_.DoEvents();
      break;
  }
}

void HeadlessBeamForm::SetSpinnerValue(int value) {
  if (value == spinnerValue_) return;
  spinnerValue_ = value;
  VkSteller_Change();
}

void HeadlessBeamForm::VkSteller_Change() {
  const int value = spinnerValue_;
  if (const std::optional<int> rebased = RebasedSpinnerValue(value, lastVkStellerValue_, text4_))
    SetSpinnerValue(*rebased);
  lastVkStellerValue_ = value;
  text4_ = VelocityFactorTextFor(spinnerValue_);
}

void HeadlessBeamForm::EnterCombo1(std::string_view text) {
  const std::vector<std::string> list = InsulationMaterialList();
  for (std::size_t i = 0; i < list.size(); ++i) {
    const bool named = !Trimmed(text).empty() && SameLetters(Trimmed(text), MaterialName(list[i]));
    if (list[i] == text || named) {  // picked from the list
      combo1_ = list[i];
      diametersEnabled_ = MaterialEnablesDiameters(static_cast<int>(i));
      return;
    }
  }
  Type(combo1_, text, kUnlimited, [this] { Combo1_KeyUp(); });
}

void HeadlessBeamForm::Combo1_KeyUp() { diametersEnabled_ = CountsAsInsulated(ParseNumber(combo1_)); }

void HeadlessBeamForm::TypeText6(std::string_view typed) { Type(text6_, typed, kDiameterLength, [] {}); }

void HeadlessBeamForm::TypeText7(std::string_view typed) {
  Type(text7_, typed, kDiameterLength, [this] { Text7_Change(); });
}

void HeadlessBeamForm::Text7_Change() {
  if (auto outer = CoupledOuterDiameter(text7_, text6_)) text6_ = *outer;
}

int HeadlessBeamForm::Option2IndexOf(std::string_view caption) {
  for (std::size_t i = 0; i < kDesignCaptions.size(); ++i)
    if (caption == kDesignCaptions[i] || caption == ShownBandCaption(kDesignCaptions[i])) return static_cast<int>(i);
  float value = 0.0f;
  try {
    value = ParseNumber(caption);
  } catch (const RuntimeError&) {
    return -1;
  }
  for (std::size_t i = 0; i + 1 < kDesignCaptions.size(); ++i)
    if (value != 0.0f && value == ParseNumber(kDesignCaptions[i])) return static_cast<int>(i);
  return -1;
}

}  // namespace zb
