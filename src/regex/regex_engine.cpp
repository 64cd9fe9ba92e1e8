#include "regex/regex_engine.h"

#include <new>

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include "regex/code_page_converter.h"

namespace quorvane::internal {
namespace {

// The patterns are written in the scripting engine's dialect, which is JavaScript's. PCRE2 reads
// Perl's, so where the two differ these options give the dialect's meaning:
// - PCRE2_UTF: the subject is read as UTF-16 characters and case folding covers every script, as
//   the dialect's ignore-case does (a GBK text holds Greek and Cyrillic letters too). No PCRE2_UCP:
//   \d, \w and \b stay ASCII, as in the dialect.
// - PCRE2_ALT_BSUX: \uHHHH is a code unit, \xHH takes exactly two hex digits, and a \u or \x
//   without them is the letter itself.
// - PCRE2_DOLLAR_ENDONLY: without multi-line, $ matches only at the very end, not also before a
//   final line feed. With multi-line it has no effect.
// - PCRE2_MATCH_UNSET_BACKREF: a back-reference to a group that took no part matches the empty
//   string instead of failing.
// - PCRE2_ALLOW_EMPTY_CLASS: [] matches nothing and [^] any character.
// - Newline ANYCRLF: the dialect's "." stops at CR as well as at LF, and ^ and $ in multi-line mode
//   see both, so playlists with CR LF lines read the same as those with LF lines.
// - PCRE2_NEVER_BACKSLASH_C: the dialect has no \C, which could split a character.
// Global matching steps over an empty match by one character, as the dialect does, instead of
// retrying the same position for a non-empty match as Perl does.
constexpr std::uint32_t kCompileOptions = PCRE2_UTF | PCRE2_ALT_BSUX | PCRE2_DOLLAR_ENDONLY |
                                          PCRE2_MATCH_UNSET_BACKREF | PCRE2_ALLOW_EMPTY_CLASS |
                                          PCRE2_NEVER_BACKSLASH_C;

// A lazy run such as ([\s\S]*?) costs one step of the match limit per character: the default
// limit ends matches near ten million characters, so no limit is set that a text in memory could
// reach.
constexpr std::uint32_t kNoLimit = UINT32_MAX;
constexpr PCRE2_SIZE kJitStackStart = 32 * 1024;
constexpr PCRE2_SIZE kJitStackMaximum = 16 * 1024 * 1024;

struct MatchDataDeleter {
  void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};
struct MatchContextDeleter {
  void operator()(pcre2_match_context* context) const { pcre2_match_context_free(context); }
};
struct JitStackDeleter {
  void operator()(pcre2_jit_stack* stack) const { pcre2_jit_stack_free(stack); }
};
struct CompileContextDeleter {
  void operator()(pcre2_compile_context* context) const { pcre2_compile_context_free(context); }
};

PCRE2_SPTR AsPcre(std::u16string_view units) {
  // PCRE2 reads 16-bit code units as uint16_t; char16_t has the same size and representation.
  static_assert(sizeof(PCRE2_UCHAR) == sizeof(char16_t));
  return reinterpret_cast<PCRE2_SPTR>(units.data());
}

bool IsDigit(char16_t unit) {
  return unit >= u'0' && unit <= u'9';
}

}  // namespace

struct CompiledPattern::Code {
  explicit Code(pcre2_code* compiled) : code(compiled) {}
  ~Code() { pcre2_code_free(code); }
  pcre2_code* code;
};

CompiledPattern::CompiledPattern(std::unique_ptr<Code> code, int groupCount)
    : code_(std::move(code)), groupCount_(groupCount) {}

CompiledPattern::~CompiledPattern() = default;

std::shared_ptr<const CompiledPattern> CompiledPattern::Compile(std::u16string_view pattern, bool ignoreCase,
                                                                bool multiLine) {
  std::unique_ptr<pcre2_compile_context, CompileContextDeleter> context(
      pcre2_compile_context_create(nullptr));
  if (context == nullptr) {
    return nullptr;
  }
  pcre2_set_newline(context.get(), PCRE2_NEWLINE_ANYCRLF);
  const std::uint32_t options =
      kCompileOptions | (ignoreCase ? PCRE2_CASELESS : 0U) | (multiLine ? PCRE2_MULTILINE : 0U);
  int error = 0;
  PCRE2_SIZE errorOffset = 0;
  pcre2_code* compiled =
      pcre2_compile(AsPcre(pattern), pattern.size(), options, &error, &errorOffset, context.get());
  if (compiled == nullptr) {
    return nullptr;
  }
  auto code = std::make_unique<Code>(compiled);
  // Without the JIT (an unsupported machine, no executable memory) the interpreter matches alike.
  pcre2_jit_compile(compiled, PCRE2_JIT_COMPLETE);
  std::uint32_t groupCount = 0;
  pcre2_pattern_info(compiled, PCRE2_INFO_CAPTURECOUNT, &groupCount);
  return std::shared_ptr<const CompiledPattern>(
      new CompiledPattern(std::move(code), static_cast<int>(groupCount)));
}

std::optional<MatchTable> CompiledPattern::FindMatches(std::u16string_view subject, bool global,
                                                       bool knownValid) const {
  std::unique_ptr<pcre2_match_data, MatchDataDeleter> data(
      pcre2_match_data_create_from_pattern(code_->code, nullptr));
  std::unique_ptr<pcre2_match_context, MatchContextDeleter> context(pcre2_match_context_create(nullptr));
  if (data == nullptr || context == nullptr) {
    return std::nullopt;
  }
  pcre2_set_match_limit(context.get(), kNoLimit);
  pcre2_set_depth_limit(context.get(), kNoLimit);
  std::unique_ptr<pcre2_jit_stack, JitStackDeleter> stack(
      pcre2_jit_stack_create(kJitStackStart, kJitStackMaximum, nullptr));
  if (stack != nullptr) {
    pcre2_jit_stack_assign(context.get(), nullptr, stack.get());
  }

  MatchTable table(groupCount_);
  const PCRE2_SPTR units = AsPcre(subject);
  const PCRE2_SIZE length = subject.size();
  // The first call checks that the subject is valid UTF-16. Checking it again on every later call
  // would make collecting all matches quadratic in the length of the subject.
  std::uint32_t options = knownValid ? PCRE2_NO_UTF_CHECK : 0;
  PCRE2_SIZE start = 0;
  while (start <= length) {
    int result = pcre2_match(code_->code, units, length, start, options, data.get(), context.get());
    if (result == PCRE2_ERROR_JIT_STACKLIMIT) {
      // A pattern that backtracks deeply: the interpreter keeps its backtracking on the heap.
      result =
          pcre2_match(code_->code, units, length, start, options | PCRE2_NO_JIT, data.get(), context.get());
    }
    options |= PCRE2_NO_UTF_CHECK;
    if (result == PCRE2_ERROR_NOMATCH) {
      break;
    }
    if (result < 0) {
      return std::nullopt;
    }
    const PCRE2_SIZE* offsets = pcre2_get_ovector_pointer(data.get());
    try {
      for (int group = 0; group <= groupCount_; ++group) {
        const PCRE2_SIZE groupStart = offsets[2 * group];
        if (group >= result || groupStart == PCRE2_UNSET) {
          table.Append({});
        } else {
          table.Append(
              {static_cast<std::uint32_t>(groupStart), static_cast<std::uint32_t>(offsets[2 * group + 1])});
        }
      }
    } catch (const std::bad_alloc&) {
      return std::nullopt;
    }
    if (!global) {
      break;
    }
    const PCRE2_SIZE matchStart = offsets[0];
    const PCRE2_SIZE matchEnd = offsets[1];
    if (matchEnd > matchStart) {
      start = matchEnd;
    } else if (matchStart >= length) {
      break;
    } else {
      // An empty match: go on after the character at its place, both units of a surrogate pair.
      const bool pair = matchStart + 1 < length && (subject[matchStart] & 0xFC00) == 0xD800 &&
                        (subject[matchStart + 1] & 0xFC00) == 0xDC00;
      start = matchStart + (pair ? 2 : 1);
    }
  }
  return table;
}

std::u16string ReplaceMatches(std::u16string_view subject, const MatchTable& matches,
                              std::u16string_view replacement) {
  std::u16string result;
  ReserveUnitsOrReport(result, subject.size());
  std::size_t copied = 0;
  const int groupCount = matches.GroupCount();
  auto appendGroup = [&](int match, int group) {
    const MatchTable::Span span = matches.At(match, group);
    if (span.IsSet()) {
      result.append(subject.substr(span.start, span.end - span.start));
    }
  };
  for (int match = 0; match < matches.Count(); ++match) {
    const MatchTable::Span whole = matches.At(match, 0);
    if (whole.start > copied) {
      result.append(subject.substr(copied, whole.start - copied));
    }
    for (std::size_t i = 0; i < replacement.size(); ++i) {
      const char16_t unit = replacement[i];
      const char16_t next = i + 1 < replacement.size() ? replacement[i + 1] : u'\0';
      if (unit != u'$' || next == u'\0') {
        result.push_back(unit);
      } else if (next == u'$') {
        result.push_back(u'$');
        ++i;
      } else if (next == u'&') {
        appendGroup(match, 0);
        ++i;
      } else if (next == u'`') {
        result.append(subject.substr(0, whole.start));
        ++i;
      } else if (next == u'\'') {
        result.append(subject.substr(whole.end));
        ++i;
      } else if (IsDigit(next)) {
        const int one = next - u'0';
        const char16_t after = i + 2 < replacement.size() ? replacement[i + 2] : u'\0';
        const int two = IsDigit(after) ? one * 10 + (after - u'0') : 0;
        if (two >= 1 && two <= groupCount) {
          appendGroup(match, two);
          i += 2;
        } else if (one >= 1 && one <= groupCount) {
          appendGroup(match, one);
          ++i;
        } else {
          result.push_back(u'$');
        }
      } else {
        result.push_back(u'$');
      }
    }
    copied = whole.end;
  }
  if (copied < subject.size()) {
    result.append(subject.substr(copied));
  }
  return result;
}

}  // namespace quorvane::internal
