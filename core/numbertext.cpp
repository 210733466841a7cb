// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "numbertext.h"

#include "failure.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace qv {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isOctal(char c) { return c >= '0' && c <= '7'; }
bool isHex(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
char lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// A number taken apart: its sign, its significant digits and a power of ten
// (value = digits x 10^exponent), or a radix integer given by its digits.
struct Parts {
    bool negative = false;
    int radix = 10;            // 10, 16 or 8
    std::string digits;        // decimal digits without separators, or radix digits
    std::int64_t exponent = 0; // decimal only
};

constexpr std::int64_t exponentLimit = 1'000'000'000; // far beyond any double

void addExponentDigit(std::int64_t& e, char c)
{
    if (e < exponentLimit)
        e = e * 10 + (c - '0');
}

// The double nearest the number, or an overflow failure when it is too large.
double toDouble(const Parts& p)
{
    std::string text;
    std::chars_format format = std::chars_format::general;
    if (p.radix == 16) {
        text = p.digits;
        format = std::chars_format::hex;
    } else if (p.radix == 8) {
        // Three bits an octal digit; regroup the bits as hexadecimal digits.
        std::string bits;
        for (char c : p.digits)
            for (int shift = 2; shift >= 0; --shift)
                bits.push_back(char('0' + (((c - '0') >> shift) & 1)));
        while (bits.size() % 4 != 0)
            bits.insert(bits.begin(), '0');
        for (std::size_t i = 0; i < bits.size(); i += 4) {
            int nibble = (bits[i] - '0') * 8 + (bits[i + 1] - '0') * 4 + (bits[i + 2] - '0') * 2 + (bits[i + 3] - '0');
            text.push_back("0123456789abcdef"[nibble]);
        }
        format = std::chars_format::hex;
    } else {
        text = p.digits;
        if (p.exponent != 0) {
            text.push_back('e');
            text += std::to_string(p.exponent);
        }
    }
    // Leading zeros change nothing and may be many; they are left out so that
    // the magnitude estimate below sees the first significant digit.
    // Only a decimal text has an exponent part: in a hexadecimal one, e is a digit.
    std::size_t first = 0;
    const std::size_t mantissaEnd = p.radix == 10 ? std::min(text.find('e'), text.size()) : text.size();
    while (first + 1 < mantissaEnd && text[first] == '0')
        ++first;
    double value = 0;
    const char* begin = text.data() + first;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(begin, end, value, format);
    if (ec == std::errc::result_out_of_range) {
        // Either beyond the largest double or nearer to zero than to the
        // smallest one. The position of the first significant digit decides.
        std::size_t nonzero = first;
        while (nonzero < mantissaEnd && text[nonzero] == '0')
            ++nonzero;
        if (nonzero == mantissaEnd) {
            value = 0;
        } else {
            const std::int64_t intDigits = std::int64_t(mantissaEnd - nonzero);
            const bool large = p.radix != 10 || intDigits + p.exponent > 0;
            if (large)
                throw Failure(Cause::NumberTooLarge);
            value = 0;
        }
    } else if (ec != std::errc() || ptr != end) {
        value = 0; // no digits: cannot happen for well-formed parts
    }
    return p.negative ? -value : value;
}

// How a number text is written: what separates its fraction, what may group
// its integer digits, and which characters are passed over wherever they stand.
struct Rules {
    std::string_view decimal;      // the decimal separator
    std::string_view thousands;    // between groups of three integer digits; empty: no grouping
    std::string_view thousandsToo; // a second separator that stands for it; empty: none
    bool (*skip)(char);            // characters read as if they were not there
};

// A no-break space or a narrow no-break space, which keyboards do not type:
// an ordinary space between groups stands for it.
bool groupsWithNoBreakSpace(const NumberLocale& locale)
{
    return locale.thousands == "\u00A0" || locale.thousands == "\u202F";
}

// The length of the group separator at s[i] that a digit follows; 0 where none.
std::size_t groupSeparatorAt(std::string_view s, std::size_t i, const Rules& rules)
{
    for (const std::string_view separator : {rules.thousands, rules.thousandsToo}) {
        if (!separator.empty() && s.substr(i, separator.size()) == separator && i + separator.size() < s.size()
            && isDigit(s[i + separator.size()]))
            return separator.size();
    }
    return 0;
}

enum class Decimal {
    None,        // no mantissa digit
    Number,      // a number, its parts in p
    BadGrouping, // a number whose thousands separators do not stand between groups of three
};

// Reads decimal digits, an optional decimal separator with digits and an
// optional exponent from s starting at i, by the rules.
Decimal readDecimal(std::string_view s, std::size_t& i, const Rules& rules, Parts& p)
{
    const auto skip = rules.skip;
    const std::string_view decimal = rules.decimal;
    std::int64_t fractionDigits = 0;
    bool any = false;
    auto skipIgnored = [&] {
        while (i < s.size() && skip(s[i]))
            ++i;
    };
    // Integer part, with grouping checked when thousands separators may stand.
    int groupLength = 0;
    bool grouped = false;
    bool groupingOk = true;
    for (;;) {
        skipIgnored();
        if (i < s.size() && isDigit(s[i])) {
            p.digits.push_back(s[i]);
            any = true;
            ++groupLength;
            ++i;
            continue;
        }
        if (const std::size_t length = any ? groupSeparatorAt(s, i, rules) : 0) {
            // The first group: one to three digits, not beginning with 0.
            if ((!grouped && (groupLength > 3 || p.digits.front() == '0')) || (grouped && groupLength != 3))
                groupingOk = false;
            grouped = true;
            groupLength = 0;
            i += length;
            continue;
        }
        break;
    }
    if (grouped && groupLength != 3)
        groupingOk = false;
    skipIgnored();
    if (s.substr(i, decimal.size()) == decimal) {
        std::size_t j = i + decimal.size();
        bool fractionAny = false;
        std::string fraction;
        for (;;) {
            while (j < s.size() && skip(s[j]))
                ++j;
            if (j < s.size() && isDigit(s[j])) {
                fraction.push_back(s[j]);
                fractionAny = true;
                ++j;
                continue;
            }
            break;
        }
        if (any || fractionAny) {
            p.digits += fraction;
            fractionDigits = std::int64_t(fraction.size());
            any = true;
            i = j;
        }
    }
    if (!any)
        return Decimal::None;
    // Exponent: E or D, optional sign, at least one digit; otherwise not part of the number.
    std::size_t j = i;
    while (j < s.size() && skip(s[j]))
        ++j;
    if (j < s.size() && (lower(s[j]) == 'e' || lower(s[j]) == 'd')) {
        ++j;
        while (j < s.size() && skip(s[j]))
            ++j;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            negativeExponent = s[j] == '-';
            ++j;
        }
        std::int64_t e = 0;
        bool exponentAny = false;
        for (;;) {
            while (j < s.size() && skip(s[j]))
                ++j;
            if (j < s.size() && isDigit(s[j])) {
                addExponentDigit(e, s[j]);
                exponentAny = true;
                ++j;
                continue;
            }
            break;
        }
        if (exponentAny) {
            p.exponent = negativeExponent ? -e : e;
            i = j;
        }
    }
    p.exponent -= fractionDigits;
    return groupingOk ? Decimal::Number : Decimal::BadGrouping;
}

