#include "text/text.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <utility>

#include "text/hooks.h"

namespace quorvane {
namespace internal {

void ReserveOrReport(std::string& bytes, std::size_t size) {
  if (size <= bytes.capacity()) {
    return;
  }
  if (size > kMaxValueBytes) {
    ReportFatalError(AllocationFailureMessage(size));
  }
  try {
    bytes.reserve(size);
  } catch (const std::bad_alloc&) {
    ReportFatalError(AllocationFailureMessage(size));
  } catch (const std::length_error&) {
    ReportFatalError(AllocationFailureMessage(size));
  }
}

void AppendOrReport(std::string& bytes, std::string_view more) {
  if (more.size() > kMaxValueBytes - std::min(bytes.size(), kMaxValueBytes)) {
    ReportFatalError(AllocationFailureMessage(bytes.size() + more.size()));
  }
  const std::size_t needed = bytes.size() + more.size();
  if (needed > bytes.capacity()) {
    ReserveOrReport(bytes, std::min(std::max(needed, bytes.capacity() * 2), kMaxValueBytes));
  }
  bytes.append(more);
}

std::string ReservedOrReport(std::size_t size) {
  std::string bytes;
  ReserveOrReport(bytes, size);
  return bytes;
}

std::string CopyOrReport(std::string_view bytes) {
  std::string copy = ReservedOrReport(bytes.size());
  copy.assign(bytes);
  return copy;
}

std::string FilledOrReport(std::size_t count, char byte) {
  std::string filled = ReservedOrReport(count);
  filled.assign(count, byte);
  return filled;
}

std::string JoinOrReport(std::initializer_list<std::string_view> parts) {
  std::size_t total = 0;
  for (const std::string_view part : parts) {
    total += std::min(part.size(), kMaxValueBytes + 1);  // a sum past the limit is refused, not wrapped
  }
  std::string joined = ReservedOrReport(total);
  for (const std::string_view part : parts) {
    joined.append(part);
  }
  return joined;
}

Text TextAccess::Copy(std::string_view bytesWithoutZero) {
  return Adopt(CopyOrReport(bytesWithoutZero));
}

}  // namespace internal

namespace {

std::string_view UpToFirstZero(std::string_view bytes) {
  return bytes.substr(0, bytes.find('\0'));
}

}  // namespace

Text::Text(const char* bytes) : Text(std::string_view(bytes == nullptr ? "" : bytes)) {}

Text::Text(std::string_view bytes) : bytes_(internal::CopyOrReport(UpToFirstZero(bytes))) {}

Text::Text(std::string&& bytes) : bytes_(std::move(bytes)) {
  if (const std::size_t zero = bytes_.find('\0'); zero != std::string::npos) {
    bytes_.resize(zero);
  }
  if (bytes_.size() > kMaxValueBytes) {
    ReportFatalError(AllocationFailureMessage(bytes_.size()));
  }
}

void Text::Append(std::string_view more) {
  internal::AppendOrReport(bytes_, UpToFirstZero(more));
}

Bytes::Bytes(std::string_view bytes) : bytes_(internal::CopyOrReport(bytes)) {}

Bytes::Bytes(std::string&& bytes) : bytes_(std::move(bytes)) {
  if (bytes_.size() > kMaxValueBytes) {
    ReportFatalError(AllocationFailureMessage(bytes_.size()));
  }
}

void Bytes::Append(std::string_view more) {
  internal::AppendOrReport(bytes_, more);
}

void TextArray::Append(Text element) {
  try {
    elements_.push_back(std::move(element));
  } catch (const std::bad_alloc&) {
    ReportFatalError(AllocationFailureMessage((elements_.size() + 1) * sizeof(Text)));
  }
}

const Text& TextArray::At(int index) const noexcept {
  static const Text kEmpty;
  if (index < 1 || index > Count()) {
    return kEmpty;
  }
  return elements_[static_cast<std::size_t>(index - 1)];
}

}  // namespace quorvane
