// What the HTTP tests share: the fixed lines the tool sends. Checks that a call ended long before a
// time-out would have ended it use the program's own clock (text/clock.h).
#ifndef QUORVANE_TESTS_HTTP_HTTP_TEST_SUPPORT_H_
#define QUORVANE_TESTS_HTTP_HTTP_TEST_SUPPORT_H_

#include <string>

namespace quorvane::test_support {

inline const std::string kUserAgentLine =
    "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n";
inline const std::string kDefaultAcceptLine =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";
inline const std::string kLanguageLine = "Accept-Language: zh-cn\r\n";

}  // namespace quorvane::test_support

#endif  // QUORVANE_TESTS_HTTP_HTTP_TEST_SUPPORT_H_
