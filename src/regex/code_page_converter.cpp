#include "regex/code_page_converter.h"

#include <bit>
#include <cstring>
#include <new>
#include <stdexcept>

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unorm2.h>
#include <unicode/utf16.h>

#include "text/hooks.h"

namespace quorvane::internal {
namespace {

// Microsoft's table: ICU resolves this name to windows-936-2000, where 0x80 is the euro sign.
constexpr char kCodePageName[] = "windows-936";
constexpr char kDefaultCharacter[] = "?";
constexpr std::size_t kScratchUnits = 16 * 1024;

constexpr bool kLittleEndian = std::endian::native == std::endian::little;

// Widens ASCII bytes to code units, four at a time.
void WidenAscii(std::string_view bytes, char16_t* units) {
  std::size_t i = 0;
  if constexpr (kLittleEndian) {
    for (; i + 4 <= bytes.size(); i += 4) {
      std::uint32_t four;
      std::memcpy(&four, bytes.data() + i, sizeof four);
      std::uint64_t wide = four;
      wide = (wide | wide << 16) & 0x0000FFFF0000FFFFULL;
      wide = (wide | wide << 8) & 0x00FF00FF00FF00FFULL;
      std::memcpy(units + i, &wide, sizeof wide);
    }
  }
  for (; i < bytes.size(); ++i) {
    units[i] = static_cast<char16_t>(bytes[i]);
  }
}

// Narrows `units` into `bytes` up to the first NUL unit while they are ASCII, four at a time.
// False, with `bytes` unspecified, when a unit of 0x80 or more comes first.
bool NarrowAscii(std::u16string_view units, std::string& bytes) {
  ReserveOrReport(bytes, units.size());
  bytes.resize(units.size());
  char* target = bytes.data();
  std::size_t i = 0;
  if constexpr (kLittleEndian) {
    constexpr std::uint64_t kNotAscii = 0xFF80FF80FF80FF80ULL;
    constexpr std::uint64_t kOnes = 0x0001000100010001ULL;
    constexpr std::uint64_t kSigns = 0x8000800080008000ULL;
    for (; i + 4 <= units.size(); i += 4) {
      std::uint64_t four;
      std::memcpy(&four, units.data() + i, sizeof four);
      // Among ASCII units, a zero one is the only one whose sign bit is set after subtracting 1.
      if (((four & kNotAscii) | ((four - kOnes) & kSigns)) != 0) {
        break;
      }
      const auto packed = static_cast<std::uint32_t>((four & 0xFF) | (four >> 8 & 0xFF00) |
                                                     (four >> 16 & 0xFF0000) | (four >> 24 & 0xFF000000));
      std::memcpy(target + i, &packed, sizeof packed);
    }
  }
  for (; i < units.size(); ++i) {
    const char16_t unit = units[i];
    if (unit == 0) {
      bytes.resize(i);
      return true;
    }
    if (unit >= 0x80) {
      return false;
    }
    target[i] = static_cast<char>(unit);
  }
  return true;
}

// Whether a non-spacing mark may follow a character; surrogates are judged as whole code points
// by ComposeMarks.
bool MayNeedComposition(std::u16string_view units) {
  for (const char16_t unit : units) {
    if (unit >= 0x0300 && (U16_IS_SURROGATE(unit) || u_charType(unit) == U_NON_SPACING_MARK)) {
      return true;
    }
  }
  return false;
}

void AppendCodePoint(std::u16string& units, UChar32 character) {
  if (U_IS_BMP(character)) {
    units.push_back(static_cast<char16_t>(character));
  } else {
    units.push_back(U16_LEAD(character));
    units.push_back(U16_TRAIL(character));
  }
}

// Replaces each character followed by a non-spacing mark by the character that composes the two
// canonically, where one exists. Pairs only: nothing is reordered and a character without a mark
// after it stays as it is, so every GBK character keeps its own code point (a full normalisation
// would turn the compatibility ideographs of GBK into other characters and break round trips).
std::u16string ComposeMarks(std::u16string_view units) {
  UErrorCode status = U_ZERO_ERROR;
  const UNormalizer2* composition = unorm2_getNFCInstance(&status);
  std::u16string composed;
  ReserveUnitsOrReport(composed, units.size());
  if (U_FAILURE(status)) {
    composed.assign(units);
    return composed;
  }
  const char16_t* data = units.data();
  const auto length = static_cast<std::int64_t>(units.size());
  std::size_t lastStart = std::u16string::npos;
  UChar32 last = 0;
  for (std::int64_t i = 0; i < length;) {
    UChar32 character;
    U16_NEXT(data, i, length, character);
    if (lastStart != std::u16string::npos && u_charType(character) == U_NON_SPACING_MARK) {
      const UChar32 precomposed = unorm2_composePair(composition, last, character);
      if (precomposed >= 0) {
        composed.resize(lastStart);
        AppendCodePoint(composed, precomposed);
        last = precomposed;
        continue;
      }
    }
    lastStart = composed.size();
    AppendCodePoint(composed, character);
    last = character;
  }
  return composed;
}

}  // namespace

void ReserveUnitsOrReport(std::u16string& units, std::size_t count) {
  if (count <= units.capacity()) {
    return;
  }
  if (count > kMaxValueBytes / 2) {
    ReportFatalError(AllocationFailureMessage(count * 2));
  }
  try {
    units.reserve(count);
  } catch (const std::bad_alloc&) {
    ReportFatalError(AllocationFailureMessage(count * 2));
  } catch (const std::length_error&) {
    ReportFatalError(AllocationFailureMessage(count * 2));
  }
}

CodePageConverter::~CodePageConverter() {
  if (converter_ != nullptr) {
    ucnv_close(converter_);
  }
}

UConverter* CodePageConverter::Open() {
  if (converter_ == nullptr) {
    UErrorCode status = U_ZERO_ERROR;
    converter_ = ucnv_open(kCodePageName, &status);
    if (U_FAILURE(status) || converter_ == nullptr) {
      ReportFatalError(Text("无法找到指定DLL库文件“libicuuc”中的输出命令“ucnv_open”"));
    }
    status = U_ZERO_ERROR;
    ucnv_setSubstChars(converter_, kDefaultCharacter, 1, &status);
  }
  ucnv_reset(converter_);
  return converter_;
}

std::size_t CodePageConverter::MeasureUtf16(std::string_view gbk) {
  if (IsAscii(gbk)) {
    return gbk.size();
  }
  UConverter* converter = Open();
  char16_t scratch[kScratchUnits];
  const char* source = gbk.data();
  std::size_t count = 0;
  UErrorCode status = U_BUFFER_OVERFLOW_ERROR;
  while (status == U_BUFFER_OVERFLOW_ERROR) {
    status = U_ZERO_ERROR;
    char16_t* target = scratch;
    ucnv_toUnicode(converter, &target, scratch + kScratchUnits, &source, gbk.data() + gbk.size(), nullptr,
                   true, &status);
    count += static_cast<std::size_t>(target - scratch);
  }
  return count;
}

Utf16Units CodePageConverter::ToUtf16(std::string_view gbk) {
  const bool ascii = IsAscii(gbk);
  const std::size_t count = ascii ? gbk.size() : MeasureUtf16(gbk);
  Utf16Units units;
  try {
    units.resize(count);
  } catch (const std::bad_alloc&) {
    ReportFatalError(AllocationFailureMessage(count * sizeof(char16_t)));
  } catch (const std::length_error&) {
    ReportFatalError(AllocationFailureMessage(count * sizeof(char16_t)));
  }
  if (ascii) {
    WidenAscii(gbk, units.data());
    return units;
  }
  UConverter* converter = Open();
  const char* source = gbk.data();
  char16_t* target = units.data();
  UErrorCode status = U_ZERO_ERROR;
  ucnv_toUnicode(converter, &target, units.data() + units.size(), &source, gbk.data() + gbk.size(), nullptr,
                 true, &status);
  units.resize(static_cast<std::size_t>(target - units.data()));
  return units;
}

Text CodePageConverter::ToText(std::u16string_view units, bool composeMarks) {
  if (std::string ascii; NarrowAscii(units, ascii)) {
    return TextAccess::Adopt(std::move(ascii));
  }
  units = units.substr(0, units.find(u'\0'));
  std::u16string composed;
  if (composeMarks && MayNeedComposition(units)) {
    composed = ComposeMarks(units);
    units = composed;
  }
  UConverter* converter = Open();
  const char16_t* end = units.data() + units.size();
  const char16_t* source = units.data();
  char scratch[kScratchUnits];
  std::size_t measured = 0;
  UErrorCode status = U_BUFFER_OVERFLOW_ERROR;
  while (status == U_BUFFER_OVERFLOW_ERROR) {
    status = U_ZERO_ERROR;
    char* target = scratch;
    ucnv_fromUnicode(converter, &target, scratch + sizeof scratch, &source, end, nullptr, true, &status);
    measured += static_cast<std::size_t>(target - scratch);
  }

  std::string bytes;
  ReserveOrReport(bytes, measured);
  bytes.resize(measured);
  converter = Open();
  source = units.data();
  char* target = bytes.data();
  status = U_ZERO_ERROR;
  ucnv_fromUnicode(converter, &target, bytes.data() + bytes.size(), &source, end, nullptr, true, &status);
  // No unit but NUL converts to a zero byte, and the units stop before the first NUL.
  return TextAccess::Adopt(std::move(bytes));
}

std::vector<std::int32_t> CodePageConverter::Utf16ByteOffsets(std::string_view gbk) {
  std::vector<std::int32_t> offsets;
  const std::size_t count = MeasureUtf16(gbk);
  offsets.reserve(count + 1);
  if (IsAscii(gbk)) {
    for (std::size_t i = 0; i < gbk.size(); ++i) {
      offsets.push_back(static_cast<std::int32_t>(i));
    }
  } else {
    UConverter* converter = Open();
    const char* source = gbk.data();
    char16_t scratch[kScratchUnits];
    std::int32_t scratchOffsets[kScratchUnits];
    UErrorCode status = U_BUFFER_OVERFLOW_ERROR;
    while (status == U_BUFFER_OVERFLOW_ERROR) {
      status = U_ZERO_ERROR;
      const auto base = static_cast<std::int32_t>(source - gbk.data());
      char16_t* target = scratch;
      ucnv_toUnicode(converter, &target, scratch + kScratchUnits, &source, gbk.data() + gbk.size(),
                     scratchOffsets, true, &status);
      for (std::ptrdiff_t i = 0; i < target - scratch; ++i) {
        // -1 marks a unit left over from the previous call: it belongs to the character before.
        const std::int32_t offset = scratchOffsets[i] >= 0 ? base + scratchOffsets[i]
                                    : offsets.empty()      ? 0
                                                           : offsets.back();
        offsets.push_back(offset);
      }
    }
  }
  offsets.push_back(static_cast<std::int32_t>(gbk.size()));
  return offsets;
}

}  // namespace quorvane::internal
