// Runs a program as a child process and collects what it wrote and how it ended, for tests that
// watch a whole program start and stop.
#ifndef QUORVANE_TESTS_SUPPORT_CHILD_PROCESS_H_
#define QUORVANE_TESTS_SUPPORT_CHILD_PROCESS_H_

#include <string>
#include <vector>

namespace quorvane::test_support {

struct ChildResult {
  // The exit code, or -1 when the child did not exit normally (killed after the time limit too).
  int exitCode = -1;
  bool timedOut = false;
  std::string standardOutput;
  std::string standardError;
};

// Runs `program` with `arguments` (argv[0] excluded) in `directory`, with `environment` added to
// this process's own, and waits for it at most `timeoutMilliseconds` before killing it.
ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& directory, const std::vector<std::string>& environment,
                     int timeoutMilliseconds);

}  // namespace quorvane::test_support

#endif  // QUORVANE_TESTS_SUPPORT_CHILD_PROCESS_H_
