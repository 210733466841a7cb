#include "failure.h"

#include <string>
#include <utility>

namespace qv {

Failure::Failure(FailureKind kind, std::string field)
    : std::runtime_error(describe(kind, field)), kind_(kind), field_(std::move(field))
{
}

std::string_view name(FailureKind kind) noexcept
{
    switch (kind) {
    case FailureKind::Conversion:
        return "conversion";
    case FailureKind::DivisionByZero:
        return "division by zero";
    case FailureKind::Overflow:
        return "overflow";
    case FailureKind::InvalidArgument:
        return "invalid argument";
    }
    return "failure";
}

std::string describe(FailureKind kind, std::string_view field)
{
    const std::string quoted = "the field \u201c" + std::string(field) + "\u201d";
    switch (kind) {
    case FailureKind::Conversion:
        return "Conversion failure: " + (field.empty() ? std::string("a field") : quoted)
               + " is empty or holds text that is not a number.";
    case FailureKind::DivisionByZero:
        return "Division by zero: a number cannot be divided by 0.";
    case FailureKind::Overflow:
        if (!field.empty())
            return "Overflow: the number in " + quoted + " is too large for the calculator.";
        return "Overflow: the result is too large for the calculator, or has no value (0 divided by 0).";
    case FailureKind::InvalidArgument:
        return "Invalid argument: a negative number has no real power with a fractional exponent.";
    }
    return "Calculation failure.";
}

} // namespace qv
