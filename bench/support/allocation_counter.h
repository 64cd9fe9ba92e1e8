// Counts the bytes a stretch of code holds on the heap, for peak-memory figures in benchmarks.
//
// Linking allocation_counter.cpp into a benchmark program replaces malloc and its relatives for the
// whole process (the C++ allocator, ICU and PCRE2 included) with thin wrappers over glibc's own. They
// count only between StartCounting and StopCounting, so other benchmarks pay one flag test per call.
#ifndef QUORVANE_BENCH_SUPPORT_ALLOCATION_COUNTER_H_
#define QUORVANE_BENCH_SUPPORT_ALLOCATION_COUNTER_H_

#include <cstdint>

namespace quorvane::bench {

// Starts counting from zero.
void StartCounting();

// Stops counting and returns the highest number of bytes held at once since StartCounting, counting
// blocks allocated in that time less those freed (glibc's usable sizes).
std::int64_t StopCounting();

}  // namespace quorvane::bench

#endif  // QUORVANE_BENCH_SUPPORT_ALLOCATION_COUNTER_H_
