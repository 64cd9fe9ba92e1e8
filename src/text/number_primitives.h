// Converting between texts and numbers.
#ifndef QUORVANE_TEXT_NUMBER_PRIMITIVES_H_
#define QUORVANE_TEXT_NUMBER_PRIMITIVES_H_

#include <cstdint>
#include <optional>

#include "text/text.h"

namespace quorvane {

// Decimal digits with a minus sign before a negative number; no leading zeros, spaces or grouping.
Text IntegerToText(std::int32_t value);

// The decimal number at the start of `text`, or 0 when it does not begin with one. Full-width forms
// fold first (A3 B0..A3 B9 are the digits, A3 xx the ASCII sign xx - 0x80, A1 A1 a space). Leading
// white space is skipped; then an optional sign, digits with an optional decimal point and fraction,
// and an optional exponent. Reading stops at the first byte that does not fit. Hexadecimal forms,
// "inf" and "nan" are not numbers here. A value beyond the range of a double gives +-infinity.
double ToNumber(const Text& text);

// The decimal number at the start of `text` as ToNumber reads it, or nothing when the text does not
// begin with one (so "0" is a number and "x" is not).
std::optional<double> LeadingNumber(const Text& text);

// The value with its fraction dropped, toward zero; clamped to the 32-bit range; NaN gives 0.
std::int32_t TruncateToInteger(double value);

}  // namespace quorvane

#endif  // QUORVANE_TEXT_NUMBER_PRIMITIVES_H_
