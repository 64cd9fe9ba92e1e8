#include "support/child_process.h"

#include <chrono>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quorvane::test_support {
namespace {

void Drain(int descriptor, std::string& into, bool& open) {
  char buffer[4096];
  const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
  if (count > 0) {
    into.append(buffer, static_cast<std::size_t>(count));
  } else if (count == 0 || (errno != EINTR && errno != EAGAIN)) {
    open = false;
  }
}

}  // namespace

ChildResult RunChild(const std::string& program, const std::vector<std::string>& arguments,
                     const std::string& directory, const std::vector<std::string>& environment,
                     int timeoutMilliseconds) {
  int output[2];
  int error[2];
  if (::pipe2(output, O_CLOEXEC) != 0 || ::pipe2(error, O_CLOEXEC) != 0) {
    return {};
  }
  // Everything the child needs is made before the fork: other threads of this process may hold
  // the allocator's lock at that moment, and the child must not allocate.
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const std::string& argument : arguments) {
    argv.push_back(const_cast<char*>(argument.c_str()));
  }
  argv.push_back(nullptr);
  // The given assignments come first, so they win over this process's own values of the same names.
  std::vector<char*> envp;
  for (const std::string& assignment : environment) {
    envp.push_back(const_cast<char*>(assignment.c_str()));
  }
  for (char** variable = environ; *variable != nullptr; ++variable) {
    envp.push_back(*variable);
  }
  envp.push_back(nullptr);

  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(output[1], STDOUT_FILENO);
    ::dup2(error[1], STDERR_FILENO);
    if (::chdir(directory.c_str()) != 0) {
      ::_exit(126);
    }
    ::execve(program.c_str(), argv.data(), envp.data());
    ::_exit(127);
  }
  ::close(output[1]);
  ::close(error[1]);

  ChildResult result;
  bool outputOpen = true;
  bool errorOpen = true;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
  while ((outputOpen || errorOpen) && child > 0) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now())
            .count();
    if (left <= 0) {
      result.timedOut = true;
      ::kill(child, SIGKILL);
      break;
    }
    pollfd descriptors[2] = {{outputOpen ? output[0] : -1, POLLIN, 0},
                             {errorOpen ? error[0] : -1, POLLIN, 0}};
    if (::poll(descriptors, 2, static_cast<int>(left)) > 0) {
      if (descriptors[0].revents != 0)
        Drain(output[0], result.standardOutput, outputOpen);
      if (descriptors[1].revents != 0)
        Drain(error[0], result.standardError, errorOpen);
    }
  }
  ::close(output[0]);
  ::close(error[0]);
  int status = 0;
  if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && !result.timedOut) {
    result.exitCode = WEXITSTATUS(status);
  }
  return result;
}

}  // namespace quorvane::test_support
