// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The five operators on field values of every kind: each gives a value of the
// kind its rule names, with the value that rule computes, or one of the
// failures that operator can have; never a non-finite double.
#include "check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>

using qv::FailureKind;
using qv::FieldValue;
using qv::Kind;

namespace {

const char* kindName(Kind k)
{
    switch (k) {
    case Kind::Empty:
        return "empty";
    case Kind::Integer16:
        return "integer16";
    case Kind::Integer32:
        return "integer32";
    case Kind::Double:
        return "double";
    case Kind::Text:
        return "text";
    }
    return "?";
}

bool isInteger(Kind k) { return k == Kind::Empty || k == Kind::Integer16 || k == Kind::Integer32; }

// What the operand reads as when it takes part as a number, or its failure.
std::optional<double> number(const FieldValue& v, std::optional<FailureKind>& failure)
{
    try {
        return v.toDouble();
    } catch (const qv::Failure& f) {
        failure = f.kind();
        return std::nullopt;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const FieldValue a = qvfuzz::operand(in);
    const FieldValue b = qvfuzz::operand(in);
    const char op = "+-*/^"[in.ConsumeIntegralInRange(0, 4)];

    std::optional<FieldValue> result;
    std::optional<FailureKind> failure;
    try {
        result = op == '+' ? a + b : op == '-' ? a - b : op == '*' ? a * b : op == '/' ? a / b : power(a, b);
    } catch (const qv::Failure& f) {
        failure = f.kind();
    }
    const std::string left = qvfuzz::shown(a.display(qv::NumberLocale::fullStop()));
    const std::string right = qvfuzz::shown(b.display(qv::NumberLocale::fullStop()));
    const char* ka = kindName(a.kind());
    const char* kb = kindName(b.kind());
#define QV_OP_CHECK(condition, what)                                                                             \
    QV_CHECK(condition, "%s %s %c %s %s: %s", ka, left.c_str(), op, kb, right.c_str(), what)

    // Rule 1 and 8: + with text on one side and text or empty on the other.
    if (op == '+' && (a.kind() == Kind::Text || b.kind() == Kind::Text)
        && (a.kind() == Kind::Text || a.kind() == Kind::Empty) && (b.kind() == Kind::Text || b.kind() == Kind::Empty)) {
        QV_OP_CHECK(result && result->kind() == Kind::Text, "text joined with text or empty is text");
        QV_OP_CHECK(result->textValue() == a.textValue() + b.textValue(), "concatenation");
        return 0;
    }

    // Rule 3: + - * on two integers (empty counts as 0) never fail and stay
    // integers while they fit.
    if (op != '/' && op != '^' && isInteger(a.kind()) && isInteger(b.kind())) {
        const std::int64_t x = a.integer(), y = b.integer();
        const std::int64_t exact = op == '+' ? x + y : op == '-' ? x - y : x * y;
        QV_OP_CHECK(result.has_value(), "integer arithmetic failed");
        const Kind expected = exact >= -32768 && exact <= 32767                   ? Kind::Integer16
                              : exact >= std::numeric_limits<std::int32_t>::min()
                                      && exact <= std::numeric_limits<std::int32_t>::max()
                                  ? Kind::Integer32
                                  : Kind::Double;
        QV_OP_CHECK(result->kind() == expected, kindName(result->kind()));
        QV_OP_CHECK(result->toDouble() == double(exact), "integer result");
        return 0;
    }

    // Everything else is double arithmetic on the operands read as numbers;
    // text is read strictly, and a text that cannot be read is the failure.
    std::optional<FailureKind> readFailure;
    const std::optional<double> x = number(a, readFailure);
    const std::optional<double> y = x ? number(b, readFailure) : std::nullopt;
    if (readFailure) {
        QV_OP_CHECK(failure == readFailure, failure ? qvfuzz::name(*failure) : "no failure for an unreadable text");
        return 0;
    }
    std::optional<FailureKind> expectedFailure;
    double expected = 0;
    switch (op) {
    case '+':
        expected = *x + *y;
        break;
    case '-':
        expected = *x - *y;
        break;
    case '*':
        expected = *x * *y;
        break;
    case '/':
        if (*y == 0)
            expectedFailure = *x == 0 ? FailureKind::Overflow : FailureKind::DivisionByZero;
        else
            expected = *x / *y;
        break;
    default:
        if (*x == 0 && *y == 0)
            expected = 1;
        else if (*x == 0 && *y < 0)
            expectedFailure = FailureKind::DivisionByZero;
        else if (*x < 0 && std::trunc(*y) != *y)
            expectedFailure = FailureKind::InvalidArgument;
        else
            expected = std::pow(*x, *y);
        break;
    }
    if (!expectedFailure && std::isnan(expected))
        expectedFailure = FailureKind::InvalidArgument;
    if (!expectedFailure && std::isinf(expected))
        expectedFailure = FailureKind::Overflow;

    if (expectedFailure) {
        QV_OP_CHECK(failure == expectedFailure, failure ? qvfuzz::name(*failure) : "no failure");
        return 0;
    }
    QV_OP_CHECK(!failure, qvfuzz::name(*failure));
    QV_OP_CHECK(result->kind() == Kind::Double, kindName(result->kind()));
    QV_OP_CHECK(std::isfinite(result->toDouble()), "non-finite double");
    QV_OP_CHECK(result->toDouble() == expected, "double result");
    return 0;
}
