// Waiting for a state of the program under test, never for a fixed time: a condition is
// polled until it holds or its deadline passes, and a missed deadline fails the check.
#pragma once

#include <chrono>
#include <thread>

namespace tests::behaviour::win32 {

// Long enough for a loaded machine, short enough that a fault does not stall the run.
inline constexpr std::chrono::milliseconds kDeadline{10'000};

// Polls `reached` until it returns true (true) or `deadline` has passed (false).
template <class Condition>
[[nodiscard]] bool WaitUntil(Condition reached, std::chrono::milliseconds deadline = kDeadline) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  while (!reached()) {
    if (std::chrono::steady_clock::now() >= end) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

}  // namespace tests::behaviour::win32
