// Collecting every text between two markers in one pass of a regular expression, and the escaping
// that turns a plain marker into pattern text.
//
// Unlike the text primitives, this file runs on the regex object, so letter case in markers folds
// by the regex engine's rules (every script, not only ASCII).
#ifndef QUORVANE_TEXT_EXTRACTION_H_
#define QUORVANE_TEXT_EXTRACTION_H_

#include <optional>

#include "text/text.h"

namespace quorvane {

// Collects, from left to right, each text that lies between `startMarker` and the first
// `endMarker` after it, ignoring letter case; line breaks may lie inside. Matches do not overlap:
// an end marker never also opens the next piece, and a start marker without an end marker after
// it gives nothing. Each piece becomes `startMarker` (when `includeStartMarker`) + `prefix` +
// piece + `suffix` + `endMarker` (when `includeEndMarker`), unless `maximumLength` is not 0 and
// the piece is longer than that many bytes (a negative maximum leaves every piece out). The result
// list, when given, is cleared first, even when nothing is found. Returns the number of pieces
// kept; 0 when the pattern made from the markers cannot run.
int RegexTextBetweenAll(const Text& text, const Text& startMarker, const Text& endMarker,
                        TextArray* resultList = nullptr, int maximumLength = 0, const Text& prefix = {},
                        const Text& suffix = {}, bool includeStartMarker = false,
                        bool includeEndMarker = false);

// `marker` as pattern text: a backslash before each ? * + [ ] ( ) { }, a double quote for each
// "#引号", and \n for each CR LF. Nothing else is escaped: . ^ $ | \ - keep their meaning in the
// pattern, and a backslash in the marker combines with the character after it.
Text RegexEscape(const Text& marker);

// Applies ReplaceSubtext five times in a row, each pair to the result of the one before, with the
// same `count` limit for each (all occurrences when not given), from `startPosition` (0 counts as
// 1), ignoring ASCII letter case unless `caseSensitive`. A pair with an empty sought text changes
// nothing.
Text ReplaceFivePairs(const Text& text, std::optional<int> count, int startPosition, bool caseSensitive,
                      const Text& sought1, const Text& replacement1, const Text& sought2 = {},
                      const Text& replacement2 = {}, const Text& sought3 = {}, const Text& replacement3 = {},
                      const Text& sought4 = {}, const Text& replacement4 = {}, const Text& sought5 = {},
                      const Text& replacement5 = {});

}  // namespace quorvane

#endif  // QUORVANE_TEXT_EXTRACTION_H_
