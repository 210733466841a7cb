// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a text reads as, leniently and strictly, as typed rows; and the hostile texts: what a user can
// type or paste that no number rule was made for. tst_numberrules reads them beside its own rows, and
// the monkey test pastes them into every window.
#pragma once

#include "failure.h"
#include "numbertext.h"

#include <QList>
#include <QString>
#include <QTest>

#include <optional>
#include <string>
#include <utility>

namespace qvtest {

using qv::FailureKind;
inline constexpr FailureKind Conversion = FailureKind::Conversion, DivisionByZero = FailureKind::DivisionByZero,
                             Overflow = FailureKind::Overflow, InvalidArgument = FailureKind::InvalidArgument;

// What a reading or an operation gives: the display text of its number, or a failure of a kind.
struct Outcome {
    std::string shown;
    std::optional<FailureKind> failure;
    Outcome() = default;
    Outcome(const char* text) : shown(text) {}
    Outcome(std::string text) : shown(std::move(text)) {}
    Outcome(FailureKind kind) : failure(kind) {}
    bool operator==(const Outcome&) const = default;
};

inline char* toString(const Outcome& o)
{
    return qstrdup((o.failure ? "fails: " + std::string(qv::name(*o.failure)) : '"' + o.shown + '"').c_str());
}

// The outcome of a computation that gives a text, or throws the failure.
template <class F>
Outcome outcomeOf(F&& compute)
{
    try {
        return Outcome(compute());
    } catch (const qv::Failure& failure) {
        return Outcome(failure.kind());
    }
}

// The user's number locale. French groups with a narrow no-break space,
// Russian with a no-break space; Arabic has separators of its own.
enum class Loc { FullStop, Comma, French, Russian, Arabic };
inline constexpr Loc FullStop = Loc::FullStop, Comma = Loc::Comma, French = Loc::French, Russian = Loc::Russian,
                     Arabic = Loc::Arabic;
inline qv::NumberLocale numbers(Loc l)
{
    static const qv::NumberLocale all[] = {qv::NumberLocale::fullStop(), qv::NumberLocale::comma(), {",", "\u202F"},
                                           {",", "\u00A0"}, {"\u066B", "\u066C"}};
    return all[int(l)];
}

// What a strict reading says of a text besides its number.
enum class Strictly { Plain, TooSmall, OtherConvention };
using qv::Misreading;

// What the readings say besides the number; nullopt: not checked.
struct Said {
    std::optional<std::string> rest;                           // the text the lenient reading left
    std::optional<Misreading> note = Misreading::None;         // the lenient reading's, in the row's locale
    std::optional<Strictly> strictly = Strictly::Plain;        // the strict reading's
    const char* form = nullptr; // the lenient form of a strict number, where its text is of note
};
inline const Said unchecked{std::nullopt, std::nullopt, std::nullopt};

struct Reading {
    const char* tag;
    Loc locale;
    QString text;
    Outcome lenient; // shown in the full-stop locale
    Outcome strict;  // read and shown in the row's locale
    Said said = unchecked;
};

inline const QList<Reading>& hostileReadings()
{
    const QString nines(32767, '9');
    static const QList<Reading> all = {
        {"32,767 nines", FullStop, nines, Overflow, Overflow},
        {"32,767 zeros then 7", FullStop, QString(32766, '0') + "7", "7", "7"},
        {"32,765 digits after a point", FullStop, "0." + QString(32765, '3'), "0.333333333333333", "0.333333333333333"},
        {"32,767 digits, tiny exponent", FullStop, nines.left(32760) + "E-32800", "1E-40", "1E-40"},
        {"exponent of 20 digits", FullStop, "1E999999999999999999", Overflow, Overflow},
        {"negative exponent of 20 digits", FullStop, "1E-999999999999999999", "0", "0"},
        {"zero with a huge exponent", FullStop, "0E999999999999999999", "0", "0"},
        // The largest doubles show, rounded to 15 digits, a number beyond the range: it cannot be read back.
        {"largest double as shown", FullStop, "1.79769313486232E+308", Overflow, Overflow},
        {"80-bit hex", Comma, "&HFFFFFFFFFFFFFFFFFFFF", "1.20892581961463E+24", "1,20892581961463E+24"},
        {"hex with leading zeros", FullStop, "&H" + QString(32000, '0') + "1F", "31", "31"},
        {"lone minus", FullStop, "-", "0", Conversion, {.rest = ""}},
        {"lone point", FullStop, ".", "0", Conversion, {.rest = "."}},
        {"lone comma", Comma, ",", "0", Conversion},
        {"lone ampersand", FullStop, "&", "0", Conversion},
        {"lone exponent", FullStop, "E5", "0", Conversion},
        {"arabic-indic digits", FullStop, QString::fromUtf8("\u0661\u0662"), "0", Conversion},
        {"digit then arabic-indic", FullStop, QString::fromUtf8("5\u0663"), "5", Conversion},
        {"NUL alone", FullStop, QString(QChar(0)), "0", Conversion},
        {"NUL inside", FullStop, QString("4") + QChar(0) + "5", "4", Conversion, {.rest = std::string("\0" "5", 2)}},
        {"escape sequence", FullStop, QString("\x1b[2J7"), "0", Conversion},
        {"right-to-left override", FullStop, QString::fromUtf8("1\u202E23"), "1", Conversion},
        {"no-break space grouping", FullStop, QString::fromUtf8("1\u00A0000"), "1", Conversion},
        {"lone surrogate", FullStop, QString(QChar(0xD800)) + "5", "0", Conversion},
        {"emoji", FullStop, QString::fromUtf8("\U0001F600" "5"), "0", Conversion},
        {"pasted column", FullStop, "12\n34", "1234", Conversion},
        {"pasted windows lines", FullStop, "12\r\n34", "12", Conversion, {.rest = "\r\n34"}},
        {"pasted with final line break", FullStop, "2.5\n", "2.5", Conversion},
        {"pasted with tabs", FullStop, "\t7\t", "7", Conversion},
        {"spaces only", FullStop, QString(32767, ' '), "0", Conversion},
        {"digit among 32,765 spaces", FullStop, QString(16000, ' ') + "8" + QString(16766, ' '), "8", "8"},
    };
    return all;
}

} // namespace qvtest
