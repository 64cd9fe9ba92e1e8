// The header text of the tool's request: completing the caller's lines with the default ones, and
// turning the finished text into the lines libcurl sends.
//
// Internal to the HTTP client.
#ifndef QUORVANE_HTTP_REQUEST_HEADERS_H_
#define QUORVANE_HTTP_REQUEST_HEADERS_H_

#include <string>
#include <vector>

#include "text/text.h"

namespace quorvane::internal {

// Appends to `headerText`, in this order and each only when its name followed by ": " occurs
// nowhere in the text (ASCII letter case ignored): the browser-like Accept line, "Referer: " + `url`,
// and "Accept-Language: zh-cn", each ending in CR LF. Nothing is put between the caller's text and
// the first appended line.
void CompleteHeaderText(Text& headerText, const Text& url);

// Appends the Content-Type line for form data and the Content-Length line for `postData`.
void AppendPostLines(Text& headerText, const Text& postData);

// The header lines of `headerText` as libcurl takes them, in their order: split at every CR LF,
// lone CR or lone LF; empty lines and lines without a ":" (which are not header lines) are left
// out; a line whose value is blank is written "Name;", libcurl's form for sending "Name:".
std::vector<std::string> WireHeaderLines(const Text& headerText);

// True when `headerText` holds a line that starts with `name` and ":" (ASCII letter case ignored).
bool HasHeaderLine(const Text& headerText, const std::string& name);

}  // namespace quorvane::internal

#endif  // QUORVANE_HTTP_REQUEST_HEADERS_H_
