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

bool lenientBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool never(char) { return false; }

// The full stop whatever the locale, no grouping, blanks anywhere.
constexpr Rules lenientRules{".", {}, {}, lenientBlank};

// A no-break space or a narrow no-break space, which keyboards do not type:
// an ordinary space between groups stands for it.
bool groupsWithNoBreakSpace(const NumberLocale& locale)
{
    return locale.thousands == "\u00A0" || locale.thousands == "\u202F";
}

// The locale's separators, nothing passed over inside the number.
Rules strictRules(const NumberLocale& locale)
{
    return {locale.decimal, locale.thousands, groupsWithNoBreakSpace(locale) ? " " : "", never};
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

// A number's 15 significant digits, correctly rounded, and the decimal
// exponent of the first: value ~ d.dddd x 10^exponent. Trailing zeros are
// dropped; digits is "0" for zero.
struct Significant {
    std::string digits;
    std::int64_t exponent = 0;
    bool operator==(const Significant&) const = default;
};

Significant significant(double value)
{
    if (value == 0)
        return {"0", 0};
    // d.dddddddddddddde±x: 15 significant digits, correctly rounded.
    std::array<char, 64> buffer{};
    auto [ptr, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                   std::chars_format::scientific, 14);
    const std::string_view sci(buffer.data(), std::size_t(ptr - buffer.data()));
    const std::size_t ePos = sci.find('e');
    Significant out;
    for (char c : sci.substr(0, ePos))
        if (isDigit(c))
            out.digits.push_back(c);
    std::string_view expText = sci.substr(ePos + 1);
    if (expText.front() == '+')
        expText.remove_prefix(1);
    std::from_chars(expText.data(), expText.data() + expText.size(), out.exponent);
    while (out.digits.size() > 1 && out.digits.back() == '0')
        out.digits.pop_back();
    return out;
}

// The 15 significant digits of the number a decimal text wrote, rounded half
// to even, for a number that has a non-zero digit.
Significant significant(const Parts& p)
{
    const std::size_t first = p.digits.find_first_not_of('0');
    std::string digits = p.digits.substr(first);
    Significant out{{}, p.exponent + std::int64_t(digits.size()) - 1};
    if (digits.size() > 15) {
        const bool beyondHalf = digits.find_first_not_of('0', 16) != std::string::npos;
        const char next = digits[15];
        digits.resize(15);
        if (next > '5' || (next == '5' && (beyondHalf || (digits.back() - '0') % 2 == 1))) {
            std::size_t i = digits.size();
            while (i > 0 && digits[i - 1] == '9')
                digits[--i] = '0';
            if (i == 0) {
                digits.insert(digits.begin(), '1');
                digits.pop_back();
                ++out.exponent;
            } else {
                ++digits[i - 1];
            }
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    out.digits = std::move(digits);
    return out;
}

// Whether the number's value is another than its digits say because it is
// too small for a double: non-zero digits read as 0, or as a subnormal whose
// 15 significant digits are not the number's.
bool lostDigits(const Parts& p, double value)
{
    if (p.radix != 10 || p.digits.find_first_not_of('0') == std::string::npos)
        return false;
    if (value == 0)
        return true;
    if (std::fabs(value) >= std::numeric_limits<double>::min())
        return false;
    return significant(value) != significant(p);
}

// A text read leniently: its parts, whether it held a number at all, and
// where the number ended.
struct Lenient {
    Parts parts;
    bool number = false;
    std::size_t end = 0;
};

// The end of what was read up to i, the blanks passed over after it left out.
std::size_t withoutBlanksAfter(std::string_view text, std::size_t i)
{
    while (i > 0 && lenientBlank(text[i - 1]))
        --i;
    return i;
}

Lenient readLenientParts(std::string_view text)
{
    const Rules& rules = lenientRules;
    Lenient r;
    std::size_t i = 0;
    while (i < text.size() && rules.skip(text[i]))
        ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        r.parts.negative = text[i] == '-';
        r.end = ++i;
    }
    while (i < text.size() && rules.skip(text[i]))
        ++i;
    if (readRadix(text, i, rules, r.parts)) {
        r.number = !r.parts.digits.empty();
        r.end = withoutBlanksAfter(text, i);
    } else if (readDecimal(text, i, rules, r.parts) != Decimal::None) {
        r.number = true;
        r.end = withoutBlanksAfter(text, i);
    }
    return r;
}

// Whether the rest of a text after a number goes on as a number would: the
// locale's decimal or thousands separator, a full stop or a comma, then a digit.
bool goesOn(std::string_view rest, const NumberLocale& locale)
{
    std::size_t i = 0;
    while (i < rest.size() && lenientBlank(rest[i]))
        ++i;
    rest.remove_prefix(i);
    for (const std::string_view separator : {std::string_view(locale.decimal), std::string_view(locale.thousands),
                                             std::string_view("."), std::string_view(",")}) {
        if (!separator.empty() && rest.starts_with(separator) && rest.size() > separator.size()
            && isDigit(rest[separator.size()]))
            return true;
    }
    return false;
}

// The text without the spaces around it.
std::string_view trimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The parts of a text that is wholly a number by the strict reading; nullopt
// for any other text.
std::optional<Parts> readStrictParts(std::string_view text, const NumberLocale& locale)
{
    const Rules rules = strictRules(locale);
    const std::string_view s = trimSpaces(text);
    std::size_t i = 0;
    Parts p;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        p.negative = s[i] == '-';
        ++i;
    }
    if (readRadix(s, i, rules, p)) {
        if (p.digits.empty() || i != s.size())
            return std::nullopt;
        return p;
    }
    if (readDecimal(s, i, rules, p) != Decimal::Number || i != s.size())
        return std::nullopt;
    return p;
}

// The other decimal convention than the locale's, where there is one.
std::optional<NumberLocale> otherConvention(const NumberLocale& locale)
{
    if (locale.decimal == ".")
        return NumberLocale::comma();
    if (locale.decimal == ",")
        return NumberLocale::fullStop();
    return std::nullopt;
}

} // namespace

