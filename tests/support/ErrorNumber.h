#pragma once
// The run-time error number an action raises, or 0 when it raises none.

#include <functional>

#include "core/numbers/RuntimeError.h"

namespace zb::test {

inline int ErrorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const RuntimeError& e) {
    return e.Number();
  }
  return 0;
}

}  // namespace zb::test
