// The whole-page fetch that the start-up update notice uses: a plain HTTP/1.0 GET of any http or
// https address whose whole body comes back as bytes.
//
// Unlike HttpRequest it lets no window events through (it runs before the window is shown), sends
// its own short header and gives up after kFetchPageTimeoutMilliseconds in total.
#ifndef QUORVANE_HTTP_FETCH_PAGE_H_
#define QUORVANE_HTTP_FETCH_PAGE_H_

#include "text/text.h"

namespace quorvane {

// The longest a whole-page fetch may take, in milliseconds, from the first step to the last byte.
inline constexpr int kFetchPageTimeoutMilliseconds = 15000;

// GETs `address` with "HTTP/1.0", the tool's user agent and "Accept: */*", direct (whatever proxy
// the environment names), following up to 10 redirects between http and https addresses, and
// returns the body of the final answer whatever its status. Empty bytes when the address is not an
// http or https one or when the request fails before the body; the bytes received so far when it
// fails or runs out of time in the middle.
Bytes FetchPage(const Text& address);

namespace internal {

// FetchPage with `timeoutMilliseconds` in place of kFetchPageTimeoutMilliseconds, for tests.
Bytes FetchPageWithTimeout(int timeoutMilliseconds, const Text& address);

}  // namespace internal
}  // namespace quorvane

#endif  // QUORVANE_HTTP_FETCH_PAGE_H_
