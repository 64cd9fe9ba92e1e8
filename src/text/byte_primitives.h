// Byte buffers: measuring, cutting, making, joining, and reading a text out of a buffer.
#ifndef QUORVANE_TEXT_BYTE_PRIMITIVES_H_
#define QUORVANE_TEXT_BYTE_PRIMITIVES_H_

#include <initializer_list>
#include <string_view>
#include <type_traits>

#include "text/text.h"

namespace quorvane {

// Number of bytes; 0 for the empty buffer.
int BytesLength(const Bytes& bytes);

// The first `count` bytes: empty for a count below 0, all bytes for a count beyond the length.
Bytes BytesLeft(const Bytes& bytes, int count);

// `count` zero bytes; empty for a count of 0 or less.
Bytes BlankBytes(int count);

// The bytes before the first zero byte, or all of them when none is zero.
Text BytesToText(const Bytes& bytes);

namespace internal {
Bytes JoinByteViews(std::initializer_list<std::string_view> parts);
}  // namespace internal

// The concatenation of the buffers in the order given.
template <typename... Parts>
requires(sizeof...(Parts) >= 2 && (std::is_same_v<Parts, Bytes> && ...)) Bytes
    JoinBytes(const Parts&... parts) {
  return internal::JoinByteViews({parts.view()...});
}

}  // namespace quorvane

#endif  // QUORVANE_TEXT_BYTE_PRIMITIVES_H_
