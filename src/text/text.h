// The three value types every routine works on.
//
// `Text` is a GBK byte string that never holds a zero byte: lengths and positions count bytes, and
// the missing text and the empty text are one value. `Bytes` is a counted byte buffer that may hold
// zero bytes. `TextArray` is a list of texts indexed from 1. The types are distinct so that the
// compiler keeps texts and buffers apart; the named primitives convert between them.
//
// No value may grow beyond `kMaxValueBytes`: positions and lengths are signed 32-bit integers. A value
// that cannot be given its memory ends the program through the fatal error report (hooks.h).
#ifndef QUORVANE_TEXT_TEXT_H_
#define QUORVANE_TEXT_TEXT_H_

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quorvane {

inline constexpr std::size_t kMaxValueBytes = std::numeric_limits<std::int32_t>::max();

namespace internal {
class TextAccess;
}  // namespace internal

class Text {
 public:
  Text() = default;
  // A C string is a text as it stands; literals are GBK (the build encodes them so).
  Text(const char* bytes);  // NOLINT(google-explicit-constructor)
  // Takes the bytes before the first zero byte, or all of them when none is zero.
  explicit Text(std::string_view bytes);
  explicit Text(std::string&& bytes);

  std::string_view view() const noexcept { return bytes_; }
  const char* c_str() const noexcept { return bytes_.c_str(); }
  std::size_t size() const noexcept { return bytes_.size(); }
  bool empty() const noexcept { return bytes_.empty(); }

  // Appends in amortised constant time per byte; `more` stops at its first zero byte.
  void Append(std::string_view more);
  void Append(const Text& more) { Append(more.view()); }
  void Append(const char* more) { Append(Text(more)); }

  friend bool operator==(const Text&, const Text&) = default;

 private:
  friend class internal::TextAccess;
  struct Trusted {};
  Text(Trusted, std::string&& bytes) noexcept : bytes_(std::move(bytes)) {}

  std::string bytes_;
};

class Bytes {
 public:
  Bytes() = default;
  explicit Bytes(std::string_view bytes);
  explicit Bytes(std::string&& bytes);

  std::string_view view() const noexcept { return bytes_; }
  const char* data() const noexcept { return bytes_.data(); }
  std::size_t size() const noexcept { return bytes_.size(); }
  bool empty() const noexcept { return bytes_.empty(); }

  // Appends in amortised constant time per byte; zero bytes are kept.
  void Append(std::string_view more);

  friend bool operator==(const Bytes&, const Bytes&) = default;

 private:
  std::string bytes_;
};

class TextArray {
 public:
  // Drops every element.
  void Clear() noexcept { elements_.clear(); }
  void Append(Text element);
  int Count() const noexcept { return static_cast<int>(elements_.size()); }
  // Element `index`, counted from 1; the empty text for an index outside 1..Count().
  const Text& At(int index) const noexcept;

  auto begin() const noexcept { return elements_.begin(); }
  auto end() const noexcept { return elements_.end(); }

 private:
  std::vector<Text> elements_;
};

namespace internal {

// For the primitives, which cut and join bytes that come from texts and so hold no zero byte: makes
// a text without scanning for one again.
class TextAccess {
 public:
  static Text Adopt(std::string&& bytesWithoutZero) noexcept {
    return Text(Text::Trusted{}, std::move(bytesWithoutZero));
  }
  static Text Copy(std::string_view bytesWithoutZero);
};

// Makes room for `size` bytes in `bytes`, or ends the program through the fatal error report when
// the memory cannot be obtained or `size` exceeds kMaxValueBytes.
void ReserveOrReport(std::string& bytes, std::size_t size);

// Appends `more`, growing the capacity geometrically; failure as ReserveOrReport.
void AppendOrReport(std::string& bytes, std::string_view more);

// An empty string with room for `size` bytes; failure as ReserveOrReport.
std::string ReservedOrReport(std::size_t size);

// A copy of `bytes`; failure as ReserveOrReport.
std::string CopyOrReport(std::string_view bytes);

// `count` copies of `byte`; failure as ReserveOrReport.
std::string FilledOrReport(std::size_t count, char byte);

// The parts one after another, allocated once; failure as ReserveOrReport.
std::string JoinOrReport(std::initializer_list<std::string_view> parts);

}  // namespace internal
}  // namespace quorvane

#endif  // QUORVANE_TEXT_TEXT_H_
