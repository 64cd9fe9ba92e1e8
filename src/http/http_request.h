// The tool's own HTTP request: one HTTP/1.1 GET or POST with fixed browser-like header lines,
// whose body comes back as text.
//
// Every call opens its own handles and closes them before it returns; nothing is kept between
// calls. The call blocks the calling thread, but while it waits for the answer and reads the body
// it lets the window's waiting events through (ProcessPendingEvents in text/hooks.h), at least every
// 50 ms and before every chunk of at most 512 bytes, so the window stays responsive. It never fails
// loudly: a request that cannot be made gives the empty text.
//
// When the events it let through closed the program's window (ProgramIsClosing in text/hooks.h), it
// gives up at once and returns what it has read, whatever the server does.
#ifndef QUORVANE_HTTP_HTTP_REQUEST_H_
#define QUORVANE_HTTP_HTTP_REQUEST_H_

#include <optional>

#include "text/text.h"

namespace quorvane {

// The user agent of every request the tool makes.
inline constexpr const char* kAgentText = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";

// Connecting, sending and receiving each give up after this many milliseconds without progress.
inline constexpr int kHttpTimeoutMilliseconds = 18000;

// Requests `url`, split by UrlHost, UrlPort and UrlPath, and returns the response body up to its
// first zero byte, whatever the status. A null pointer omits an optional parameter.
//
// `method`: rewritten to "GET" unless it upper-cases to "POST"; a POST keeps the caller's letter
// case on the wire. `proxy`: when given, even as the empty text, the request goes through that HTTP
// proxy (an empty one cannot be reached); when not given, the request goes direct, whatever proxy
// the environment names. `extraHeaders`: the caller's header lines, each ending in CR LF; completed
// in place with "Accept: ", "Referer: " and "Accept-Language: " lines for the names it does not hold
// (letter case ignored, the blank after the colon included), then, for a POST with a non-empty
// `postData`, a Content-Type line for form data and a Content-Length line. `postData`: the body of
// a POST; not sent with a GET. `rawHeaders`: receives the status line and header lines of the final
// response, each ending in CR LF, then an empty line; the empty text when no answer came.
//
// Port 0 stands for 80. A host that is not a host name (letters, digits, "-", "." and "_") and a
// port outside 1..65535 cannot be reached; the request is then made ready but not sent.
//
// Results: the empty text when no request can be made or none is answered (host not found, refused,
// time-out before the body); the part of the body read so far when the connection fails or stalls
// for kHttpTimeoutMilliseconds in the middle of it. A GET follows up to 10 redirects (http and https); the
// body of the answer after the last one followed is the result.
Text HttpRequest(const Text& url, Text* method = nullptr, const std::optional<Text>& proxy = std::nullopt,
                 Text* extraHeaders = nullptr, const Text& postData = {}, Text* rawHeaders = nullptr);

namespace internal {

// HttpRequest with `timeoutMilliseconds` in place of kHttpTimeoutMilliseconds, so tests need not wait 18
// seconds for a stalled server. The program itself always calls HttpRequest.
Text HttpRequestWithTimeout(int timeoutMilliseconds, const Text& url, Text* method,
                            const std::optional<Text>& proxy, Text* extraHeaders, const Text& postData,
                            Text* rawHeaders);

}  // namespace internal
}  // namespace quorvane

#endif  // QUORVANE_HTTP_HTTP_REQUEST_H_
