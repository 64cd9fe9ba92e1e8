// The start-up: the start-up library beside the program, the program's version and the update notice.
#include "app/application.h"
#include "text/ascii.h"
#include "text/byte_primitives.h"
#include "text/hooks.h"
#include "text/number_primitives.h"
#include "text/text_between.h"
#include "text/text_primitives.h"

namespace quorvane {
namespace {

constexpr const char* kStartupLibraryName = "Proxy.dll";
constexpr const char* kStartupExport = "start";
constexpr int kStartupArgument = 504;
constexpr const char* kVersion = "1.6";

// A newer version must exceed ours by more than this, so that rounding in the decimal texts
// never announces one.
constexpr double kVersionThreshold = 0.0000001;

bool IsWebAddress(const Text& address) {
  return StartsWithIgnoringAsciiCase(address.view(), "http://") ||
         StartsWithIgnoringAsciiCase(address.view(), "https://");
}

}  // namespace

void Application::OnMainWindowCreated() {
  const Text path = JoinTexts(platform_.RunDirectory(), "/", kStartupLibraryName);
  if (!platform_.FileExists(path)) {
    platform_.EndProgram(0);
    return;
  }
  if (!platform_.CallLibraryExport(path, kStartupExport, kStartupArgument)) {
    ReportFatalError(JoinTexts("无法找到指定DLL库文件“", path, "”中的输出命令“", kStartupExport, "”"));
  }
  globals_.CurrentVersion = kVersion;
  UpdateNotice();
}

// The update-record page may hold anything; the record is the text between "!Orvessa1!" and
// "!Orvessa2!" (letter case ignored), and each field is its opening letter, the value and its closing
// marker, each looked up from the start of the record. A record announcing version 1.7:
//
//   <!-- !Orvessa1!v1.7v1r2026-12r2ehttp://www.example.com/download.htme2!Orvessa2! -->
//
// gives LatestVersion "1.7", UpdateRemark "2026-12" and UpdatePageUrl
// "http://www.example.com/download.htm". A remark holding the letter "e" would move the start of the
// address field into the remark: the record's writer keeps each field's opening letter out of the
// fields before it.
void Application::UpdateNotice() {
  const Text page = BytesToText(platform_.FetchPage(config_.updatePageUrl));
  const Text record = TextBetween(page, "!Orvessa1!", "!Orvessa2!", true);
  globals_.LatestVersion = TextBetween(record, "v", "v1", true);
  globals_.UpdateRemark = TextBetween(record, "r", "r2", true);
  globals_.UpdatePageUrl = TextBetween(record, "e", "e2", true);

  // A page that could not be fetched or read is not news that we are up to date.
  const std::optional<double> latest = LeadingNumber(globals_.LatestVersion);
  if (!latest.has_value()) {
    platform_.ShowMessageBox(
        JoinTexts("\r\n欢迎使用[ Quorvane ]\r\n未能获取更新信息,请稍后再试...\r\n有任何问题给我发邮件：",
                  config_.contactAddress),
        "信息：", MessageBoxButtons::kOk, MessageBoxIcon::kWarning);
    return;
  }
  const double difference = *latest - ToNumber(globals_.CurrentVersion);
  if (difference > kVersionThreshold) {
    const MessageBoxAnswer answer = platform_.ShowMessageBox(
        JoinTexts(
            "欢迎使用[ Quorvane ]\r\n检测到本辅助有更新,请升级到最新版本使用...\r\n有任何问题给我发邮件：",
            config_.contactAddress),
        "建议升级到最新版本", MessageBoxButtons::kYesNo, MessageBoxIcon::kNone);
    // The address comes from an unauthenticated page: only a web address goes to the system's opener.
    if (answer == MessageBoxAnswer::kYes && IsWebAddress(globals_.UpdatePageUrl)) {
      platform_.OpenInBrowser(globals_.UpdatePageUrl);
    }
  } else {
    platform_.ShowMessageBox(
        JoinTexts("\r\n欢迎使用[ Quorvane ]\r\n恭喜你,,当前版本已是最新!!\r\n有任何问题给我发邮件：",
                  config_.contactAddress),
        "信息：", MessageBoxButtons::kOk, MessageBoxIcon::kInformation);
  }
}

}  // namespace quorvane
