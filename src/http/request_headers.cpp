#include "http/request_headers.h"

#include <string_view>

#include "text/ascii.h"
#include "text/number_primitives.h"
#include "text/text_primitives.h"

namespace quorvane::internal {
namespace {

constexpr const char* kAcceptLine =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";

bool Holds(const Text& headerText, const Text& name) {
  return FindText(headerText, name, 1, true) != -1;
}

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t") == std::string_view::npos;
}

template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    visit(text.substr(0, end));
    if (end == std::string_view::npos) {
      break;
    }
    const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
    text.remove_prefix(end + (crlf ? 2 : 1));
  }
}

}  // namespace

void CompleteHeaderText(Text& headerText, const Text& url) {
  if (!Holds(headerText, "Accept: ")) {
    headerText = JoinTexts(headerText, kAcceptLine);
  }
  if (!Holds(headerText, "Referer: ")) {
    headerText = JoinTexts(headerText, "Referer: ", url, "\r\n");
  }
  if (!Holds(headerText, "Accept-Language: ")) {
    headerText = JoinTexts(headerText, "Accept-Language: zh-cn\r\n");
  }
}

void AppendPostLines(Text& headerText, const Text& postData) {
  headerText = JoinTexts(headerText, "Content-Type: application/x-www-form-urlencoded\r\n",
                         "Content-Length: ", IntegerToText(TextLength(postData)), "\r\n");
}

std::vector<std::string> WireHeaderLines(const Text& headerText) {
  std::vector<std::string> lines;
  ForEachLine(headerText.view(), [&lines](std::string_view line) {
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos || colon == 0) {
      return;
    }
    // libcurl reads "Name:" with nothing after it as "do not send Name"; "Name;" is how it is
    // told to send the empty line.
    if (IsBlank(line.substr(colon + 1))) {
      lines.emplace_back(line.substr(0, colon)).push_back(';');
    } else {
      lines.emplace_back(line);
    }
  });
  return lines;
}

bool HasHeaderLine(const Text& headerText, const std::string& name) {
  bool found = false;
  ForEachLine(headerText.view(), [&](std::string_view line) {
    found = found || (StartsWithIgnoringAsciiCase(line, name) && line.size() > name.size() &&
                      line[name.size()] == ':');
  });
  return found;
}

}  // namespace quorvane::internal
