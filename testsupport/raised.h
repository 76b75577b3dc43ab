#pragma once
// The number of the run-time error an action raises, for tests of error paths.
#include <cstdint>

#include "platform/runtime_error.h"

namespace zolk::testsupport {

// The number of the RuntimeError `action` raises; 0 when it raises none.
template <class F>
std::int32_t errorNumber(F&& action) {
    try {
        action();
    } catch (const platform::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace zolk::testsupport
