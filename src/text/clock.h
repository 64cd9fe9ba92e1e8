// The program's one clock for time limits: milliseconds that only move forward, unaffected by
// changes to the wall clock. Its origin is unspecified; only differences mean anything.
//
// Example:
//   const std::int64_t start = MonotonicMilliseconds();
//   ...
//   if (MonotonicMilliseconds() - start >= limit) { ... }
#ifndef QUORVANE_TEXT_CLOCK_H_
#define QUORVANE_TEXT_CLOCK_H_

#include <chrono>
#include <cstdint>

namespace quorvane {

inline std::int64_t MonotonicMilliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

}  // namespace quorvane

#endif  // QUORVANE_TEXT_CLOCK_H_
