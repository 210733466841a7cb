// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "reference.h"

#include <gmp.h>
#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace qvref {
namespace {

// A misuse of the reference (a digit of the wrong radix, a non-finite
// double) is a fault of the test that calls it.
[[noreturn]] void misuse(const char* what)
{
    std::fprintf(stderr, "qvref: %s\n", what);
    std::abort();
}

struct Float {
    explicit Float(mpfr_prec_t bits) { mpfr_init2(x, bits); }
    ~Float() { mpfr_clear(x); }
    Float(const Float&) = delete;
    Float& operator=(const Float&) = delete;
    mpfr_t x;
};

struct Integer {
    Integer() { mpz_init(z); }
    ~Integer() { mpz_clear(z); }
    Integer(const Integer&) = delete;
    Integer& operator=(const Integer&) = delete;
    std::string digits(int radix) const
    {
        char* s = mpz_get_str(nullptr, radix, z);
        std::string out(s);
        void (*release)(void*, std::size_t);
        mp_get_memory_functions(nullptr, nullptr, &release);
        release(s, out.size() + 1);
        return out;
    }
    mpz_t z;
};

// MPFR's exponent range set to that of an IEEE double while it lives. MPFR
// writes a number as 0.1b... x 2^e: the smallest subnormal 2^-1074 has
// e = -1073, the largest double (1 - 2^-53) x 2^1024 has e = 1024.
class DoubleRange {
public:
    DoubleRange() : emin_(mpfr_get_emin()), emax_(mpfr_get_emax())
    {
        mpfr_set_emin(-1073);
        mpfr_set_emax(1024);
    }
    ~DoubleRange()
    {
        mpfr_set_emin(emin_);
        mpfr_set_emax(emax_);
    }

private:
    mpfr_exp_t emin_, emax_;
};

bool isDigitOf(char c, int radix)
{
    int v = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99;
    return v < radix;
}

bool allDigits(std::string_view s, int radix)
{
    for (char c : s)
        if (!isDigitOf(c, radix))
            return false;
    return true;
}

} // namespace

std::optional<double> nearest(const Number& n)
{
    if (n.radix != 10 && n.radix != 16 && n.radix != 8)
        misuse("radix other than 10, 16 or 8");
    if (!allDigits(n.integer, n.radix) || !allDigits(n.fraction, 10) || (n.radix != 10 && !n.fraction.empty()))
        misuse("digit not of the number's radix");
    if (!n.hasDigits())
        return n.negative ? -0.0 : 0.0;
    // integer.fraction x 10^exponent is the integer of all the digits x 10^(exponent - fraction digits).
    std::string text = n.negative ? "-" : "";
    text += n.integer;
    if (n.radix == 10) {
        text += n.fraction;
        text += 'e';
        text += std::to_string(n.exponent - std::int64_t(n.fraction.size()));
    }
    // One correct rounding to 53 bits in the double's exponent range: values
    // too large become infinite (an overflow), values below half the smallest
    // subnormal become 0. Subnormals have fewer than 53 bits: mpfr_subnormalize
    // rounds again to their width, and uses the first rounding's direction
    // (its ternary value) so that a first rounding onto a tie of the coarser
    // width is resolved by where the exact value lies, not by ties to even.
    // The result is the exact value rounded once, as IEEE rounds it.
    const DoubleRange range;
    Float x(53);
    char* end = nullptr;
    const int ternary = mpfr_strtofr(x.x, text.c_str(), &end, n.radix, MPFR_RNDN);
    if (end != text.c_str() + text.size())
        misuse("digits MPFR does not read");
    mpfr_subnormalize(x.x, ternary, MPFR_RNDN);
    if (mpfr_inf_p(x.x))
        return std::nullopt;
    return mpfr_get_d(x.x, MPFR_RNDN); // exact: x holds a double's value
}

