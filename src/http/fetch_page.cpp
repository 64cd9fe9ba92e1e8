#include "http/fetch_page.h"

#include <curl/curl.h>

#include "http/curl_handles.h"
#include "http/http_request.h"
#include "http/transfer.h"

namespace quorvane {
namespace internal {

Bytes FetchPageWithTimeout(int timeoutMilliseconds, const Text& address) {
  HeaderList headers;
  const EasyHandle easy = MakeEasyHandle();
  if (easy == nullptr || !headers.Append("Accept: */*")) {
    return {};
  }
  CURL* handle = easy.get();
  const bool ready =
      curl_easy_setopt(handle, CURLOPT_URL, address.c_str()) == CURLE_OK &&
      curl_easy_setopt(handle, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_0)) == CURLE_OK &&
      curl_easy_setopt(handle, CURLOPT_USERAGENT, kAgentText) == CURLE_OK &&
      curl_easy_setopt(handle, CURLOPT_HTTPHEADER, headers.get()) == CURLE_OK &&
      curl_easy_setopt(handle, CURLOPT_PROXY, "") == CURLE_OK &&
      curl_easy_setopt(handle, CURLOPT_NOPROXY, "*") == CURLE_OK &&
      curl_easy_setopt(handle, CURLOPT_FOLLOWLOCATION, 1L) == CURLE_OK &&
      curl_easy_setopt(handle, CURLOPT_MAXREDIRS, 10L) == CURLE_OK;
  if (!ready) {
    return {};
  }
  return RunTransfer(handle,
                     {.connectMilliseconds = timeoutMilliseconds,
                      .idleMilliseconds = 0,
                      .totalMilliseconds = timeoutMilliseconds},
                     EventPolicy::kNone)
      .body;
}

}  // namespace internal

Bytes FetchPage(const Text& address) {
  return internal::FetchPageWithTimeout(kFetchPageTimeoutMilliseconds, address);
}

}  // namespace quorvane
