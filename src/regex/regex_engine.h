// The matching engine under the regex object (internal to src/regex): PCRE2 with 16-bit code units
// and its JIT, set up for the scripting dialect of the patterns (JavaScript-like), plus the
// dialect's replacement syntax.
//
// Offsets count UTF-16 code units from 0. Subjects and patterns come from GBK texts, so they are
// well-formed UTF-16 and never longer than 2^31 units.
#ifndef QUORVANE_REGEX_REGEX_ENGINE_H_
#define QUORVANE_REGEX_REGEX_ENGINE_H_

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::internal {

// Where every match and each of its groups lie in the subject.
class MatchTable {
 public:
  static constexpr std::uint32_t kUnset = UINT32_MAX;

  struct Span {
    std::uint32_t start = kUnset;  // kUnset: the group took no part in the match
    std::uint32_t end = kUnset;
    bool IsSet() const { return start != kUnset; }
  };

  explicit MatchTable(int groupCount) : groupCount_(groupCount) {}

  int Count() const { return static_cast<int>(spans_.size() / SpansPerMatch()); }
  int GroupCount() const { return groupCount_; }
  // Group `group` (0: the whole match) of match `match`, both counted from 0 and in range.
  Span At(int match, int group) const {
    return spans_[static_cast<std::size_t>(match) * SpansPerMatch() + static_cast<std::size_t>(group)];
  }

  void Append(Span span) { spans_.push_back(span); }

 private:
  std::size_t SpansPerMatch() const { return static_cast<std::size_t>(groupCount_) + 1; }

  int groupCount_;
  std::vector<Span> spans_;
};

class CompiledPattern {
 public:
  // The compiled pattern, or null when the engine does not accept it. Without `ignoreCase` letters
  // match only their own case; `multiLine` lets ^ and $ match at line breaks.
  static std::shared_ptr<const CompiledPattern> Compile(std::u16string_view pattern, bool ignoreCase,
                                                        bool multiLine);

  ~CompiledPattern();
  CompiledPattern(const CompiledPattern&) = delete;
  CompiledPattern& operator=(const CompiledPattern&) = delete;

  int GroupCount() const { return groupCount_; }

  // Every match from left to right without overlaps (`global`), or only the first; nothing when
  // the engine gives up (a limit it cannot raise, memory, a subject that is not valid UTF-16).
  // `knownValid` skips the validity check, for subjects that are valid by construction.
  std::optional<MatchTable> FindMatches(std::u16string_view subject, bool global, bool knownValid) const;

 private:
  struct Code;
  CompiledPattern(std::unique_ptr<Code> code, int groupCount);

  std::unique_ptr<Code> code_;
  int groupCount_;
};

// The subject with each match of `matches` replaced by `replacement`, in which "$1".."$99" stand for
// the groups (the two-digit form when that group exists), "$&" for the match, "$`" and "$'" for the
// text before and after it, and "$$" for a dollar sign; any other "$" stands for itself.
std::u16string ReplaceMatches(std::u16string_view subject, const MatchTable& matches,
                              std::u16string_view replacement);

}  // namespace quorvane::internal

#endif  // QUORVANE_REGEX_REGEX_ENGINE_H_
