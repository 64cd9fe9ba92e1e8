// Measuring, cutting, searching, replacing, trimming, case folding, comparing and joining texts.
//
// Positions are 1-based byte positions and a search that finds nothing gives -1. Arguments outside
// the text are clamped or give the empty result; no primitive refuses its arguments.
//
// Searching, replacing, trimming and case folding walk the text character by character: a byte of
// 0x80 or more begins a two-byte character together with the byte after it, whatever that byte is,
// so a match never starts on the second byte of a character (GBK trail bytes can equal "[", "]" or
// an ASCII letter). A lone byte of 0x80 or more at the very end (a cut character) ends the walk.
// Ignoring case folds only the 26 ASCII letters.
#ifndef QUORVANE_TEXT_TEXT_PRIMITIVES_H_
#define QUORVANE_TEXT_TEXT_PRIMITIVES_H_

#include <concepts>
#include <optional>
#include <string_view>

#include "text/text.h"

namespace quorvane {

// Number of bytes; a two-byte character counts 2.
int TextLength(const Text& text);

// The first `count` bytes: empty for a count of 0 or less, the whole text for a count beyond its
// length. Bytes are counted without regard to characters.
//
// Example: TextLeft("abc", 2) -> "ab";  TextLeft("abc", 5) -> "abc";  TextLeft("abc", -1) -> ""
Text TextLeft(const Text& text, int count);

// The last `count` bytes; the same rules as TextLeft.
Text TextRight(const Text& text, int count);

// `count` bytes from position `start`: empty when start is below 1 or beyond the length (it is not
// moved into range) or when count is 0 or less; shortened when it runs past the end.
//
// Example: TextMid("abcdef", 3, 2) -> "cd";  TextMid("abcdef", 5, 10) -> "ef";  TextMid("abcdef", 0, 2) -> ""
Text TextMid(const Text& text, int start, int count);

// Position of the first occurrence of `sought` that begins at a character start at or after
// `start`, or -1. A start below 1 counts as 1; a start beyond the length gives -1. An empty `sought`
// gives 1 (not `start`) when at least one byte lies at or after start. The walk begins at byte
// `start` even when that is the second byte of a character.
//
// Example: FindText("abcabc", "c") -> 3;  FindText("abcabc", "c", 4) -> 6;  FindText("abc", "") -> 1
//          FindText("xabc", "ABC", 1, true) -> 2;  FindText("\x81[", "[") -> -1 (a second byte)
int FindText(const Text& text, const Text& sought, int start = 1, bool ignoreCase = false);

// `text` with `count` bytes from `start` taken out and `replacement` put in their place. A start
// below 1 counts as 1, a start beyond the end as length + 1 (the replacement is appended); a
// negative count counts as 0; a count past the end takes out everything up to the end.
//
// Example: ReplaceAt("abcdefghij", 1, 7) -> "hij";  ReplaceAt("abc", 20, 1, "z") -> "abcz"
Text ReplaceAt(const Text& text, int start, int count, const Text& replacement = {});

// `text` with the occurrences of `sought` from `start` on replaced by `replacement`, left to
// right, never overlapping, never starting on a second byte, never searching a replacement again.
// At most `count` replacements when a count is given; a negative count counts as none given. The
// text comes back unchanged when it is empty, when `sought` is empty, when `start` lies beyond its
// length, or when count is given as 0. A start below 1 counts as 1. A lone lead byte at the very
// end is left out when the scan reaches it with nothing replaced there.
//
// Example: ReplaceSubtext("axbxc", "x", "yz") -> "ayzbyzc";  with count 1 -> "ayzbxc";
//          with start 3 -> "axbyzc";  ReplaceSubtext("xABy", "ab", "-", 1, {}, false) -> "x-y"
Text ReplaceSubtext(const Text& text, const Text& sought, const Text& replacement = {}, int start = 1,
                    std::optional<int> count = std::nullopt, bool caseSensitive = true);

// `text` without ASCII spaces and full-width spaces (A1 A1) at both ends; tabs and line breaks stay.
// A lone lead byte at the very end is left out.
//
// Example: TrimSpaces("  \xA1\xA1ab \xA1\xA1") -> "ab";  TrimSpaces("\tab\n") -> "\tab\n"
Text TrimSpaces(const Text& text);

// The ASCII letters changed to the other case; two-byte characters are passed over whole.
Text ToUpper(const Text& text);
Text ToLower(const Text& text);

// `count` ASCII spaces; empty for a count of 0 or less.
Text BlankText(int count);

// 0 when equal, negative when `a` sorts before `b`, positive after. Without case sensitivity the
// ASCII letters equal their other case and two-byte characters compare whole.
//
// Example: CompareText("GET", "get", false) -> 0;  CompareText("GET", "get", true) -> negative
int CompareText(const Text& a, const Text& b, bool caseSensitive);

// True when both hold the same bytes; also the test for the empty text.
bool TextEquals(const Text& a, const Text& b);

namespace internal {
Text JoinTextViews(std::initializer_list<std::string_view> parts);
inline std::string_view ViewOf(const Text& text) {
  return text.view();
}
inline std::string_view ViewOf(const char* text) {
  return text == nullptr ? "" : text;
}
}  // namespace internal

// The concatenation of the texts in the order given.
template <typename... Parts>
requires(sizeof...(Parts) >= 2 && (std::convertible_to<const Parts&, Text> && ...)) Text
    JoinTexts(const Parts&... parts) {
  return internal::JoinTextViews({internal::ViewOf(parts)...});
}

}  // namespace quorvane

#endif  // QUORVANE_TEXT_TEXT_PRIMITIVES_H_
