#pragma once
// Calculations that go on past a failing step: the step that raises a
// run-time error is skipped, and whatever it would have set keeps its value.

#include "core/numbers/RuntimeError.h"

namespace zb {

template <typename Step>
void SkipOnError(Step step) {
  try {
    step();
  } catch (const RuntimeError&) {
  }
}

}  // namespace zb
