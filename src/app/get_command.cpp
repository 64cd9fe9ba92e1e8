// The get command: from the replay page address to the listed segment addresses.
#include "app/application.h"
#include "http/http_request.h"
#include "text/extraction.h"
#include "text/number_primitives.h"
#include "text/text_between.h"
#include "text/text_primitives.h"

namespace quorvane {
namespace {

constexpr const char* kQueryText = "?entrance=index&gsid=";
constexpr const char* kPlaylistSignature = "#EXTM3U";
constexpr const char* kFailureMessage = "\r\nYY回顾地址识别失败,无法处理视频地址列表..请检查后再试!!";

}  // namespace

void Application::OnGetClicked() {
  window_.SetControlEnabled(Control::kGetButton, false);
  PreparePlaylistUrl();
  // A copy, because a reset clicked while the body arrives empties the global.
  const Text playlistUrl = globals_.PlaylistUrl;
  globals_.PlaylistText = HttpRequest(playlistUrl);
  if (window_.IsClosed()) {
    return;  // Closed while the playlist arrived: nothing is left to show the outcome in.
  }
  if (FindText(globals_.PlaylistText, kPlaylistSignature) == -1) {
    window_.SetControlText(Control::kResultMark, "×");
    window_.SetControlText(Control::kAddressList, {});
    window_.AppendControlText(Control::kAddressList, kFailureMessage);
  } else {
    window_.SetControlText(Control::kResultMark, "√");
    ListAddresses();
  }
  window_.SetControlEnabled(Control::kGetButton, true);
}

void Application::PreparePlaylistUrl() {
  Text page = window_.GetControlText(Control::kPageAddressBox);
  if (FindText(page, kQueryText) == -1) {
    page = JoinTexts(page, kQueryText);
  }
  globals_.PlaylistUrl = DerivePlaylistUrl(page);
}

Text Application::DerivePlaylistUrl(const Text& pageAddress) const {
  const Text pagePrefix = JoinTexts("http://", config_.webHost, "/index/v/");
  const Text identifier = TextBetween(pageAddress, pagePrefix, kQueryText);
  return JoinTexts("http://", config_.vodHost, "/vod_hls/", identifier, ".m3u8");
}

void Application::ListAddresses() {
  const Text text = TrimSpaces(globals_.PlaylistText);
  TextArray pieces;
  const int count = RegexTextBetweenAll(text, "http://", "#EXT", &pieces);
  window_.SetControlText(Control::kAddressList, {});
  // Each piece becomes the line "http://" + piece + "\r\n", and the status label counts it. No
  // events are let through while the list is built, so nobody sees the box or the label between
  // two pieces: the lines go in as one insertion and the label gets its final count at once, which
  // the user cannot tell from one insertion and one caption per piece, and which spares the box a
  // layout per line.
  Text lines;
  for (const Text& piece : pieces) {
    lines.Append("http://");
    lines.Append(piece);
    lines.Append("\r\n");
  }
  if (count > 0) {
    window_.AppendControlText(Control::kAddressList, lines);
  }
  // Also when nothing was found: a playlist without addresses reads "0条", where keeping the count of
  // an earlier run would claim addresses that the emptied box does not hold.
  window_.SetControlText(Control::kStatusLabel,
                         JoinTexts("当前已经加载：", IntegerToText(count), "条YY精彩回顾下载地址记录"));
}

}  // namespace quorvane
