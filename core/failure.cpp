#include "failure.h"

#include <string>

namespace qv {

Failure::Failure(FailureKind kind) : std::runtime_error(std::string(describe(kind))), kind_(kind) {}

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

std::string_view describe(FailureKind kind) noexcept
{
    switch (kind) {
    case FailureKind::Conversion:
        return "Conversion failure: a field holds text that is not a number.";
    case FailureKind::DivisionByZero:
        return "Division by zero: a number cannot be divided by 0.";
    case FailureKind::Overflow:
        return "Overflow: the result is too large for the calculator.";
    case FailureKind::InvalidArgument:
        return "Invalid argument: a negative number has no real power with a fractional exponent.";
    }
    return "Calculation failure.";
}

} // namespace qv
