#include "http/curl_handles.h"

namespace quorvane::internal {

bool CurlReady() {
  // libcurl's global set-up is done once and kept for the life of the process, as its
  // documentation asks; a function-local static makes the first call safe from any thread.
  static const bool ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  return ready;
}

EasyHandle MakeEasyHandle() {
  if (!CurlReady()) {
    return nullptr;
  }
  EasyHandle easy(curl_easy_init());
  if (easy == nullptr) {
    return nullptr;
  }
  CURL* handle = easy.get();
  bool ok = curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L) == CURLE_OK;
  ok = ok && curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, "http,https") == CURLE_OK;
  ok = ok && curl_easy_setopt(handle, CURLOPT_REDIR_PROTOCOLS_STR, "http,https") == CURLE_OK;
  ok = ok && curl_easy_setopt(handle, CURLOPT_HTTP_CONTENT_DECODING, 0L) == CURLE_OK;
  return ok ? std::move(easy) : nullptr;
}

bool HeaderList::Append(const std::string& line) {
  curl_slist* longer = curl_slist_append(lines_, line.c_str());
  if (longer == nullptr) {
    return false;
  }
  lines_ = longer;
  return true;
}

}  // namespace quorvane::internal
