#include "text/number_primitives.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace quorvane {
namespace {

bool IsDigit(char byte) {
  return byte >= '0' && byte <= '9';
}

bool IsWhiteSpace(char byte) {
  return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

// The full-width forms folded to ASCII, for as long as the bytes can still be part of a number.
std::string FoldFullWidthForms(std::string_view bytes) {
  std::string folded;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80) {
      folded += bytes[i];
      continue;
    }
    if (i + 1 >= bytes.size()) {
      break;
    }
    const auto trail = static_cast<unsigned char>(bytes[++i]);
    if (byte == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      folded += static_cast<char>(trail - 0x80);
    } else if (byte == 0xA1 && trail == 0xA1) {
      folded += ' ';
    } else if (byte == 0xA1 && trail == 0xAB) {
      folded += '~';
    } else if (byte == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      folded += '*';
    } else {
      break;  // Any other two-byte character ends every number.
    }
  }
  return folded;
}

// For a number that a double cannot hold: whether it is too large (rather than too small). The
// decimal exponent of its first significant digit decides.
bool ExceedsDouble(std::string_view number) {
  const std::size_t exponentAt = number.find_first_of("eE");
  const std::string_view mantissa = number.substr(0, exponentAt);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t firstSignificant = mantissa.find_first_of("123456789");
  if (firstSignificant == std::string_view::npos) {
    return false;
  }
  long long scale = firstSignificant < point ? static_cast<long long>(point - firstSignificant)
                                             : -static_cast<long long>(firstSignificant - point - 1);
  if (exponentAt != std::string_view::npos) {
    std::string_view exponent = number.substr(exponentAt + 1);
    const bool negative = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+')) {
      exponent.remove_prefix(1);
    }
    long long value = 0;
    for (const char digit : exponent) {
      value = std::min(value * 10 + (digit - '0'), 1'000'000'000LL);
    }
    scale += negative ? -value : value;
  }
  return scale > 0;
}

}  // namespace

Text IntegerToText(std::int32_t value) {
  char digits[16];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  return Text(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

double ToNumber(const Text& text) {
  return LeadingNumber(text).value_or(0.0);
}

std::optional<double> LeadingNumber(const Text& text) {
  const std::string folded = FoldFullWidthForms(text.view());
  std::size_t i = 0;
  while (i < folded.size() && IsWhiteSpace(folded[i])) {
    ++i;
  }
  bool negative = false;
  if (i < folded.size() && (folded[i] == '+' || folded[i] == '-')) {
    negative = folded[i] == '-';
    ++i;
  }
  // Only a digit, or a point followed by a digit, begins a number; this keeps out "inf" and "nan".
  const bool startsNumber =
      i < folded.size() &&
      (IsDigit(folded[i]) || (folded[i] == '.' && i + 1 < folded.size() && IsDigit(folded[i + 1])));
  if (!startsNumber) {
    return std::nullopt;
  }
  // The general format reads decimal forms only: "0x10" is the number 0 followed by other bytes.
  double value = 0.0;
  const char* begin = folded.data() + i;
  const auto result =
      std::from_chars(begin, folded.data() + folded.size(), value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    const std::string_view number(begin, static_cast<std::size_t>(result.ptr - begin));
    value = ExceedsDouble(number) ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

std::int32_t TruncateToInteger(double value) {
  if (std::isnan(value)) {
    return 0;
  }
  const double truncated = std::trunc(value);
  if (truncated <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
    return std::numeric_limits<std::int32_t>::min();
  }
  if (truncated >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    return std::numeric_limits<std::int32_t>::max();
  }
  return static_cast<std::int32_t>(truncated);
}

}  // namespace quorvane
