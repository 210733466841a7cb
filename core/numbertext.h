// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Field text to number and number to field text. Pure functions of their
// arguments: they never read the process locale (std::from_chars/to_chars only).
#pragma once

#include "numberlocale.h"

#include <string>
#include <string_view>

namespace qv {

// Lenient number reading: the leading number of a text, as a double.
//  - spaces, tabs and line feeds are skipped wherever they stand ("1 2" reads 12);
//  - an optional + or - sign comes first;
//  - &H (any case) reads hexadecimal digits, &O (any case) octal digits;
//  - otherwise decimal digits, an optional full stop (whatever the locale) and
//    digits, an optional exponent: E or D (any case), optional sign, digits;
//  - reading stops at the first character that cannot continue the number.
// No digit at all reads as 0. A number too small for a double reads as the
// nearest double; one too large throws a Failure of cause NumberTooLarge (an
// overflow). Nothing else fails.
//   readLenient("12abc") == 12      readLenient("1,5") == 1     readLenient("") == 0
//   readLenient(" 5 ") == 5         readLenient("&H10") == 16   readLenient("abc") == 0
//   readLenient("2.5") == 2.5       readLenient("1D3") == 1000  readLenient(".5") == 0.5
//   readLenient("1E400") throws Failure(Cause::NumberTooLarge)
double readLenient(std::string_view text);

// Strict number coercion: the whole text must be a number in the locale.
//  - leading and trailing spaces;
//  - an optional leading sign;
//  - digits, with the locale's thousands separator only between groups of
//    three digits of the integer part, the first group not beginning with 0
//    (a grouped "0,250" is no number: the 0 says that a decimal separator was
//    meant); where the locale groups with a no-break space (U+00A0) or a
//    narrow no-break space (U+202F), which keyboards do not type, an ordinary
//    space stands for it;
//  - optionally the locale's decimal separator and digits (".5" and "5." read);
//  - optionally an exponent: E or D (any case), optional sign, digits;
//  - or, after the sign, &H hexadecimal or &O octal digits.
// Anything else, the empty text included, throws Failure(Cause::NotANumber), a
// conversion failure; a number too large throws Failure(Cause::NumberTooLarge),
// an overflow; one too small reads as the nearest double.
//   readStrict(" 5 ", fullStop) == 5          readStrict("1,000", fullStop) == 1000
//   readStrict("2,5", comma) == 2.5           readStrict("1.000", comma) == 1000
//   readStrict("0.250", fullStop) == 0.25     readStrict("0250", fullStop) == 250
//   readStrict("1 000,5", {",", "\u202F"}) == 1000.5
//   readStrict("12abc", fullStop) throws Failure(Cause::NotANumber)
//   readStrict("1,5", fullStop) throws Failure(Cause::NotANumber)
//   readStrict("0,250", fullStop) throws Failure(Cause::NotANumber)
//   readStrict("0.250", comma) throws Failure(Cause::NotANumber)
//   readStrict("1 00,5", {",", "\u202F"}) throws Failure(Cause::NotANumber)
//   readStrict("", fullStop) throws Failure(Cause::NotANumber)
double readStrict(std::string_view text, const NumberLocale& locale);

// Number display text of a double: rounded to 15 significant digits; positional
// when the rounded value's decimal exponent e has -5 < e < 15, else scientific
// with a capital E, a sign and at least two exponent digits. Trailing zeros of
// the fraction and a bare separator are dropped; zero (also -0) shows as 0.
//   displayText(1.0 / 3.0, fullStop) == "0.333333333333333"
//   displayText(22.0 / 7.0, fullStop) == "3.14285714285714"
//   displayText(0.0001, fullStop) == "0.0001"
//   displayText(0.00001, fullStop) == "1E-05"
//   displayText(1e15, fullStop) == "1E+15"
//   displayText(999999999999999.0, fullStop) == "999999999999999"
//   displayText(6402373705728000.0, fullStop) == "6.402373705728E+15"
//   displayText(6.25, comma) == "6,25"
std::string displayText(double value, const NumberLocale& locale);

} // namespace qv
