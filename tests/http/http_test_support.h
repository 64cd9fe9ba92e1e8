// What the HTTP tests share: the fixed lines the tool sends, and a clock for checks that a call
// ended long before a time-out would have ended it.
#ifndef QUORVANE_TESTS_HTTP_HTTP_TEST_SUPPORT_H_
#define QUORVANE_TESTS_HTTP_HTTP_TEST_SUPPORT_H_

#include <cstdint>
#include <string>

#include <time.h>

namespace quorvane::testing_support {

inline const std::string kUserAgentLine =
    "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n";
inline const std::string kDefaultAcceptLine =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";
inline const std::string kLanguageLine = "Accept-Language: zh-cn\r\n";

inline std::int64_t MonotonicMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

}  // namespace quorvane::testing_support

#endif  // QUORVANE_TESTS_HTTP_HTTP_TEST_SUPPORT_H_
