#pragma once
// The run-time error an action raises, for tests of error paths.
#include <cstdint>
#include <utility>

#include "platform/runtime_error.h"

namespace zolk::testsupport {

// The RuntimeError `action` raises; one numbered 0 when it raises none.
template <class F>
platform::RuntimeError raised(F&& action) {
    try {
        action();
    } catch (const platform::RuntimeError& e) {
        return e;
    }
    return platform::RuntimeError(0, "");
}

// The number of the RuntimeError `action` raises; 0 when it raises none.
template <class F>
std::int32_t errorNumber(F&& action) {
    return raised(std::forward<F>(action)).number();
}

}  // namespace zolk::testsupport
