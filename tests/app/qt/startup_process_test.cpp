// The program's start-up watched from outside: the start-up probe runs ProgramStart from a fresh
// directory that holds (or lacks) a start-up library, with the update page on loopback.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "loopback_server.h"
#include "support/child_process.h"
#include "text/clock.h"

namespace quorvane {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

// The probe reports in UTF-8, while narrow literals here are GBK.
std::string Utf8(const char8_t* text) {
  return reinterpret_cast<const char*>(text);
}

class StartupProcessTest : public ::testing::Test {
 protected:
  StartupProcessTest() {
    std::string pattern = (fs::temp_directory_path() / "quorvane-startup-XXXXXX").string();
    directory_ = ::mkdtemp(pattern.data());
    fs::copy_file(QUORVANE_STARTUP_PROBE, directory_ / "startup_probe");
    server_.Route("/update.htm", tools::Ok("!Orvessa1!v1.6v1r2015r2ehttp://dl.test/qe2!Orvessa2!"));
  }
  ~StartupProcessTest() override { fs::remove_all(directory_); }

  void PutLibrary(const fs::path& file) { fs::copy_file(file, directory_ / "Proxy.dll"); }

  test_support::ChildResult Start(std::vector<std::string> arguments = {}) {
    arguments.insert(arguments.begin(), {"--update-url", server_.Url("/update.htm")});
    return test_support::RunChild((directory_ / "startup_probe").string(), arguments, "/",
                                  {"QT_QPA_PLATFORM=offscreen"}, 60000);
  }

  std::string ExpectedLibraryPath() const { return (directory_ / "Proxy.dll").string(); }

  fs::path directory_;
  tools::LoopbackServer server_;
};

TEST_F(StartupProcessTest, WithoutTheLibraryEndsAtOnceWithNothingShownOrFetched) {
  const test_support::ChildResult result = Start();
  EXPECT_EQ(result.exitCode, 0) << result.standardError;
  EXPECT_EQ(result.standardOutput, "");
  EXPECT_EQ(server_.RequestCount(), 0u);
}

TEST_F(StartupProcessTest, LibraryWithoutStartOrNotALibraryEndsThroughTheFatalReport) {
  for (const bool isLibrary : {true, false}) {
    fs::remove(directory_ / "Proxy.dll");
    if (isLibrary) {
      PutLibrary(QUORVANE_LIBRARY_WITHOUT_START);
    } else {
      std::ofstream(directory_ / "Proxy.dll") << "not a library";
    }
    const test_support::ChildResult result = Start();
    EXPECT_EQ(result.exitCode, 255) << result.standardError;
    const std::string report = Utf8(u8"运行时出错!\\n\\n错误信息：无法找到指定DLL库文件“") +
                               ExpectedLibraryPath() + Utf8(u8"”中的输出命令“start”\\n");
    EXPECT_THAT(result.standardOutput, HasSubstr(Utf8(u8"box: caption=错误 ")));
    EXPECT_THAT(result.standardOutput, HasSubstr("text=" + report));
    EXPECT_THAT(result.standardOutput, Not(HasSubstr("window shown")));
    EXPECT_THAT(result.standardError, HasSubstr(Utf8(u8"无法找到指定DLL库文件")));
    EXPECT_EQ(server_.RequestCount(), 0u);
  }
}

TEST_F(StartupProcessTest, WithTheLibraryShowsTheUpdateNoticeThenTheWindow) {
  PutLibrary(QUORVANE_SAMPLE_STARTUP_LIBRARY);
  const test_support::ChildResult result = Start({"--close-when-shown"});
  EXPECT_EQ(result.exitCode, 0) << result.standardError;
  const std::size_t box = result.standardOutput.find(Utf8(u8"box: caption=信息："));
  const std::size_t window = result.standardOutput.find("window shown: Quorvane v1.6 by Hadrunel");
  ASSERT_NE(box, std::string::npos) << result.standardOutput;
  ASSERT_NE(window, std::string::npos) << result.standardOutput;
  // The toolkit's button text is Chinese although CTest runs the probe under LANG=C.
  EXPECT_THAT(result.standardOutput, HasSubstr(Utf8(u8" labels=确定 ")));
  EXPECT_LT(box, window) << "the notice is answered before the window shows";
  ASSERT_EQ(server_.RequestCount(), 1u);
  EXPECT_EQ(server_.Requests()[0].rfind("GET /update.htm HTTP/1.0\r\n", 0), 0u);
}

TEST_F(StartupProcessTest, ToolkitOptionsOnTheCommandLineAreIgnored) {
  PutLibrary(QUORVANE_SAMPLE_STARTUP_LIBRARY);
  const test_support::ChildResult result = Start({"--close-when-shown", "-reverse", "-style", "windows"});
  EXPECT_EQ(result.exitCode, 0) << result.standardError;
  EXPECT_THAT(result.standardOutput, HasSubstr("window shown: Quorvane v1.6 by Hadrunel (left to right)"));
}

// The moment the probe reported closing its window, from its standard output.
std::int64_t ClosedAt(const std::string& output) {
  const std::string marker = "closing the window at ";
  const std::size_t at = output.find(marker);
  return at == std::string::npos ? -1 : std::stoll(output.substr(at + marker.size()));
}

TEST_F(StartupProcessTest, ClosingTheWindowDuringADownloadEndsTheProcessWithinASecond) {
  PutLibrary(QUORVANE_SAMPLE_STARTUP_LIBRARY);
  const std::string playlist = "#EXTM3U\n#EXTINF:10,\nhttp://h/a.ts\n#EXT-X-ENDLIST\n";
  tools::Response silent = tools::Ok(playlist);
  silent.stallBeforeHead = true;
  tools::Response halfway = tools::Ok(playlist);
  halfway.stallAfter = 9;
  tools::Response trickle = tools::Ok(playlist);  // one byte every 17 seconds
  trickle.pieceBytes = 1;
  trickle.pieceDelayMilliseconds = 17000;
  tools::Response quick = tools::Ok(playlist);  // trickles fast enough to be read for a while
  quick.pieceBytes = 1;
  quick.pieceDelayMilliseconds = 30;
  const std::pair<const char*, tools::Response> cases[] = {
      {"stalls before the head", silent},
      {"stalls in the body", halfway},
      {"trickles a byte every 17 s", trickle},
      {"trickles quickly", quick},
  };
  for (const auto& [name, response] : cases) {
    server_.Route("/vod_hls/15012x01_141483582_1414679605.m3u8", response);
    server_.ClearRequests();
    const test_support::ChildResult result =
        Start({"--vod-host", server_.HostAndPort(), "--get-and-close-after", "300"});
    const std::int64_t ended = MonotonicMilliseconds();
    EXPECT_EQ(result.exitCode, 0) << name << ": " << result.standardError;
    EXPECT_THAT(result.standardOutput, HasSubstr("window shown")) << name;
    const std::int64_t closed = ClosedAt(result.standardOutput);
    ASSERT_GE(closed, 0) << name << ": " << result.standardOutput;
    EXPECT_LT(ended - closed, 1000) << name;
    RecordProperty(std::string("close to exit, ms, ") + name, static_cast<int>(ended - closed));
    EXPECT_EQ(server_.RequestCount(), 2u) << name << ": the update page and the playlist";
  }
}

}  // namespace
}  // namespace quorvane
