#include "text/hooks.h"

#include <string>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/text_printers.h"

namespace quorvane {
namespace {

TEST(HooksTest, PendingEventsGoToTheInstalledProcessor) {
  int calls = 0;
  ProcessPendingEvents();  // Nothing installed: does nothing.
  SetPendingEventsProcessor([&calls] { ++calls; });
  ProcessPendingEvents();
  ProcessPendingEvents();
  SetPendingEventsProcessor(nullptr);
  ProcessPendingEvents();
  EXPECT_EQ(calls, 2);
}

TEST(HooksTest, ClosingIsWhatTheInstalledQueryAnswers) {
  EXPECT_FALSE(ProgramIsClosing());  // Nothing installed: the program is not closing.
  bool closed = false;
  SetProgramClosingQuery([&closed] { return closed; });
  EXPECT_FALSE(ProgramIsClosing());
  closed = true;
  EXPECT_TRUE(ProgramIsClosing());
  SetProgramClosingQuery(nullptr);
  EXPECT_FALSE(ProgramIsClosing());
}

TEST(HooksTest, ReportTextFramesTheMessage) {
  EXPECT_EQ(FatalErrorReportText("x"), Text("运行时出错!\r\n\r\n错误信息：x\r\n"));
  EXPECT_EQ(AllocationFailureMessage(512), Text("分配 512 字节内存失败!"));
}

TEST(HooksDeathTest, FatalReportWritesToStandardErrorAndExitsWithMinusOne) {
  // The report is GBK; the expected bytes are built the same way and matched as a plain substring.
  const Text report = FatalErrorReportText(AllocationFailureMessage(7));
  EXPECT_EXIT(ReportFatalError(AllocationFailureMessage(7)), testing::ExitedWithCode(255),
              testing::HasSubstr(std::string(report.view())));
}

TEST(HooksDeathTest, InstalledReporterReceivesTheMessage) {
  EXPECT_EXIT(
      {
        SetFatalErrorReporter([](const Text& message) {
          std::fputs("reported:", stderr);
          std::fwrite(message.c_str(), 1, message.size(), stderr);
          std::exit(3);
        });
        ReportFatalError("boom");
      },
      testing::ExitedWithCode(3), "reported:boom");
}

}  // namespace
}  // namespace quorvane
