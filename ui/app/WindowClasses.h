#pragma once
// The program's window classes by name: the keys under which the module
// keeps their default instances and the factories that make them.

#include <string_view>

namespace zb::ui::window_class {

inline constexpr std::string_view kFrame = "MDIForm1";
inline constexpr std::string_view kBeamForm = "frmHauptform";
inline constexpr std::string_view kQuickView = "frmRTF";
inline constexpr std::string_view kVelocityFactor = "frmVk";
inline constexpr std::string_view kZusatzDipol = "ZusatzDipol";
inline constexpr std::string_view kMessung = "frmMessung";
inline constexpr std::string_view kAnalysator = "frmAnalysator";

}  // namespace zb::ui::window_class
