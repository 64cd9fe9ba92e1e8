#include "text/text_between.h"

#include <string>

#include "text/character_walk.h"
#include "text/hooks.h"
#include "text/text_primitives.h"

namespace quorvane {
namespace {

Text FirstPartBetween(const Text& source, const Text& startMarker, const Text& endMarker, bool ignoreCase) {
  int begin = 1;
  if (!startMarker.empty()) {
    const int found = FindText(source, startMarker, 1, ignoreCase);
    if (found == -1) {
      return {};
    }
    begin = found + TextLength(startMarker);
  }
  int end = TextLength(source) + 1;
  if (!endMarker.empty()) {
    end = FindText(source, endMarker, begin, ignoreCase);
    if (end == -1) {
      return {};
    }
  }
  return TextMid(source, begin, end - begin);
}

// Works on byte offsets from 0 so that the collection costs one pass over the source.
Text EveryPartBetween(const Text& source, const Text& startMarker, const Text& endMarker, bool ignoreCase,
                      const Text& separator) {
  const std::string_view bytes = source.view();
  std::string joined;
  std::size_t from = 0;
  while (true) {
    const std::size_t start = internal::FindAtCharacterStart(bytes, startMarker.view(), from, ignoreCase);
    if (start == std::string_view::npos) {
      break;
    }
    const std::size_t begin = start + startMarker.size();
    const std::size_t end = internal::FindAtCharacterStart(bytes, endMarker.view(), begin, ignoreCase);
    if (end == std::string_view::npos) {
      break;
    }
    internal::AppendOrReport(joined, bytes.substr(begin, end - begin));
    internal::AppendOrReport(joined, separator.view());
    from = end;
    ProcessPendingEvents();
  }
  return internal::TextAccess::Adopt(std::move(joined));
}

}  // namespace

Text TextBetween(const Text& source, const Text& startMarker, const Text& endMarker, bool ignoreCase,
                 bool allOccurrences, Text* separator) {
  if (!allOccurrences) {
    return FirstPartBetween(source, startMarker, endMarker, ignoreCase);
  }
  Text defaultSeparator;
  Text& usedSeparator = separator != nullptr ? *separator : defaultSeparator;
  if (usedSeparator.empty()) {
    usedSeparator = "\r\n";
  }
  // With an empty marker every search would succeed at the same place and the loop would not move.
  if (startMarker.empty() || endMarker.empty()) {
    return {};
  }
  return EveryPartBetween(source, startMarker, endMarker, ignoreCase, usedSeparator);
}

}  // namespace quorvane
