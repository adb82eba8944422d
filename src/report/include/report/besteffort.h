#pragma once

// Runs one step of a best-effort sequence: whatever the step throws is
// swallowed so that the next step still runs.
template <class Step>
void BestEffort(Step&& step) noexcept {
  try {
    step();
  } catch (...) {
  }
}
