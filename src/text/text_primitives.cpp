#include "text/text_primitives.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "text/ascii.h"
#include "text/character_walk.h"

namespace quorvane {
namespace {

using internal::FindAtCharacterStart;

constexpr char kFullWidthSpaceByte = '\xA1';

// Every result here is cut or joined from texts, so it holds no zero byte.
Text MakeText(std::string_view bytes) {
  return internal::TextAccess::Copy(bytes);
}
Text AdoptText(std::string&& bytes) {
  return internal::TextAccess::Adopt(std::move(bytes));
}

bool IsFullWidthSpaceAt(std::string_view bytes, std::size_t index) {
  return index + 1 < bytes.size() && bytes[index] == kFullWidthSpaceByte &&
         bytes[index + 1] == kFullWidthSpaceByte;
}

template <typename ChangeLetter>
Text ChangeAsciiLetters(const Text& text, ChangeLetter change) {
  std::string bytes = internal::CopyOrReport(text.view());
  std::size_t position = 0;
  while (position < bytes.size()) {
    const std::size_t lead = FindHighByte(bytes, position, bytes.size());
    for (std::size_t i = position; i < lead; ++i) {
      bytes[i] = change(bytes[i]);
    }
    position = lead + 2;
  }
  return AdoptText(std::move(bytes));
}

}  // namespace

int TextLength(const Text& text) {
  return static_cast<int>(text.size());
}

Text TextLeft(const Text& text, int count) {
  if (count <= 0) {
    return {};
  }
  return MakeText(text.view().substr(0, static_cast<std::size_t>(count)));
}

Text TextRight(const Text& text, int count) {
  if (count <= 0) {
    return {};
  }
  const std::size_t kept = std::min(text.size(), static_cast<std::size_t>(count));
  return MakeText(text.view().substr(text.size() - kept));
}

Text TextMid(const Text& text, int start, int count) {
  if (start < 1 || start > TextLength(text) || count <= 0) {
    return {};
  }
  return MakeText(text.view().substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count)));
}

int FindText(const Text& text, const Text& sought, int start, bool ignoreCase) {
  const int from = std::max(start, 1);
  if (from > TextLength(text)) {
    return -1;
  }
  if (sought.empty()) {
    return 1;
  }
  const std::size_t found =
      FindAtCharacterStart(text.view(), sought.view(), static_cast<std::size_t>(from - 1), ignoreCase);
  return found == std::string_view::npos ? -1 : static_cast<int>(found) + 1;
}

Text ReplaceAt(const Text& text, int start, int count, const Text& replacement) {
  const std::int64_t length = TextLength(text);
  const std::int64_t from = std::clamp<std::int64_t>(start, 1, length + 1) - 1;
  const std::int64_t taken = std::clamp<std::int64_t>(count, 0, length - from);
  const std::string_view bytes = text.view();
  return internal::JoinTextViews({bytes.substr(0, static_cast<std::size_t>(from)), replacement.view(),
                                  bytes.substr(static_cast<std::size_t>(from + taken))});
}

Text ReplaceSubtext(const Text& text, const Text& sought, const Text& replacement, int start,
                    std::optional<int> count, bool caseSensitive) {
  if (text.empty() || sought.empty() || start > TextLength(text) || count == 0) {
    return text;
  }
  const std::string_view bytes = text.view();
  const std::string_view soughtBytes = sought.view();
  const std::size_t from = static_cast<std::size_t>(std::max(start, 1) - 1);
  const bool limited = count.has_value() && *count > 0;

  std::string result = internal::ReservedOrReport(bytes.size());
  result.append(bytes.substr(0, from));
  std::size_t position = from;
  int made = 0;
  while (!(limited && made == *count)) {
    const std::size_t found = FindAtCharacterStart(bytes, soughtBytes, position, !caseSensitive);
    if (found == std::string_view::npos) {
      // A one-byte sought lets the scan reach a lone lead byte at the very end, where the walk ends
      // without copying it. A longer sought stops the scan before it, and the rest is copied.
      std::size_t end = bytes.size();
      if (soughtBytes.size() == 1 && end > position && IsHighByte(bytes.back()) &&
          internal::WalkTo(bytes, position, end - 1) == end - 1) {
        --end;
      }
      internal::AppendOrReport(result, bytes.substr(position, end - position));
      return AdoptText(std::move(result));
    }
    internal::AppendOrReport(result, bytes.substr(position, found - position));
    internal::AppendOrReport(result, replacement.view());
    position = found + soughtBytes.size();
    ++made;
  }
  internal::AppendOrReport(result, bytes.substr(position));
  return AdoptText(std::move(result));
}

Text TrimSpaces(const Text& text) {
  const std::string_view bytes = text.view();
  std::size_t begin = 0;
  while (begin < bytes.size()) {
    if (bytes[begin] == ' ') {
      ++begin;
    } else if (IsFullWidthSpaceAt(bytes, begin)) {
      begin += 2;
    } else {
      break;
    }
  }
  // `end` follows the last character that is not a space; a lone lead byte at the end never counts.
  std::size_t end = begin;
  std::size_t position = begin;
  while (position < bytes.size()) {
    const std::size_t lead = FindHighByte(bytes, position, bytes.size());
    std::size_t runEnd = lead;
    while (runEnd > position && bytes[runEnd - 1] == ' ') {
      --runEnd;
    }
    if (runEnd > position) {
      end = runEnd;
    }
    if (lead + 1 >= bytes.size()) {
      break;
    }
    if (!IsFullWidthSpaceAt(bytes, lead)) {
      end = lead + 2;
    }
    position = lead + 2;
  }
  return MakeText(bytes.substr(begin, end - begin));
}

Text ToUpper(const Text& text) {
  return ChangeAsciiLetters(text, AsciiToUpper);
}

Text ToLower(const Text& text) {
  return ChangeAsciiLetters(text, AsciiToLower);
}

Text BlankText(int count) {
  if (count <= 0) {
    return {};
  }
  return AdoptText(internal::FilledOrReport(static_cast<std::size_t>(count), ' '));
}

int CompareText(const Text& a, const Text& b, bool caseSensitive) {
  const std::string_view left = a.view();
  const std::string_view right = b.view();
  if (caseSensitive) {
    return left.compare(right);
  }
  const std::size_t common = std::min(left.size(), right.size());
  std::size_t i = 0;
  while (i < common) {
    // Both walks stay in step while the bytes agree, so a two-byte character on one side meets
    // the same lead byte on the other, and its second byte is compared exactly.
    const bool twoByte = IsHighByte(left[i]);
    const auto l = static_cast<unsigned char>(twoByte ? left[i] : AsciiToUpper(left[i]));
    const auto r = static_cast<unsigned char>(twoByte ? right[i] : AsciiToUpper(right[i]));
    if (l != r) {
      return l < r ? -1 : 1;
    }
    if (twoByte && i + 1 < common && left[i + 1] != right[i + 1]) {
      return static_cast<unsigned char>(left[i + 1]) < static_cast<unsigned char>(right[i + 1]) ? -1 : 1;
    }
    i += twoByte ? 2 : 1;
  }
  if (left.size() == right.size()) {
    return 0;
  }
  return left.size() < right.size() ? -1 : 1;
}

bool TextEquals(const Text& a, const Text& b) {
  return a.view() == b.view();
}

namespace internal {

Text JoinTextViews(std::initializer_list<std::string_view> parts) {
  return AdoptText(JoinOrReport(parts));
}

}  // namespace internal
}  // namespace quorvane
