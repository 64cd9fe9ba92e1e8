// The GBK character walk shared by the searching primitives (internal to src/text).
//
// A walk starts at a byte that it treats as a character start and steps over one byte below 0x80
// or two bytes from a byte of 0x80 or more. The helpers find candidates with plain byte searches
// and check them against the walk afterwards, so ASCII stretches are crossed at memchr speed and
// every call stays linear in the distance it covers.
#ifndef QUORVANE_TEXT_CHARACTER_WALK_H_
#define QUORVANE_TEXT_CHARACTER_WALK_H_

#include <cstddef>
#include <string_view>

#include "text/ascii.h"

namespace quorvane::internal {

// Walks from `from` (a character start) and returns `target` when the walk lands on it, or
// `target` + 1 when `target` is the second byte of a two-byte character.
std::size_t WalkTo(std::string_view bytes, std::size_t from, std::size_t target);

// Index of the first occurrence of `sought` (not empty) that begins at a character start of the
// walk from `from`, or npos. With `ignoreCase` the ASCII letters match either case.
std::size_t FindAtCharacterStart(std::string_view text, std::string_view sought, std::size_t from,
                                 bool ignoreCase);

}  // namespace quorvane::internal

#endif  // QUORVANE_TEXT_CHARACTER_WALK_H_
