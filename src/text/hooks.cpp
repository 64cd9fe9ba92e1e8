#include "text/hooks.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

namespace quorvane {
namespace {

// The platform services of the program; installed once at start by the window layer.
std::function<void()>& PendingEventsProcessor() {
  static std::function<void()> processor;
  return processor;
}

std::function<bool()>& ProgramClosingQuery() {
  static std::function<bool()> query;
  return query;
}

std::function<void(const Text&)>& FatalErrorReporter() {
  static std::function<void(const Text&)> reporter;
  return reporter;
}

}  // namespace

void ProcessPendingEvents() {
  if (const auto& processor = PendingEventsProcessor()) {
    processor();
  }
}

void SetPendingEventsProcessor(std::function<void()> processor) {
  PendingEventsProcessor() = std::move(processor);
}

bool ProgramIsClosing() {
  const auto& query = ProgramClosingQuery();
  return query && query();
}

void SetProgramClosingQuery(std::function<bool()> query) {
  ProgramClosingQuery() = std::move(query);
}

Text FatalErrorReportText(const Text& message) {
  Text report("运行时出错!\r\n\r\n错误信息：");
  report.Append(message);
  report.Append("\r\n");
  return report;
}

void ReportFatalError(const Text& message) {
  if (const auto& reporter = FatalErrorReporter()) {
    reporter(message);
  } else {
    const Text report = FatalErrorReportText(message);
    std::fwrite(report.c_str(), 1, report.size(), stderr);
    std::fflush(stderr);
  }
  std::exit(-1);
}

void SetFatalErrorReporter(std::function<void(const Text& message)> reporter) {
  FatalErrorReporter() = std::move(reporter);
}

Text AllocationFailureMessage(std::size_t byteCount) {
  // Built without a Text on the way, so that reporting a failed allocation asks for little memory.
  std::string message("分配 ");
  message += std::to_string(byteCount);
  message += " 字节内存失败!";
  return Text(std::move(message));
}

}  // namespace quorvane
