// The services that the lowest layer needs from the program around it.
//
// `ProcessPendingEvents` lets the window's waiting events through during long loops (the HTTP read
// loop, the all-occurrences collection of texts between markers), and `ProgramIsClosing` tells such a
// loop afterwards whether those events closed the window, so that a download nobody waits for any
// more is given up at once. `ReportFatalError` stops the program when it cannot go on, such as when
// the memory for a value cannot be obtained. All do something sensible without a window: the first
// nothing, the second answers false, the third writes the report to standard error. The window layer
// installs the real ones at start. (app/platform.h lists every way the program ends.)
#ifndef QUORVANE_TEXT_HOOKS_H_
#define QUORVANE_TEXT_HOOKS_H_

#include <functional>

#include "text/text.h"

namespace quorvane {

// Dispatches the window events already waiting, without waiting for new ones. Does nothing until a
// processor is installed.
void ProcessPendingEvents();

// Installs the event processor; an empty function restores the one that does nothing.
void SetPendingEventsProcessor(std::function<void()> processor);

// True once the program has begun to close (its main window is gone). A loop that lets events
// through asks after each pass and, when true, stops what it was waiting for. False until a query is
// installed.
bool ProgramIsClosing();

// Installs the closing query; an empty function restores the one that answers false.
void SetProgramClosingQuery(std::function<bool()> query);

// The report shown for `message`: "运行时出错!\r\n\r\n错误信息：" + message + "\r\n".
Text FatalErrorReportText(const Text& message);

// Hands `message` to the installed reporter, then ends the process with exit code -1 should the
// reporter return. Without a reporter the report goes to standard error as GBK bytes.
[[noreturn]] void ReportFatalError(const Text& message);

// Installs the fatal error reporter; an empty function restores the standard-error one. The reporter
// receives the message alone (not the whole report) and is expected not to return.
void SetFatalErrorReporter(std::function<void(const Text& message)> reporter);

// The message for a value whose `byteCount` bytes could not be obtained: "分配 <n> 字节内存失败!".
Text AllocationFailureMessage(std::size_t byteCount);

}  // namespace quorvane

#endif  // QUORVANE_TEXT_HOOKS_H_
