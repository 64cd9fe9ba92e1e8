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
  std::string zeros;
  internal::ReserveOrReport(zeros, static_cast<std::size_t>(count));
  zeros.assign(static_cast<std::size_t>(count), '\0');
  return Bytes(std::move(zeros));
}

Text BytesToText(const Bytes& bytes) {
  return Text(bytes.view());
}

namespace internal {

Bytes JoinByteViews(std::initializer_list<std::string_view> parts) {
  std::size_t total = 0;
  for (const std::string_view part : parts) {
    total += part.size();
  }
  std::string joined;
  ReserveOrReport(joined, total);
  for (const std::string_view part : parts) {
    joined.append(part);
  }
  return Bytes(std::move(joined));
}

}  // namespace internal
}  // namespace quorvane
