// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A formula as a result's tooltip gives it ("area = 22 × radius × radius ÷
// 7"), evaluated with the field value's operators in the text's own order,
// so that a test can compare it with the result the window shows: a text
// that says another computation than the one made shows other digits.
//
// The text: a name, " = ", an expression, optionally ", where x = EXPR" for
// a helper value. Expressions: numbers (an integer is an integer constant, a
// number with a point a double), names (letters and spaces, as bound), ( ),
// ^ first (right to left), then × and ÷, then + and − (each left to right),
// and "1 × 2 × … × n": the product of every integer from the first up to n,
// starting from the double 1.0, each factor on the right.
#pragma once

#include "fieldvalue.h"

#include <QMap>
#include <QString>

#include <optional>
#include <stdexcept>

namespace qvtest {

class FormulaText {
public:
    // Values by name: the inputs, and earlier results as evaluated.
    QMap<QString, qv::FieldValue> names;

    // Evaluates "name = expression[, where x = expression]", binds name to
    // its value and returns the value. A text that does not parse throws
    // std::invalid_argument saying where.
    qv::FieldValue evaluate(const QString& formula)
    {
        const qsizetype equals = formula.indexOf(QLatin1String(" = "));
        if (equals <= 0)
            throw std::invalid_argument("no \" = \" in " + formula.toStdString());
        const QString name = formula.left(equals);
        QString expression = formula.mid(equals + 3);
        const qsizetype where = expression.indexOf(QLatin1String(", where "));
        if (where >= 0) {
            evaluate(expression.mid(where + 8));
            expression.truncate(where);
        }
        const qv::FieldValue value = parse(expression);
        names[name] = value;
        return value;
    }

private:
    qv::FieldValue parse(const QString& expression)
    {
        text_ = expression;
        at_ = 0;
        qv::FieldValue value = sum();
        skipBlanks();
        if (at_ != text_.size())
            fail("an operator");
        return value;
    }

    [[noreturn]] void fail(const char* expected) const
    {
        throw std::invalid_argument(QStringLiteral("%1 expected at %2 of \"%3\"")
                                        .arg(QLatin1String(expected))
                                        .arg(at_)
                                        .arg(text_)
                                        .toStdString());
    }

    void skipBlanks()
    {
        while (at_ < text_.size() && text_[at_] == u' ')
            ++at_;
    }

    // The next operator, taken where it is one of these.
    std::optional<QChar> take(const QString& operators)
    {
        skipBlanks();
        if (at_ < text_.size() && operators.contains(text_[at_]))
            return text_[at_++];
        return std::nullopt;
    }

    qv::FieldValue sum()
    {
        qv::FieldValue value = product();
        while (const auto op = take(QStringLiteral("+\u2212-")))
            value = *op == u'+' ? value + product() : value - product();
        return value;
    }

    qv::FieldValue product()
    {
        std::optional<int> first; // the first factor, while every factor is an integer written out
        qv::FieldValue value = power(&first);
        while (const auto op = take(QStringLiteral("\u00d7\u00f7"))) {
            if (*op == u'\u00d7' && take(QStringLiteral("\u2026"))) {
                if (!first || !take(QStringLiteral("\u00d7")))
                    fail("\"1 \u00d7 2 \u00d7 \u2026 \u00d7 n\"");
                const qv::FieldValue last = power(nullptr);
                qv::FieldValue f = 1.0;
                for (qv::FieldValue k = *first; qv::lessOrEqual(k, last); k = k + qv::FieldValue(1))
                    f = (f * k).toDouble();
                value = f;
                first.reset();
                continue;
            }
            std::optional<int> integer;
            const qv::FieldValue right = power(&integer);
            if (!integer)
                first.reset();
            value = *op == u'\u00d7' ? value * right : value / right;
        }
        return value;
    }

    qv::FieldValue power(std::optional<int>* integer)
    {
        qv::FieldValue base = primary(integer);
        if (take(QStringLiteral("^"))) {
            if (integer)
                integer->reset();
            return qv::power(base, power(nullptr));
        }
        return base;
    }

    qv::FieldValue primary(std::optional<int>* integer)
    {
        skipBlanks();
        if (at_ >= text_.size())
            fail("a number, a name or (");
        if (take(QStringLiteral("("))) {
            const qv::FieldValue inner = sum();
            if (!take(QStringLiteral(")")))
                fail(")");
            if (integer)
                integer->reset();
            return inner;
        }
        const qsizetype start = at_;
        if (text_[at_].isDigit()) {
            while (at_ < text_.size() && (text_[at_].isDigit() || text_[at_] == u'.'))
                ++at_;
            const QString number = text_.mid(start, at_ - start);
            if (number.contains(u'.')) {
                if (integer)
                    integer->reset();
                return number.toDouble();
            }
            if (integer)
                *integer = number.toInt();
            return number.toInt();
        }
        while (at_ < text_.size() && (text_[at_].isLetter() || text_[at_] == u' '))
            ++at_;
        const QString name = text_.mid(start, at_ - start).trimmed();
        if (name.isEmpty() || !names.contains(name))
            fail("a known name");
        if (integer)
            integer->reset();
        return names[name];
    }

    QString text_;
    qsizetype at_ = 0;
};

} // namespace qvtest
