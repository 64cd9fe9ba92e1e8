// Owners for libcurl's handles, so that every path out of a request releases what it made.
//
// Internal to the HTTP client: the request routine and the whole-page fetch build on these.
#ifndef QUORVANE_HTTP_CURL_HANDLES_H_
#define QUORVANE_HTTP_CURL_HANDLES_H_

#include <memory>
#include <string>

#include <curl/curl.h>

namespace quorvane::internal {

// Makes libcurl ready for use, once per process and safely from any thread; false when it cannot
// be, in which case no request can be made.
bool CurlReady();

struct EasyCleanup {
  void operator()(CURL* easy) const noexcept { curl_easy_cleanup(easy); }
};
struct MultiCleanup {
  void operator()(CURLM* multi) const noexcept { curl_multi_cleanup(multi); }
};

using EasyHandle = std::unique_ptr<CURL, EasyCleanup>;
using MultiHandle = std::unique_ptr<CURLM, MultiCleanup>;

// A new easy handle with the settings every request shares: plain HTTP and HTTPS only, no signals,
// the body bytes as the server sent them (no content decoding). Null when libcurl cannot make one.
EasyHandle MakeEasyHandle();

// A list of header lines as libcurl takes them. Must outlive the transfer that uses it.
class HeaderList {
 public:
  HeaderList() = default;
  HeaderList(const HeaderList&) = delete;
  HeaderList& operator=(const HeaderList&) = delete;
  ~HeaderList() { curl_slist_free_all(lines_); }

  // Adds one line (without its line end); false when the memory for it cannot be had.
  bool Append(const std::string& line);
  curl_slist* get() const noexcept { return lines_; }

 private:
  curl_slist* lines_ = nullptr;
};

}  // namespace quorvane::internal

#endif  // QUORVANE_HTTP_CURL_HANDLES_H_
