// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fieldvalue.h"

#include "numbertext.h"

#include <cmath>
#include <limits>

namespace qv {
namespace {

// The result of left operation right, which is an overflow where it is not finite.
double checked(double result, Operation operation, double left, double right)
{
    if (!std::isfinite(result))
        throw Failure(Cause::TooLarge, operation, left, right);
    return result;
}

bool isInteger(Kind k) { return k == Kind::Integer16 || k == Kind::Integer32; }

FieldValue fromInteger(std::int64_t value)
{
    if (value >= std::numeric_limits<std::int16_t>::min() && value <= std::numeric_limits<std::int16_t>::max())
        return FieldValue(int(value));
    if (value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max())
        return FieldValue::integer32(std::int32_t(value));
    return FieldValue(double(value));
}

// Rules 2 to 4 and 8 for + - *: integers stay integers, anything else is double.
template <class IntOp, class DoubleOp>
FieldValue arithmetic(const FieldValue& a, const FieldValue& b, Operation operation, IntOp intOp, DoubleOp doubleOp)
{
    const bool aInt = a.kind() == Kind::Empty || isInteger(a.kind());
    const bool bInt = b.kind() == Kind::Empty || isInteger(b.kind());
    if (aInt && bInt) {
        const std::int64_t x = a.kind() == Kind::Empty ? 0 : a.integer();
        const std::int64_t y = b.kind() == Kind::Empty ? 0 : b.integer();
        return fromInteger(intOp(x, y));
    }
    const double x = a.toDouble();
    const double y = b.toDouble();
    return FieldValue(checked(doubleOp(x, y), operation, x, y));
}

} // namespace

FieldValue::FieldValue(int constant)
{
    if (constant >= std::numeric_limits<std::int16_t>::min() && constant <= std::numeric_limits<std::int16_t>::max())
        v_ = std::int16_t(constant);
    else
        v_ = std::int32_t(constant);
}

FieldValue FieldValue::integer32(std::int32_t value)
{
    FieldValue v;
    v.v_ = value;
    return v;
}

FieldValue FieldValue::text(std::string text, NumberLocale locale, std::string field)
{
    FieldValue v;
    v.v_ = Text{std::move(text), std::move(locale), std::move(field)};
    return v;
}

double FieldValue::toDouble() const
{
    switch (kind()) {
    case Kind::Empty:
        return 0;
    case Kind::Integer16:
        return std::get<std::int16_t>(v_);
    case Kind::Integer32:
        return std::get<std::int32_t>(v_);
    case Kind::Double:
        return std::get<double>(v_);
    case Kind::Text: {
        const Text& t = std::get<Text>(v_);
        try {
            return readStrict(t.text, t.locale);
        } catch (const Failure& failure) {
            throw failure.from(t.field);
        }
    }
    }
    return 0;
}

std::int32_t FieldValue::integer() const noexcept
{
    if (kind() == Kind::Integer16)
        return std::get<std::int16_t>(v_);
    if (kind() == Kind::Integer32)
        return std::get<std::int32_t>(v_);
    return 0;
}

const std::string& FieldValue::textValue() const noexcept
{
    static const std::string none;
    return kind() == Kind::Text ? std::get<Text>(v_).text : none;
}

std::string FieldValue::display(const NumberLocale& locale) const
{
    switch (kind()) {
    case Kind::Empty:
        return {};
    case Kind::Integer16:
    case Kind::Integer32:
        return std::to_string(integer());
    case Kind::Double:
        return displayText(std::get<double>(v_), locale);
    case Kind::Text:
        return std::get<Text>(v_).text;
    }
    return {};
}

FieldValue operator+(const FieldValue& a, const FieldValue& b)
{
    if (a.kind() == Kind::Text && b.kind() == Kind::Text) {
        const auto& left = std::get<FieldValue::Text>(a.v_);
        return FieldValue::text(left.text + b.textValue(), left.locale);
    }
    if (a.kind() == Kind::Empty && b.kind() == Kind::Text)
        return b;
    if (a.kind() == Kind::Text && b.kind() == Kind::Empty)
        return a;
    return arithmetic(a, b, Operation::Add, [](std::int64_t x, std::int64_t y) { return x + y; },
                      [](double x, double y) { return x + y; });
}

FieldValue operator-(const FieldValue& a, const FieldValue& b)
{
    return arithmetic(a, b, Operation::Subtract, [](std::int64_t x, std::int64_t y) { return x - y; },
                      [](double x, double y) { return x - y; });
}

FieldValue operator*(const FieldValue& a, const FieldValue& b)
{
    return arithmetic(a, b, Operation::Multiply, [](std::int64_t x, std::int64_t y) { return x * y; },
                      [](double x, double y) { return x * y; });
}

FieldValue operator/(const FieldValue& a, const FieldValue& b)
{
    const double x = a.toDouble();
    const double y = b.toDouble();
    if (y == 0)
        throw Failure(x == 0 ? Cause::NoValue : Cause::DividedByZero, Operation::Divide, x, y);
    return FieldValue(checked(x / y, Operation::Divide, x, y));
}

FieldValue power(const FieldValue& base, const FieldValue& exponent)
{
    const double b = base.toDouble();
    const double e = exponent.toDouble();
    if (b == 0 && e == 0)
        return FieldValue(1.0);
    if (b == 0 && e < 0)
        throw Failure(Cause::ZeroToNegativePower, Operation::Power, b, e);
    if (b < 0 && std::trunc(e) != e)
        throw Failure(Cause::NegativeToFractionalPower, Operation::Power, b, e);
    const double result = std::pow(b, e);
    if (std::isnan(result))
        throw Failure(Cause::NegativeToFractionalPower, Operation::Power, b, e);
    return FieldValue(checked(result, Operation::Power, b, e));
}

bool lessOrEqual(const FieldValue& counter, const FieldValue& end)
{
    return counter.toDouble() <= end.toDouble();
}

} // namespace qv
