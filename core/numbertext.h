// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Field text to number and number to field text. Pure functions of their
// arguments: they never read the process locale (std::from_chars/to_chars only).
#pragma once

#include "numberlocale.h"

#include <cstddef>
#include <optional>
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

// How a reading may give another number than the text seems to say.
enum class Misreading {
    None,
    // The lenient reading stopped where the text goes on as a number would in
    // the locale or with the full stop: what follows the number read (blanks
    // passed over) is the locale's decimal or thousands separator, a full stop
    // or a comma, and then a digit. "7,5" reads 7, "1,000" reads 1.
    StoppedEarly,
    // Non-zero digits that read as 0, or as a subnormal double whose 15
    // significant digits (as a result shows them) are not the number's own
    // 15, rounded half to even: the number is too small for a double.
    TooSmall,
};

// The lenient reading, with where the number ended and whether it was misread.
struct LenientReading {
    double value = 0;
    // Bytes of the text the number took, from the start: blanks and a sign
    // before it, the digits, points and exponent, and blanks between them but
    // not after; text.substr(end) is what the reading ignored. 0 where the
    // text begins with no number.
    std::size_t end = 0;
    Misreading misreading = Misreading::None;
};

// readLenient, saying where the number ended and whether the text was misread
// (StoppedEarly is told before TooSmall). The locale only decides which
// separators count as going on; the value is readLenient's. Throws as
// readLenient does.
//   readLenientNoted("7,5", comma) == {7, 1, StoppedEarly}
//   readLenientNoted("1.234,5", comma) == {1.234, 5, StoppedEarly}
//   readLenientNoted(",5", comma) == {0, 0, StoppedEarly}
//   readLenientNoted("1,000", fullStop) == {1, 1, StoppedEarly}
//   readLenientNoted("1\u202F000", {",", "\u202F"}) == {1, 1, StoppedEarly}
//   readLenientNoted("12 cm", fullStop) == {12, 2, None}
//   readLenientNoted("5, 6", fullStop) == {5, 1, None}
//   readLenientNoted("1E-400", fullStop) == {0, 6, TooSmall}
//   readLenientNoted("1E-320", fullStop) == {9.99988867182683E-321, 6, TooSmall}
//   readLenientNoted("2.2250738585072E-308", fullStop).misreading == None (subnormal, all 15 digits kept)
LenientReading readLenientNoted(std::string_view text, const NumberLocale& locale);

// Whether the text is a number by the strict reading whose value is too small
// for a double, as Misreading::TooSmall says; false for any other text, also
// for one that is no number or too large.
//   tooSmall("1E-400", fullStop) == true      tooSmall("1,5E-320", comma) == true
//   tooSmall("0E-400", fullStop) == false     tooSmall("1E-300", fullStop) == false
//   tooSmall("1E-400x", fullStop) == false
bool tooSmall(std::string_view text, const NumberLocale& locale);

// A number of the strict reading written as the lenient reading reads it:
// where the text is wholly a number by the strict reading in the locale, the
// same text with the full stop for the locale's decimal separator, without
// its thousands separators and the spaces around it, sign, exponent and &H or
// &O kept as written; nullopt for any other text. readLenient of the result
// is readStrict of the text, bit for bit, and a number too large for the one
// is too large for the other.
//   lenientForm("6,402373705728E+15", comma) == "6.402373705728E+15"
//   lenientForm("1.234,5", comma) == "1234.5"
//   lenientForm(" -1,000 ", fullStop) == "-1000"
//   lenientForm("1 000,5", {",", "\u202F"}) == "1000.5"
//   lenientForm("&hFF", comma) == "&hFF"
//   lenientForm("12 cm", fullStop) == nullopt
//   lenientForm("1,5", fullStop) == nullopt
std::optional<std::string> lenientForm(std::string_view text, const NumberLocale& locale);

// The first cell of a pasted text and how many were left out.
struct PastedText {
    std::string text;        // the first non-empty cell or line, blanks around it dropped
    std::size_t leftOut = 0; // the other non-empty cells and lines
};

// The first non-empty cell or line of a pasted text: cells are separated by
// tabs, lines by LF, CR LF or CR alike; spaces (and vertical tabs and form
// feeds) around a cell are dropped, and a cell of nothing else is empty.
//   firstCell("12\t34") == {"12", 1}        firstCell(" 7 \r\n") == {"7", 0}
//   firstCell("\n\n5\n6") == {"5", 1}       firstCell("") == {"", 0}
//   firstCell("1 2\r3\t \t4") == {"1 2", 2}
PastedText firstCell(std::string_view pasted);

// Whether a text that is no number by the strict reading in the locale would
// be one under the other decimal convention: the comma (with the full stop
// grouping) where the locale's decimal separator is the full stop, the full
// stop (with the comma grouping) where it is the comma. A locale with another
// decimal separator has no other convention here.
//   readsUnderOtherConvention("2.5", comma) == true
//   readsUnderOtherConvention("1,5", fullStop) == true
//   readsUnderOtherConvention("2.5", {",", "\u202F"}) == true
//   readsUnderOtherConvention("2,5", comma) == false      (it reads in the locale)
//   readsUnderOtherConvention("12abc", fullStop) == false (no number in either)
//   readsUnderOtherConvention("2.5", {"\u066B", "\u066C"}) == false
bool readsUnderOtherConvention(std::string_view text, const NumberLocale& locale);

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
