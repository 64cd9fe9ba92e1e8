#include "text/ascii.h"

#include <cstdint>
#include <cstring>

namespace quorvane {

std::size_t FindHighByte(std::string_view bytes, std::size_t from, std::size_t to) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
  std::size_t i = from;
  for (; i + 32 <= to; i += 32) {
    std::uint64_t words[4];
    std::memcpy(words, bytes.data() + i, sizeof words);
    if (((words[0] | words[1] | words[2] | words[3]) & kHighBits) != 0) {
      break;
    }
  }
  for (; i + 8 <= to; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + i, sizeof word);
    if ((word & kHighBits) != 0) {
      break;
    }
  }
  for (; i < to; ++i) {
    if (IsHighByte(bytes[i])) {
      return i;
    }
  }
  return to;
}

}  // namespace quorvane
