#include "text/extraction.h"

#include <utility>

#include "regex/regex_object.h"
#include "text/text_primitives.h"

namespace quorvane {
namespace {

constexpr char kAnyCharactersGroup[] = "([\\s\\S]*?)";

}  // namespace

int RegexTextBetweenAll(const Text& text, const Text& startMarker, const Text& endMarker,
                        TextArray* resultList, int maximumLength, const Text& prefix, const Text& suffix,
                        bool includeStartMarker, bool includeEndMarker) {
  RegexObject regex;
  if (resultList != nullptr) {
    resultList->Clear();
  }
  const Text pattern = JoinTexts(RegexEscape(startMarker), kAnyCharactersGroup, RegexEscape(endMarker));
  regex.Create(pattern, text);
  const int matchCount = regex.GetMatchCount();
  if (resultList == nullptr && maximumLength == 0) {
    return matchCount;  // every piece would be kept, so none needs to be read
  }
  const bool dressed = !prefix.empty() || !suffix.empty() || includeStartMarker || includeEndMarker;
  int kept = 0;
  for (int i = 1; i <= matchCount; ++i) {
    Text piece = regex.GetSubmatchText(i, 1);
    if (maximumLength != 0 && TextLength(piece) > maximumLength) {
      continue;
    }
    ++kept;
    if (resultList == nullptr) {
      continue;
    }
    if (dressed) {
      piece = JoinTexts(includeStartMarker ? startMarker : Text(), prefix, piece, suffix,
                        includeEndMarker ? endMarker : Text());
    }
    resultList->Append(std::move(piece));
  }
  return resultList == nullptr ? kept : resultList->Count();
}

Text RegexEscape(const Text& marker) {
  const Text special = ReplaceFivePairs(marker, std::nullopt, 1, false, "?", "\\?", "*", "\\*", "+", "\\+",
                                        "[", "\\[", "]", "\\]");
  const Text grouping = ReplaceFivePairs(special, std::nullopt, 1, false, "(", "\\(", ")", "\\)", "{", "\\{",
                                         "}", "\\}", "#引号", "\"");
  return ReplaceSubtext(grouping, "\r\n", "\\n", 1, std::nullopt, true);
}

Text ReplaceFivePairs(const Text& text, std::optional<int> count, int startPosition, bool caseSensitive,
                      const Text& sought1, const Text& replacement1, const Text& sought2,
                      const Text& replacement2, const Text& sought3, const Text& replacement3,
                      const Text& sought4, const Text& replacement4, const Text& sought5,
                      const Text& replacement5) {
  const int start = startPosition == 0 ? 1 : startPosition;
  Text working = text;
  const std::pair<const Text&, const Text&> pairs[] = {{sought1, replacement1},
                                                       {sought2, replacement2},
                                                       {sought3, replacement3},
                                                       {sought4, replacement4},
                                                       {sought5, replacement5}};
  for (const auto& [sought, replacement] : pairs) {
    working = ReplaceSubtext(working, sought, replacement, start, count, caseSensitive);
  }
  return working;
}

}  // namespace quorvane
