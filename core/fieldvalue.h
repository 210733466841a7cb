// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The field value: the dynamic value that every formula works on.
#pragma once

#include "failure.h"
#include "numberlocale.h"

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace qv {

enum class Kind { Empty, Integer16, Integer32, Double, Text };

// A value of one of five kinds. Text carries the number locale it was read
// under, so that strict number coercion of it needs nothing global.
//
// Operator rules (a op b, left operand first, as a formula writes them):
//  1. text + text concatenates:               text "2" + text "3" == text "23"
//  2. a text operand of - * / ^, or of + with a non-text partner, is read by
//     strict number coercion first:          text "2" + 3 == 5.0, text "2" * text "3" == 6.0
//  3. + - * on two integers give integer16 if the result fits, else
//     integer32, else double:                 32767 + 1 == integer32 32768
//  4. + - * with a double operand give a double.
//  5. / always divides doubles:               1 / 3 shows 0.333333333333333
//     a zero divisor fails: division by zero (Cause::DividedByZero), or
//     overflow for 0 / 0 (Cause::NoValue).
//  6. power(base, exponent) gives a double; power(0, 0) == 1; a negative base
//     with a fractional exponent is an invalid argument
//     (Cause::NegativeToFractionalPower); power(-3, 2) == 9; power(0, negative)
//     is a division by zero (Cause::ZeroToNegativePower).
//  7. any infinite double result is an overflow (Cause::TooLarge).
// A failure carries the operator and its two operands as doubles, left first.
//  8. empty acts as integer 0; empty + text gives the text.
class FieldValue {
public:
    struct Text {
        std::string text;
        NumberLocale locale;
        std::string field; // the field it was read from, named in a failure to read it
    };

    FieldValue() = default;                       // empty
    FieldValue(int constant);                     // integer16 if it fits, else integer32
    FieldValue(double value) : v_(value) {}       // double
    static FieldValue integer32(std::int32_t value);
    static FieldValue text(std::string text, NumberLocale locale, std::string field = {});

    Kind kind() const noexcept { return static_cast<Kind>(v_.index()); }

    // The value as a double: text by strict number coercion, empty as 0. A
    // text that cannot be read fails naming the field it came from.
    double toDouble() const;
    // The integer of an integer kind (meaningful for Integer16 and Integer32 only).
    std::int32_t integer() const noexcept;
    // The text of a text value (meaningful for Text only).
    const std::string& textValue() const noexcept;

    // Number display text: text unchanged, integers as plain digits, doubles
    // by displayText of numbertext.h, empty as the empty text.
    std::string display(const NumberLocale& locale) const;

    friend FieldValue operator+(const FieldValue& a, const FieldValue& b);
    friend FieldValue operator-(const FieldValue& a, const FieldValue& b);
    friend FieldValue operator*(const FieldValue& a, const FieldValue& b);
    friend FieldValue operator/(const FieldValue& a, const FieldValue& b);
    friend FieldValue power(const FieldValue& base, const FieldValue& exponent);

private:
    std::variant<std::monostate, std::int16_t, std::int32_t, double, Text> v_;
};

// base ^ exponent (rule 6 above).
FieldValue power(const FieldValue& base, const FieldValue& exponent);

// counter <= end, compared as numbers.
bool lessOrEqual(const FieldValue& counter, const FieldValue& end);

// The counted loop with step 1: start and end are evaluated once (text by
// strict number coercion); the body runs with the counter while
// counter <= end; after each pass counter = counter + 1 by the operator rules.
//   double f = 1; countedLoop(1, 5.0, [&](const FieldValue& k) { f = (f * k).toDouble(); });  // f == 120
template <class Body>
void countedLoop(const FieldValue& start, const FieldValue& end, Body&& body)
{
    const FieldValue last = end.kind() == Kind::Text ? FieldValue(end.toDouble()) : end;
    FieldValue counter = start.kind() == Kind::Text ? FieldValue(start.toDouble()) : start;
    while (lessOrEqual(counter, last)) {
        body(std::as_const(counter));
        counter = counter + FieldValue(1);
    }
}

} // namespace qv
