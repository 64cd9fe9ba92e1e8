#include "regex/regex_object.h"

#include <mutex>
#include <utility>
#include <vector>

#include "regex/regex_engine.h"
#include "text/text_primitives.h"

namespace quorvane {

// What the last `Create` compiled: the pattern as used, and its compiled form (null when the engine
// did not accept the pattern).
struct RegexObject::Engine {
  Text pattern;
  std::shared_ptr<const internal::CompiledPattern> compiled;
};

// The GBK subject of a run whose subject is not pure ASCII. Its code units map to byte offsets only
// through the converter, so the map is made the first time a position is asked for.
struct RegexObject::SubjectOrigin {
  explicit SubjectOrigin(const Text& subject) : gbk(subject) {}

  const std::vector<std::int32_t>& ByteOffsets() const {
    std::call_once(made, [this] {
      internal::CodePageConverter converter;
      offsets = converter.Utf16ByteOffsets(gbk.view());
    });
    return offsets;
  }

  Text gbk;
  mutable std::once_flag made;
  mutable std::vector<std::int32_t> offsets;
};

RegexObject::RegexObject() {
  Initialise();
}

RegexObject::~RegexObject() {
  Finalise();
}

RegexObject::RegexObject(const RegexObject& source)
    : engine_(source.engine_), matches_(source.matches_), subject_(source.subject_), origin_(source.origin_) {
  Initialise();
}

RegexObject& RegexObject::operator=(const RegexObject& source) {
  if (this != &source) {
    engine_ = source.engine_;
    matches_ = source.matches_;
    subject_ = source.subject_;
    origin_ = source.origin_;
  }
  return *this;
}

std::unique_ptr<RegexObject> RegexObject::Copy() const {
  return std::make_unique<RegexObject>(*this);
}

void RegexObject::Initialise() {}

void RegexObject::Finalise() {
  engine_.reset();
  matches_.reset();
  internal::Utf16Units().swap(subject_);
  origin_.reset();
}

bool RegexObject::Create(const Text& pattern, const Text& subject, bool caseSensitive, bool multiLine,
                         bool global, bool quotePlaceholder) {
  const bool ignoreCase = !caseSensitive;
  engine_.reset();
  matches_.reset();

  Text used = quotePlaceholder ? ReplaceSubtext(pattern, "#引号", "\"", 1, std::nullopt, true) : pattern;
  auto compiled = internal::CompiledPattern::Compile(internal::ViewOf(converter_.ToUtf16(used.view())),
                                                     ignoreCase, multiLine);
  engine_ = std::make_shared<const Engine>(Engine{std::move(used), compiled});

  internal::Utf16Units().swap(subject_);
  origin_.reset();
  subject_ = converter_.ToUtf16(subject.view());
  if (!IsAscii(subject.view())) {
    origin_ = std::make_shared<const SubjectOrigin>(subject);
  }

  // A subject of ASCII bytes alone (origin_ not kept) is valid UTF-16 without checking.
  if (compiled != nullptr) {
    if (auto table = compiled->FindMatches(internal::ViewOf(subject_), global, origin_ == nullptr)) {
      matches_ = std::make_shared<const internal::MatchTable>(std::move(*table));
    }
  }
  return matches_ != nullptr;
}

Text RegexObject::GetPattern() const {
  return engine_ == nullptr ? Text() : engine_->pattern;
}

Text RegexObject::Replace(const Text& replacement) const {
  if (matches_ == nullptr) {
    return {};
  }
  const std::u16string replaced = internal::ReplaceMatches(
      internal::ViewOf(subject_), *matches_, internal::ViewOf(converter_.ToUtf16(replacement.view())));
  return converter_.ToText(replaced, false);
}

int RegexObject::GetMatchCount() const {
  return matches_ == nullptr ? 0 : matches_->Count();
}

Text RegexObject::GetMatchText(int matchNumber, int* position) const {
  std::uint32_t start = 0;
  std::uint32_t end = 0;
  const bool found = FindSpan(matchNumber, 0, &start, &end);
  if (position != nullptr) {
    *position = found ? ByteOffset(start) : -2;
  }
  if (!found) {
    return {};
  }
  return converter_.ToText(internal::ViewOf(subject_).substr(start, end - start), true);
}

Text RegexObject::GetSubmatchText(int matchNumber, int groupNumber, int* position) const {
  std::uint32_t start = 0;
  std::uint32_t end = 0;
  const bool found = groupNumber >= 1 && FindSpan(matchNumber, groupNumber, &start, &end);
  if (position != nullptr) {
    *position = found ? ByteOffset(start) : -2;
  }
  if (!found) {
    return {};
  }
  // Group texts come back without composing marks, as the automation layer gave them.
  return converter_.ToText(internal::ViewOf(subject_).substr(start, end - start), false);
}

int RegexObject::GetSubmatchCount() const {
  return matches_ == nullptr || matches_->Count() == 0 ? 0 : matches_->GroupCount();
}

bool RegexObject::FindSpan(int matchNumber, int group, std::uint32_t* start, std::uint32_t* end) const {
  if (matches_ == nullptr || matchNumber < 1 || matchNumber > matches_->Count() || group < 0 ||
      group > matches_->GroupCount()) {
    return false;
  }
  const internal::MatchTable::Span span = matches_->At(matchNumber - 1, group);
  if (!span.IsSet()) {
    return false;
  }
  *start = span.start;
  *end = span.end;
  return true;
}

int RegexObject::ByteOffset(std::uint32_t unit) const {
  return origin_ == nullptr ? static_cast<int>(unit) : origin_->ByteOffsets()[unit];
}

}  // namespace quorvane