// Reads &H or &O digits at s[i..], passing over what the rules skip;
// returns false when s has no such prefix.
bool readRadix(std::string_view s, std::size_t& i, const Rules& rules, Parts& p)
{
    const auto skip = rules.skip;
    std::size_t j = i;
    if (j >= s.size() || s[j] != '&')
        return false;
    ++j;
    while (j < s.size() && skip(s[j]))
        ++j;
    if (j >= s.size() || (lower(s[j]) != 'h' && lower(s[j]) != 'o'))
        return false;
    p.radix = lower(s[j]) == 'h' ? 16 : 8;
    ++j;
    for (;;) {
        while (j < s.size() && skip(s[j]))
            ++j;
        if (j < s.size() && (p.radix == 16 ? isHex(s[j]) : isOctal(s[j]))) {
            p.digits.push_back(s[j]);
            ++j;
            continue;
        }
        break;
    }
    i = j;
    return true;
}

} // namespace

double readLenient(std::string_view text)
{
    // The full stop whatever the locale, no grouping, blanks anywhere.
    constexpr Rules rules{".", {}, {}, [](char c) { return c == ' ' || c == '\t' || c == '\n'; }};
    std::size_t i = 0;
    Parts p;
    while (i < text.size() && rules.skip(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        p.negative = text[i] == '-';
        ++i;
    }
    while (i < text.size() && rules.skip(text[i]))
        ++i;
    if (readRadix(text, i, rules, p)) {
        if (p.digits.empty())
            return 0;
        return toDouble(p);
    }
    if (readDecimal(text, i, rules, p) == Decimal::None)
        return 0;
    return toDouble(p);
}

double readStrict(std::string_view text, const NumberLocale& locale)
{
    // The locale's separators, nothing passed over inside the number; an
    // ordinary space for a no-break space.
    const Rules rules{locale.decimal, locale.thousands, groupsWithNoBreakSpace(locale) ? " " : "",
                      [](char) { return false; }};
    std::size_t i = 0;
    std::size_t end = text.size();
    while (i < end && text[i] == ' ')
        ++i;
    while (end > i && text[end - 1] == ' ')
        --end;
    const std::string_view s = text.substr(0, end);
    Parts p;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        p.negative = s[i] == '-';
        ++i;
    }
    if (readRadix(s, i, rules, p)) {
        if (p.digits.empty() || i != s.size())
            throw Failure(Cause::NotANumber);
        return toDouble(p);
    }
    if (readDecimal(s, i, rules, p) != Decimal::Number || i != s.size())
        throw Failure(Cause::NotANumber);
    return toDouble(p);
}

std::string displayText(double value, const NumberLocale& locale)
{
    if (value == 0 || !std::isfinite(value))
        return "0";
    // d.dddddddddddddde±x: 15 significant digits, correctly rounded.
    std::array<char, 64> buffer{};
    auto [ptr, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, 14);
    std::string_view sci(buffer.data(), std::size_t(ptr - buffer.data()));
    const bool negative = sci.front() == '-';
    if (negative)
        sci.remove_prefix(1);
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (isDigit(c))
            digits.push_back(c);
    int exponent = 0;
    std::string_view expText = sci.substr(ePos + 1);
    if (expText.front() == '+')
        expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent > -5 && exponent < 15) {
        if (exponent < 0) {
            out += "0";
            out += locale.decimal;
            out.append(std::size_t(-exponent - 1), '0');
            out += digits;
        } else {
            const std::size_t intDigits = std::size_t(exponent) + 1;
            if (digits.size() <= intDigits) {
                out += digits;
                out.append(intDigits - digits.size(), '0');
            } else {
                out += digits.substr(0, intDigits);
                out += locale.decimal;
                out += digits.substr(intDigits);
            }
        }
    } else {
        out += digits.substr(0, 1);
        if (digits.size() > 1) {
            out += locale.decimal;
            out += digits.substr(1);
        }
        out += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    }
    return out;
}

} // namespace qv
