// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The number rules computed another way, for the tests and fuzz targets to
// compare the calculator with: GNU MPFR's correctly rounded conversions
// between digits and doubles. Only tests and fuzz targets link this (the
// library quorvane_reference); the calculator never does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qvref {

// A number as the digits of its text. A decimal number is
// integer.fraction x 10^exponent; a hexadecimal (radix 16) or octal (radix 8)
// number is the integer its digits spell, and has no fraction or exponent.
struct Number {
    bool negative = false;
    int radix = 10;
    std::string integer;       // digits of the radix, either case for hexadecimal
    std::string fraction;      // decimal digits
    std::int64_t exponent = 0; // at most 10^18 either way

    bool hasDigits() const { return !integer.empty() || !fraction.empty(); }
};

// The double nearest the number, ties to even, with the subnormals and the
// range of an IEEE double; nullopt when it rounds beyond the largest double
// (an overflow). A number without digits is 0.
std::optional<double> nearest(const Number& number);

// The display text of a finite double: its exact binary value rounded to 15
// significant digits, ties to even; positional when the rounded value's
// decimal exponent e has -5 < e < 15, else one digit, the fraction and
// E+xx or E-xx (at least two exponent digits); trailing zeros of the fraction
// and a bare separator dropped; zero, of either sign, as 0.
std::string display(double value, std::string_view separator = ".");

// A decimal number's own 15 significant digits, rounded ties to even from
// its exact value, written as display writes a double; "0" for a number
// whose digits are all 0. What a result showing the number exactly would show.
std::string display(const Number& number);

// The number exactly halfway between a finite double d >= 0 and the next
// double up (2^1024 above the largest double); with nudge 1 or -1, a number
// a hair above or below that. Radix 16 or 8 gives it as an integer in that
// radix, for d of at least 2^54 (a smaller d counts as 2^54).
Number midpoint(double d, int nudge = 0, int radix = 10);

// The plain form of a number text: an optional minus, then &H and hexadecimal
// digits, &O and octal digits, or decimal digits with an optional full stop
// and fraction and an optional exponent (E or D in either case, optional
// sign, digits).
// plainNumber gives nullopt for a text not in that form.
std::string plainText(const Number& number);
std::optional<Number> plainNumber(std::string_view text);

} // namespace qvref
