#include "text/byte_primitives.h"

#include <string>

namespace quorvane {

int BytesLength(const Bytes& bytes) {
  return static_cast<int>(bytes.size());
}

Bytes BytesLeft(const Bytes& bytes, int count) {
  if (count <= 0) {
    return {};
  }
  return Bytes(bytes.view().substr(0, static_cast<std::size_t>(count)));
}

Bytes BlankBytes(int count) {
  if (count <= 0) {
    return {};
  }
  return Bytes(internal::FilledOrReport(static_cast<std::size_t>(count), '\0'));
}

Text BytesToText(const Bytes& bytes) {
  return Text(bytes.view());
}

namespace internal {

Bytes JoinByteViews(std::initializer_list<std::string_view> parts) {
  return Bytes(JoinOrReport(parts));
}

}  // namespace internal
}  // namespace quorvane
