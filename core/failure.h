// The four ways a calculation can fail.
#pragma once

#include <stdexcept>
#include <string>
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
    // field: the field whose text could not be read, or empty where the
    // arithmetic itself failed.
    explicit Failure(FailureKind kind, std::string field = {});
    FailureKind kind() const noexcept { return kind_; }
    const std::string& field() const noexcept { return field_; }

private:
    FailureKind kind_;
    std::string field_;
};

inline constexpr FailureKind allFailureKinds[] = {FailureKind::Conversion, FailureKind::DivisionByZero,
                                                   FailureKind::Overflow, FailureKind::InvalidArgument};

// The kind's short name, the first words of its message in lower case.
//   name(FailureKind::DivisionByZero) == "division by zero"
std::string_view name(FailureKind kind) noexcept;

// The failure in plain words, for the message box the user sees; its first
// words name the kind. field: what the user calls the field whose text could
// not be read, or empty.
//   describe(FailureKind::DivisionByZero) == "Division by zero: a number cannot be divided by 0."
//   describe(FailureKind::Conversion, "Length") == "Conversion failure: the field “Length” is empty or holds text that is not a number."
//   describe(FailureKind::Overflow) == "Overflow: the result is too large for the calculator, or has no value (0 divided by 0)."
std::string describe(FailureKind kind, std::string_view field = {});

} // namespace qv
