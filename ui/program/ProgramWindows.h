#pragma once
// The one place that knows every window of the program: registers a factory
// for each window class with the module.

namespace zb::ui {

class Module1;

void RegisterProgramWindows(Module1& module);

}  // namespace zb::ui
