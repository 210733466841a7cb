// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Hostile texts: what a user can type or paste that no number rule was made
// for, each with what it reads as, leniently and strictly in the full-stop and
// the comma locale ("!kind" for a failure). tst_hostile checks the readings,
// and the monkey test pastes them into every window.
#pragma once

#include <QChar>
#include <QList>
#include <QString>

namespace qvtest {

struct HostileText {
    const char* tag;
    QString text, lenient, stop, comma;
};

inline const QList<HostileText>& hostileTexts()
{
    const QString nines(32767, '9');
    static const QList<HostileText> all = {
        {"32,767 nines", nines, "!overflow", "!overflow", "!overflow"},
        {"32,767 zeros then 7", QString(32766, '0') + "7", "7", "7", "7"},
        {"32,765 digits after a point", "0." + QString(32765, '3'), "0.333333333333333", "0.333333333333333", "!conversion"},
        {"32,767 digits, tiny exponent", nines.left(32760) + "E-32800", "1E-40", "1E-40", "1E-40"},
        {"exponent of 20 digits", "1E999999999999999999", "!overflow", "!overflow", "!overflow"},
        {"negative exponent of 20 digits", "1E-999999999999999999", "0", "0", "0"},
        {"zero with a huge exponent", "0E999999999999999999", "0", "0", "0"},
        {"exponent of 32,765 digits", "1E" + QString(32765, '7'), "!overflow", "!overflow", "!overflow"},
        // The doubles nearest the top of the range show, rounded to 15 digits, a
        // number just beyond it: such a result cannot be read back, by either rule.
        {"largest double as shown", "1.79769313486232E+308", "!overflow", "!overflow", "!conversion"},
        {"80-bit hex", "&HFFFFFFFFFFFFFFFFFFFF", "1.20892581961463E+24", "1.20892581961463E+24", "1,20892581961463E+24"},
        {"hex beyond any double", "&H" + QString(300, 'F'), "!overflow", "!overflow", "!overflow"},
        {"octal beyond any double", "&O" + QString(400, '7'), "!overflow", "!overflow", "!overflow"},
        {"hex with leading zeros", "&H" + QString(32000, '0') + "1F", "31", "31", "31"},
        {"lone minus", "-", "0", "!conversion", "!conversion"},
        {"lone plus", "+", "0", "!conversion", "!conversion"},
        {"lone point", ".", "0", "!conversion", "!conversion"},
        {"lone comma", ",", "0", "!conversion", "!conversion"},
        {"sign and point", "-.", "0", "!conversion", "!conversion"},
        {"two signs", "+-5", "0", "!conversion", "!conversion"},
        {"lone ampersand", "&", "0", "!conversion", "!conversion"},
        {"lone exponent", "E5", "0", "!conversion", "!conversion"},
        {"arabic-indic digits", QString::fromUtf8("\u0661\u0662"), "0", "!conversion", "!conversion"},
        {"digit then arabic-indic", QString::fromUtf8("5\u0663"), "5", "!conversion", "!conversion"},
        {"fullwidth digits", QString::fromUtf8("\uFF11\uFF12"), "0", "!conversion", "!conversion"},
        {"devanagari digit", QString::fromUtf8("\u096B"), "0", "!conversion", "!conversion"},
        {"superscript two", QString::fromUtf8("3\u00B2"), "3", "!conversion", "!conversion"},
        {"NUL alone", QString(QChar(0)), "0", "!conversion", "!conversion"},
        {"NUL inside", QString("4") + QChar(0) + "5", "4", "!conversion", "!conversion"},
        {"bell and delete", QString("\a5\x7f"), "0", "!conversion", "!conversion"},
        {"escape sequence", QString("\x1b[2J7"), "0", "!conversion", "!conversion"},
        {"carriage return first", "\r5", "0", "!conversion", "!conversion"},
        {"right-to-left mark first", QString::fromUtf8("\u200F12"), "0", "!conversion", "!conversion"},
        {"right-to-left mark after", QString::fromUtf8("12\u200F"), "12", "!conversion", "!conversion"},
        {"right-to-left override", QString::fromUtf8("1\u202E23"), "1", "!conversion", "!conversion"},
        {"no-break space grouping", QString::fromUtf8("1\u00A0000"), "1", "!conversion", "!conversion"},
        {"lone surrogate", QString(QChar(0xD800)) + "5", "0", "!conversion", "!conversion"},
        {"digit then lone surrogate", "5" + QString(QChar(0xDC00)), "5", "!conversion", "!conversion"},
        {"emoji", QString::fromUtf8("\U0001F600" "5"), "0", "!conversion", "!conversion"},
        {"pasted column", "12\n34", "1234", "!conversion", "!conversion"},
        {"pasted windows lines", "12\r\n34", "12", "!conversion", "!conversion"},
        {"pasted with final line break", "2.5\n", "2.5", "!conversion", "!conversion"},
        {"pasted with tabs", "\t7\t", "7", "!conversion", "!conversion"},
        {"spaces only", QString(32767, ' '), "0", "!conversion", "!conversion"},
        {"digit among 32,765 spaces", QString(16000, ' ') + "8" + QString(16766, ' '), "8", "8", "8"},
    };
    return all;
}

} // namespace qvtest