namespace {

// Significant digits (the first not 0) with the decimal exponent of the
// first, written by the display rule.
std::string written(bool negative, std::string digits, std::int64_t exponent, std::string_view separator)
{
    std::string out = negative ? "-" : "";
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    if (exponent > -5 && exponent < 15) {
        // Positional: the digits with the separator after digit exponent + 1,
        // zeros added on whichever side is short.
        if (exponent < 0)
            digits.insert(0, std::string(std::size_t(-exponent), '0'));
        const std::size_t whole = std::size_t(std::max<std::int64_t>(exponent, 0)) + 1;
        if (digits.size() < whole)
            digits.append(whole - digits.size(), '0');
        out += digits.substr(0, whole);
        if (digits.size() > whole)
            out += std::string(separator) + digits.substr(whole);
        return out;
    }
    out += digits.substr(0, 1);
    if (digits.size() > 1)
        out += std::string(separator) + digits.substr(1);
    char tail[32];
    std::snprintf(tail, sizeof tail, "E%c%02lld", exponent < 0 ? '-' : '+', std::llabs(static_cast<long long>(exponent)));
    return out + tail;
}

} // namespace

std::string display(double value, std::string_view separator)
{
    if (!std::isfinite(value))
        misuse("display of a non-finite double");
    if (value == 0)
        return "0";
    Float x(53);
    mpfr_set_d(x.x, value, MPFR_RNDN); // exact
    // 15 digits d1...d15 with value ~ 0.d1...d15 x 10^e, rounded once from the exact value.
    mpfr_exp_t e = 0;
    char* s = mpfr_get_str(nullptr, &e, 10, 15, x.x, MPFR_RNDN);
    std::string digits(s);
    mpfr_free_str(s);
    const bool negative = digits.front() == '-';
    if (negative)
        digits.erase(0, 1);
    return written(negative, digits, std::int64_t(e) - 1, separator);
}

std::string display(const Number& n)
{
    if (n.radix != 10 || !allDigits(n.integer, 10) || !allDigits(n.fraction, 10))
        misuse("display of a number that is not decimal");
    // The number is the integer N of all its digits x 10^(exponent - fraction digits).
    Integer all;
    const std::string digits = n.integer + n.fraction;
    if (digits.find_first_not_of('0') == std::string::npos)
        return "0";
    mpz_set_str(all.z, digits.c_str(), 10);
    const std::int64_t size = std::int64_t(mpz_sizeinbase(all.z, 10)); // exact or one more
    Integer power;
    mpz_ui_pow_ui(power.z, 10, static_cast<unsigned long>(size - 1));
    const std::int64_t length = mpz_cmp(all.z, power.z) >= 0 ? size : size - 1; // digits of N
    std::int64_t exponent = n.exponent - std::int64_t(n.fraction.size()) + length - 1;
    // 15 digits: N / 10^(length - 15), rounded ties to even; or N x 10^(15 - length), exact.
    if (length <= 15) {
        mpz_ui_pow_ui(power.z, 10, static_cast<unsigned long>(15 - length));
        mpz_mul(all.z, all.z, power.z);
    } else {
        mpz_ui_pow_ui(power.z, 10, static_cast<unsigned long>(length - 15));
        Integer remainder;
        mpz_fdiv_qr(all.z, remainder.z, all.z, power.z);
        mpz_mul_2exp(remainder.z, remainder.z, 1);
        const int half = mpz_cmp(remainder.z, power.z);
        if (half > 0 || (half == 0 && mpz_odd_p(all.z)))
            mpz_add_ui(all.z, all.z, 1);
    }
    std::string rounded = all.digits(10);
    if (rounded.size() > 15) { // 999... rounded up to 1000...
        rounded.pop_back();
        ++exponent;
    }
    return written(n.negative, rounded, exponent, ".");
}

