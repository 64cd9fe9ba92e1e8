// Literals that the _gbk suffix must refuse. The test compiles this file once per case, with the
// case's macro defined, and expects the build to stop with the suffix's own message.
#include "text/gbk_literal.h"

namespace quorvane {

#if defined(CHARACTER_OUTSIDE_GBK)
constexpr const char* kRejected = "表情\U0001F600"_gbk;
#elif defined(BEST_FIT_ONLY)  // U+00A2 has only a one-way mapping to A1 E9.
constexpr const char* kRejected = "ab\u00A2"_gbk;
#elif defined(ESCAPED_GBK_BYTES)
constexpr const char* kRejected = "\xA1\xCC"_gbk;
#elif defined(CUT_SEQUENCE)
constexpr const char* kRejected = "中\xE4\xB8"_gbk;
#elif defined(ENCODED_SURROGATE)
constexpr const char* kRejected = "\xED\xA0\x80"_gbk;
#elif defined(OVERLONG_FORM)
constexpr const char* kRejected = "x\xC0\xAF"_gbk;
#else
// Accepted, but not where narrow literals are compiled as anything but UTF-8.
constexpr const char* kRejected = "中"_gbk;
#endif

const char* Rejected() {
  return kRejected;
}

}  // namespace quorvane
