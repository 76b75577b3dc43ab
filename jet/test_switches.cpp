#include "jet/test_switches.h"

#include <mutex>

namespace zolk::jet::switches {
namespace {

std::mutex guard;
std::uint64_t armedAction = 0;
std::uint64_t actionsSeen = 0;
Fault armedFault = Fault::IoError;
bool raised = false;
std::atomic<std::uint64_t> steps{0};

}  // namespace

namespace detail {

std::atomic<bool> faultArmed{false};

std::optional<Fault> countAction() {
    std::lock_guard<std::mutex> lock(guard);
    if (armedAction == 0 || raised) return std::nullopt;
    if (++actionsSeen != armedAction) return std::nullopt;
    raised = true;
    return armedFault;
}

}  // namespace detail

void armFault(std::uint64_t action, Fault fault) {
    std::lock_guard<std::mutex> lock(guard);
    armedAction = action;
    armedFault = fault;
    actionsSeen = 0;
    raised = false;
    detail::faultArmed.store(action != 0, std::memory_order_relaxed);
}

void disarmFault() { armFault(0, Fault::IoError); }

bool faultRaised() {
    std::lock_guard<std::mutex> lock(guard);
    return raised;
}

void limitWork(std::uint64_t limit) { steps.store(limit, std::memory_order_relaxed); }
std::uint64_t workLimit() { return steps.load(std::memory_order_relaxed); }

}  // namespace zolk::jet::switches