double readLenient(std::string_view text)
{
    const Lenient r = readLenientParts(text);
    return r.number ? toDouble(r.parts) : 0;
}

LenientReading readLenientNoted(std::string_view text, const NumberLocale& locale)
{
    const Lenient r = readLenientParts(text);
    LenientReading out{r.number ? toDouble(r.parts) : 0, r.end, Misreading::None};
    if (goesOn(text.substr(r.end), locale))
        out.misreading = Misreading::StoppedEarly;
    else if (r.number && lostDigits(r.parts, out.value))
        out.misreading = Misreading::TooSmall;
    return out;
}

double readStrict(std::string_view text, const NumberLocale& locale)
{
    const std::optional<Parts> p = readStrictParts(text, locale);
    if (!p)
        throw Failure(Cause::NotANumber);
    return toDouble(*p);
}

bool tooSmall(std::string_view text, const NumberLocale& locale)
{
    const std::optional<Parts> p = readStrictParts(text, locale);
    if (!p)
        return false;
    try {
        return lostDigits(*p, toDouble(*p));
    } catch (const Failure&) {
        return false; // too large
    }
}

std::optional<std::string> lenientForm(std::string_view text, const NumberLocale& locale)
{
    if (!readStrictParts(text, locale))
        return std::nullopt;
    // The text is a number: what stands where is known, as readDecimal found it.
    const Rules rules = strictRules(locale);
    const std::string_view s = trimSpaces(text);
    std::string out;
    std::size_t i = 0;
    if (s[i] == '+' || s[i] == '-')
        out.push_back(s[i++]);
    if (s[i] == '&')
        return out.append(s.substr(i));
    bool any = false;
    for (;;) {
        if (i < s.size() && isDigit(s[i])) {
            out.push_back(s[i++]);
            any = true;
        } else if (const std::size_t length = any ? groupSeparatorAt(s, i, rules) : 0) {
            i += length;
        } else {
            break;
        }
    }
    if (s.substr(i, rules.decimal.size()) == rules.decimal) {
        out.push_back('.');
        i += rules.decimal.size();
    }
    return out.append(s.substr(i)); // fraction digits and exponent, as written
}

PastedText firstCell(std::string_view pasted)
{
    PastedText out;
    bool found = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= pasted.size(); ++i) {
        if (i < pasted.size() && pasted[i] != '\t' && pasted[i] != '\n' && pasted[i] != '\r')
            continue;
        std::string_view cell = pasted.substr(start, i - start);
        const std::size_t first = cell.find_first_not_of(" \v\f");
        start = i + 1;
        if (first == std::string_view::npos)
            continue;
        cell = cell.substr(first, cell.find_last_not_of(" \v\f") - first + 1);
        if (found) {
            ++out.leftOut;
        } else {
            out.text = cell;
            found = true;
        }
    }
    return out;
}

bool readsUnderOtherConvention(std::string_view text, const NumberLocale& locale)
{
    const std::optional<NumberLocale> other = otherConvention(locale);
    return other && !readStrictParts(text, locale) && readStrictParts(text, *other);
}

std::string displayText(double value, const NumberLocale& locale)
{
    if (value == 0 || !std::isfinite(value))
        return "0";
    const bool negative = std::signbit(value);
    const Significant sig = significant(value);
    const std::string& digits = sig.digits;
    const std::int64_t exponent = sig.exponent;

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
        const std::int64_t magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    }
    return out;
}

} // namespace qv
