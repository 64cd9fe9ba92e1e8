// Cutting the text between a start marker and an end marker, once or for every occurrence.
#ifndef QUORVANE_TEXT_TEXT_BETWEEN_H_
#define QUORVANE_TEXT_TEXT_BETWEEN_H_

#include "text/text.h"

namespace quorvane {

// Single mode (`allOccurrences` false): the text after the first `startMarker` up to the first
// `endMarker` after it. An empty start marker means the start of the source, an empty end marker
// its end. The empty text when a marker is missing, when the markers touch, or when the start marker
// ends the source.
//
// All-occurrences mode: every such part followed by the separator, the last one included. A
// `separator` variable that holds the empty text (or no variable at all) is set to CR LF first, and
// the caller sees that value. The next start marker is looked for from the end marker just found,
// so an end marker that also reads as a start marker opens the next part. A start marker without an
// end marker after it ends the collection. Waiting window events are dispatched once per part. With
// an empty start or end marker the mode has no defined parts and gives the empty text.
//
// `ignoreCase` lets the ASCII letters of the markers match either case.
//
// Example (single mode):
//   TextBetween("x[a]y[b]", "[", "]") -> "a";  TextBetween("]a[b]", "[", "]") -> "b"
//   TextBetween("ab[cd", "[") -> "cd";  TextBetween("!ABC1!v!ABC2!", "!abc1!", "!abc2!", true) -> "v"
// Example (all occurrences, separator "," given):
//   TextBetween("[a][b][c]", "[", "]", false, true, &separator) -> "a,b,c,"
//   TextBetween(",a,b,c", ",", ",", false, true, &separator) -> "a,b," (an end marker opens the next part)
Text TextBetween(const Text& source, const Text& startMarker = {}, const Text& endMarker = {},
                 bool ignoreCase = false, bool allOccurrences = false, Text* separator = nullptr);

}  // namespace quorvane

#endif  // QUORVANE_TEXT_TEXT_BETWEEN_H_
