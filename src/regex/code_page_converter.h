// A code page 936 converter that can be reused for many conversions (internal to src/regex).
//
// The three public conversions (code_page.h) make one per call; the regex object keeps one for its
// whole life, so that reading thousands of match texts does no per-call set-up. Texts of ASCII
// bytes alone (the usual playlist) never reach the converter: they are widened or narrowed
// directly, which gives the same code units.
//
// The table is Microsoft's code page 936: byte 0x80 is U+20AC, 0xFF is U+F8F5, D6 D0 is U+4E2D. A
// byte sequence that is not GBK becomes U+FFFD; a code unit that GBK cannot hold becomes the code
// page's default character "?".
#ifndef QUORVANE_REGEX_CODE_PAGE_CONVERTER_H_
#define QUORVANE_REGEX_CODE_PAGE_CONVERTER_H_

#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "text/ascii.h"
#include "text/text.h"

struct UConverter;

namespace quorvane::internal {

// Leaves elements of trivial types uninitialised on resize, so that a buffer of tens of megabytes
// is written once, by the conversion, instead of being zero-filled first.
template <typename T>
struct UninitializedAllocator : std::allocator<T> {
  UninitializedAllocator() = default;
  template <typename U>
  UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}  // NOLINT(google-explicit-constructor)
  template <typename U>
  void construct(U* element) noexcept {
    ::new (static_cast<void*>(element)) U;
  }
  template <typename U, typename... Arguments>
  void construct(U* element, Arguments&&... arguments) {
    ::new (static_cast<void*>(element)) U(std::forward<Arguments>(arguments)...);
  }
};

// UTF-16 code units, without a terminator.
using Utf16Units = std::vector<char16_t, UninitializedAllocator<char16_t>>;

inline std::u16string_view ViewOf(const Utf16Units& units) {
  return {units.data(), units.size()};
}

// Makes room for `count` code units, or ends the program through the fatal error report.
void ReserveUnitsOrReport(std::u16string& units, std::size_t count);

class CodePageConverter {
 public:
  CodePageConverter() = default;
  ~CodePageConverter();
  CodePageConverter(const CodePageConverter&) = delete;
  CodePageConverter& operator=(const CodePageConverter&) = delete;

  // Number of UTF-16 code units that `gbk` converts to.
  std::size_t MeasureUtf16(std::string_view gbk);

  // The UTF-16 code units of `gbk`, measured first and converted into a buffer of that size.
  Utf16Units ToUtf16(std::string_view gbk);

  // The GBK text of `units` up to the first NUL unit (all of them when there is none). With
  // `composeMarks`, a character followed by a non-spacing mark that combines with it into one
  // precomposed character is written as that character (U+0075 U+0308 as U+00FC).
  Text ToText(std::u16string_view units, bool composeMarks);

  // For each code unit of ToUtf16(gbk), the 0-based offset in `gbk` of the byte sequence it came
  // from, followed by one more entry holding gbk.size().
  std::vector<std::int32_t> Utf16ByteOffsets(std::string_view gbk);

 private:
  UConverter* Open();

  UConverter* converter_ = nullptr;
};

}  // namespace quorvane::internal

#endif  // QUORVANE_REGEX_CODE_PAGE_CONVERTER_H_