Number midpoint(double d, int nudge, int radix)
{
    if (!std::isfinite(d) || d < 0)
        misuse("midpoint of a negative or non-finite double");
    if (radix != 10)
        d = std::max(d, 0x1p54); // the gap between doubles is at least 4: the midpoint +-1 lies inside it
    // d = m x 2^k, the next double (m + 1) x 2^k: the midpoint (2m + 1) x 2^(k - 1) has at most 55 bits.
    Float low(64), high(64);
    mpfr_set_d(low.x, d, MPFR_RNDN);
    if (d == std::numeric_limits<double>::max())
        mpfr_set_ui_2exp(high.x, 1, 1024, MPFR_RNDN);
    else
        mpfr_set_d(high.x, std::nextafter(d, HUGE_VAL), MPFR_RNDN);
    mpfr_add(low.x, low.x, high.x, MPFR_RNDN);
    mpfr_div_2ui(low.x, low.x, 1, MPFR_RNDN); // both exact at 64 bits
    Number n;
    n.radix = radix;
    Integer z;
    if (radix != 10) {
        if (!mpfr_integer_p(low.x))
            misuse("radix midpoint not an integer");
        mpfr_get_z(z.z, low.x, MPFR_RNDN); // exact
        if (nudge > 0)
            mpz_add_ui(z.z, z.z, 1);
        if (nudge < 0)
            mpz_sub_ui(z.z, z.z, 1);
        n.integer = z.digits(radix);
        return n;
    }
    long k = long(mpfr_get_z_2exp(z.z, low.x)); // midpoint = z x 2^k exactly
    if (k > 0) {
        mpz_mul_2exp(z.z, z.z, static_cast<mp_bitcnt_t>(k));
        k = 0;
    }
    // z x 2^k = z x 5^-k x 10^k: every decimal digit of the midpoint, exactly.
    Integer five;
    mpz_ui_pow_ui(five.z, 5, static_cast<unsigned long>(-k));
    mpz_mul(z.z, z.z, five.z);
    n.integer = z.digits(10);
    n.exponent = k;
    while (n.integer.size() > 1 && n.integer.back() == '0') {
        n.integer.pop_back();
        ++n.exponent;
    }
    // The last digit is not 0: a hair above appends a digit, a hair below takes one off the last.
    if (nudge > 0)
        n.fraction.push_back('1');
    if (nudge < 0) {
        --n.integer.back();
        n.fraction.push_back('9');
    }
    return n;
}

std::string plainText(const Number& n)
{
    std::string out = n.negative ? "-" : "";
    if (n.radix != 10)
        out += n.radix == 16 ? "&H" : "&O";
    out += n.integer;
    if (!n.fraction.empty()) {
        out += '.';
        out += n.fraction;
    }
    if (n.exponent != 0) {
        out += 'E';
        out += std::to_string(n.exponent);
    }
    return out;
}

std::optional<Number> plainNumber(std::string_view s)
{
    Number n;
    if (!s.empty() && s.front() == '-') {
        n.negative = true;
        s.remove_prefix(1);
    }
    auto digitsOf = [&s](int radix) {
        std::size_t i = 0;
        while (i < s.size() && isDigitOf(s[i], radix))
            ++i;
        std::string digits(s.substr(0, i));
        s.remove_prefix(i);
        return digits;
    };
    if (s.size() > 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
        n.radix = s[1] == 'H' || s[1] == 'h' ? 16 : 8;
        s.remove_prefix(2);
        n.integer = digitsOf(n.radix);
        return s.empty() && !n.integer.empty() ? std::optional(n) : std::nullopt;
    }
    n.integer = digitsOf(10);
    if (!s.empty() && s.front() == '.') {
        s.remove_prefix(1);
        n.fraction = digitsOf(10);
    }
    if (!n.hasDigits())
        return std::nullopt;
    if (!s.empty() && std::string_view("EeDd").find(s.front()) != std::string_view::npos) {
        s.remove_prefix(1);
        const bool negative = !s.empty() && s.front() == '-';
        if (!s.empty() && (s.front() == '-' || s.front() == '+'))
            s.remove_prefix(1);
        std::string digits = digitsOf(10);
        if (digits.empty() || !s.empty())
            return std::nullopt;
        digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
        if (digits.size() > 18)
            return std::nullopt;
        n.exponent = std::stoll(digits);
        if (negative)
            n.exponent = -n.exponent;
    }
    return s.empty() ? std::optional(n) : std::nullopt;
}

} // namespace qvref
