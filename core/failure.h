// The four ways a calculation can fail.
#pragma once

#include <stdexcept>
#include <string_view>

namespace qv {

enum class FailureKind {
    Conversion,      // text that strict number coercion cannot read
    DivisionByZero,  // a non-zero number divided by zero
    Overflow,        // a result beyond the double range, or 0 / 0
    InvalidArgument, // a power with no real value: negative base, fractional exponent
};

// Thrown by the operation that fails; a formula is written as straight-line
// steps and stops at the step that throws. The window frame catches it.
class Failure : public std::runtime_error {
public:
    explicit Failure(FailureKind kind);
    FailureKind kind() const noexcept { return kind_; }

private:
    FailureKind kind_;
};

inline constexpr FailureKind allFailureKinds[] = {FailureKind::Conversion, FailureKind::DivisionByZero,
                                                   FailureKind::Overflow, FailureKind::InvalidArgument};

// The kind's short name, the first words of its message in lower case.
//   name(FailureKind::DivisionByZero) == "division by zero"
std::string_view name(FailureKind kind) noexcept;

// The failure in plain words, for the message box the user sees.
//   describe(FailureKind::DivisionByZero) == "Division by zero: a number cannot be divided by 0."
std::string_view describe(FailureKind kind) noexcept;

} // namespace qv
