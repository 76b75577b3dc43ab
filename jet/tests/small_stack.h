#pragma once
// Runs work on a thread with a small stack of its own, and measures how much of it was used.
#include <pthread.h>

#include <cstring>
#include <exception>
#include <functional>
#include <vector>

namespace zolk::jet::testing {

// The stack the engine must fit in: a quarter of a MiB, more under AddressSanitizer, whose
// instrumented frames (redzones, the fake stack of returns) take up to about thirty times more.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr std::size_t kSmallStack = 8192 * 1024;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr std::size_t kSmallStack = 8192 * 1024;
#else
inline constexpr std::size_t kSmallStack = 256 * 1024;
#endif
#else
inline constexpr std::size_t kSmallStack = 256 * 1024;
#endif

// Runs `work` on a thread whose stack is `bytes` long, rethrows what it threw and returns the
// deepest extent of the stack it reached, in bytes.
inline std::size_t runOnSmallStack(const std::function<void()>& work, std::size_t bytes = kSmallStack) {
    constexpr unsigned char kUnused = 0xA5;
    std::vector<unsigned char> stack(bytes, kUnused);
    struct Job {
        const std::function<void()>* work;
        std::exception_ptr error;
    } job{&work, nullptr};
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstack(&attr, stack.data(), stack.size());
    pthread_t thread;
    const int rc = pthread_create(
        &thread, &attr,
        [](void* p) -> void* {
            auto* j = static_cast<Job*>(p);
            try {
                (*j->work)();
            } catch (...) {
                j->error = std::current_exception();
            }
            return nullptr;
        },
        &job);
    pthread_attr_destroy(&attr);
    if (rc != 0) throw std::runtime_error("cannot start a thread");
    pthread_join(thread, nullptr);
    // The stack grows down: the lowest byte written marks the deepest point reached.
    std::size_t untouched = 0;
    while (untouched < stack.size() && stack[untouched] == kUnused) ++untouched;
    if (job.error) std::rethrow_exception(job.error);
    return stack.size() - untouched;
}

}  // namespace zolk::jet::testing
