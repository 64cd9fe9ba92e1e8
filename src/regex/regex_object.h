// One regular expression run over one subject text: the number of matches, the text of each match
// and of each of its groups, and where they lie in the subject.
//
// Patterns are written in the scripting engine's dialect (JavaScript-like: [\s\S] for any character,
// lazy *?, \uHHHH, "$1" in replacements). The subject and the pattern are GBK texts; the engine
// works on their UTF-16 form. Matches and groups are numbered from 1. Every reading operation
// gives the empty text, 0 or the position -2 before the first `Create`, after a `Create` whose
// pattern the engine did not accept, and for numbers out of range.
//
// A copy shares the compiled pattern and the matches with its source and owns its own copy of the
// subject; either may be destroyed first. An object is used by one thread at a time.
#ifndef QUORVANE_REGEX_REGEX_OBJECT_H_
#define QUORVANE_REGEX_REGEX_OBJECT_H_

#include <memory>
#include <string>

#include "regex/code_page_converter.h"
#include "text/text.h"

namespace quorvane {

namespace internal {
class MatchTable;
}  // namespace internal

class RegexObject {
 public:
  RegexObject();
  virtual ~RegexObject();
  RegexObject(const RegexObject& source);
  RegexObject& operator=(const RegexObject& source);

  // A copy of this object, as the copy constructor makes it.
  virtual std::unique_ptr<RegexObject> Copy() const;

  // Runs `pattern` over `subject`, replacing everything the previous run left. Letters match
  // either case unless `caseSensitive`; `multiLine` lets ^ and $ match at line breaks; `global`
  // collects every match, left to right without overlaps, instead of the first. With
  // `quotePlaceholder` each "#引号" in the pattern stands for a double quote. True when the pattern
  // ran, whether or not anything matched; false when the engine did not accept the pattern.
  virtual bool Create(const Text& pattern, const Text& subject, bool caseSensitive = false,
                      bool multiLine = true, bool global = true, bool quotePlaceholder = false);

  // The pattern of the last `Create`, after the quote placeholder was replaced, even when the engine
  // did not accept it; the empty text before the first `Create`.
  virtual Text GetPattern() const;

  // The subject with the matches of the last run (every one, or the first without global) replaced
  // by `replacement`, in which "$1".."$99", "$&", "$`", "$'" and "$$" stand for the groups, the
  // match, the text before and after it, and a dollar sign. The empty text when the last pattern did
  // not run, or before the first `Create`. Changes nothing in the object.
  virtual Text Replace(const Text& replacement) const;

  // Number of matches of the last run; 0 when none, or when the pattern did not run.
  virtual int GetMatchCount() const;

  // The text of match `matchNumber` (from 1); the empty text when there is no such match. When
  // `position` is given, it receives the 0-based byte offset of the match in the GBK subject, or -2
  // when there is no such match.
  virtual Text GetMatchText(int matchNumber, int* position = nullptr) const;

  // The text of group `groupNumber` (from 1) of match `matchNumber`; the empty text when either does
  // not exist or the group took no part in the match. When `position` is given, it receives the
  // group's 0-based byte offset in the GBK subject, or -2 when the match or group does not exist or
  // took no part.
  virtual Text GetSubmatchText(int matchNumber, int groupNumber, int* position = nullptr) const;

  // Number of groups in the pattern when the last run found at least one match, otherwise 0.
  virtual int GetSubmatchCount() const;

 private:
  struct Engine;
  struct SubjectOrigin;

  // There is no engine runtime to start or end here; these keep the places where the object's
  // life begins and ends its hold on the engine.
  void Initialise();
  void Finalise();

  // Where group `group` (0: the whole match) of match `matchNumber` (from 1) lies, in code units;
  // false when the match or group does not exist or took no part.
  bool FindSpan(int matchNumber, int group, std::uint32_t* start, std::uint32_t* end) const;
  int ByteOffset(std::uint32_t unit) const;

  std::shared_ptr<const Engine> engine_;
  std::shared_ptr<const internal::MatchTable> matches_;
  internal::Utf16Units subject_;
  // The GBK subject, kept only when it is not pure ASCII, to find byte offsets of code units.
  std::shared_ptr<const SubjectOrigin> origin_;
  mutable internal::CodePageConverter converter_;
};

}  // namespace quorvane

#endif  // QUORVANE_REGEX_REGEX_OBJECT_H_
