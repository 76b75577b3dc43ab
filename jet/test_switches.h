#pragma once
// Switches for tests and fuzzing, off unless a test turns them on; each costs the engine one
// check per database action.
//
// Fault injection: the N-th database action from the moment of arming (a statement, the start
// of a transaction or a commit, on any connection of the process; rollbacks are never failed)
// fails as the database would fail it, with the chosen error. A test walks an operation by
// arming N = 1, 2, ... until the operation runs without reaching the N-th action.
//
// Work limit: a statement that takes more than the given number of database steps is stopped
// (-2147467259, "The statement was stopped before it finished: ..."), so a fuzzer's
// cross join of every table ends quickly.
#include <atomic>
#include <cstdint>
#include <optional>

namespace zolk::jet::switches {

enum class Fault : std::uint8_t {
    Busy,        // the database is locked by another connection
    IoError,     // the file cannot be written
    Constraint,  // the database refuses the change
    DiskFull,    // no room left on the disk
};

void armFault(std::uint64_t action, Fault fault);
void disarmFault();
// Whether the armed fault was raised since armFault.
bool faultRaised();

namespace detail {
extern std::atomic<bool> faultArmed;
std::optional<Fault> countAction();
}  // namespace detail

// Called by an engine before each action: the fault to raise when this is the armed action.
inline std::optional<Fault> faultDue() {
    if (!detail::faultArmed.load(std::memory_order_relaxed)) return std::nullopt;
    return detail::countAction();
}

// 0: no limit.
void limitWork(std::uint64_t steps);
std::uint64_t workLimit();

}  // namespace zolk::jet::switches
