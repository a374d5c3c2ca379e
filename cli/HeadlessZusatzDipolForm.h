#pragma once
// The coupled-dipole window without a window: its boxes and result labels as
// plain values, loaded as the window loads.

#include <array>
#include <string>

#include "core/ZusatzDipolFormAccess.h"
#include "core/ZusatzDipolRules.h"

namespace zb {

class HeadlessZusatzDipolForm final : public ZusatzDipolFormAccess {
 public:
  explicit HeadlessZusatzDipolForm(const ZusatzDipolLoadedTexts& loaded)
      : boxes_{loaded.text1, loaded.text2, loaded.text3, loaded.text4, loaded.text5, loaded.text6} {}

  // Box Text1 .. Text6.
  std::string& Box(int number) { return boxes_[static_cast<std::size_t>(number - 1)]; }
  const std::string& Label8() const { return label8_; }
  const std::string& Label10() const { return label10_; }
  // The box that got the focus last (1 .. 6), 0 when none did.
  int Focus() const { return focus_; }

  std::string GetText1() override { return Box(1); }
  std::string GetText2() override { return Box(2); }
  std::string GetText3() override { return Box(3); }
  std::string GetText4() override { return Box(4); }
  std::string GetText5() override { return Box(5); }
  std::string GetText6() override { return Box(6); }
  void SetText4(const std::string& text) override { Box(4) = text; }
  void SetText5(const std::string& text) override { Box(5) = text; }
  void SetText6(const std::string& text) override { Box(6) = text; }
  void SetLabel8(const std::string& caption) override { label8_ = caption; }
  void SetLabel10(const std::string& caption) override { label10_ = caption; }
  void FocusText(int number) override { focus_ = number; }

 private:
  std::array<std::string, 6> boxes_;
  std::string label8_, label10_;
  int focus_ = 0;
};

}  // namespace zb
