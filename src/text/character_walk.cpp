#include "text/character_walk.h"

namespace quorvane::internal {
namespace {

bool EqualsFolded(const char* a, const char* b, std::size_t length) {
  for (std::size_t i = 0; i < length; ++i) {
    if (AsciiToUpper(a[i]) != AsciiToUpper(b[i])) {
      return false;
    }
  }
  return true;
}

// First index at or after `from` where `sought` occurs, at any byte, with ASCII case folding.
std::size_t FindFolded(std::string_view text, std::string_view sought, std::size_t from) {
  if (sought.size() > text.size()) {
    return std::string_view::npos;
  }
  const char first = AsciiToUpper(sought.front());
  const std::size_t last = text.size() - sought.size();
  for (std::size_t i = from; i <= last; ++i) {
    if (AsciiToUpper(text[i]) == first && EqualsFolded(text.data() + i, sought.data(), sought.size())) {
      return i;
    }
  }
  return std::string_view::npos;
}

}  // namespace

std::size_t WalkTo(std::string_view bytes, std::size_t from, std::size_t target) {
  std::size_t position = from;
  while (position < target) {
    const std::size_t lead = FindHighByte(bytes, position, target);
    if (lead == target) {
      return target;
    }
    position = lead + 2;
  }
  return position;
}

std::size_t FindAtCharacterStart(std::string_view text, std::string_view sought, std::size_t from,
                                 bool ignoreCase) {
  std::size_t position = from;
  while (position < text.size()) {
    const std::size_t candidate =
        ignoreCase ? FindFolded(text, sought, position) : text.find(sought, position);
    if (candidate == std::string_view::npos) {
      return candidate;
    }
    const std::size_t landed = WalkTo(text, position, candidate);
    if (landed == candidate) {
      return candidate;
    }
    position = landed;
  }
  return std::string_view::npos;
}

}  // namespace quorvane::internal
