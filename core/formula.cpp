// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formula.h"

#include "numbertext.h"

#include <algorithm>
#include <cstring>

namespace qv::formula {
namespace {

bool same(const Field* a, const Field& b) { return a && std::strcmp(a->name, b.name) == 0; }

// The value of one node, its operands already evaluated; a field read as
// another number than it seems to say is noted.
FieldValue evaluate(const Node& n, const std::vector<FieldValue>& values, Sheet& sheet, const NumberLocale& locale,
                    std::vector<Misread>& misread)
{
    const auto a = [&] { return values[std::size_t(n.a)]; };
    const auto b = [&] { return values[std::size_t(n.b)]; };
    switch (n.op) {
    case Op::Integer:
        return FieldValue(int(n.number));
    case Op::Double:
        return FieldValue(n.number);
    case Op::Lenient: {
        std::string text = sheet.text(*n.field);
        try {
            const LenientReading r = readLenientNoted(text, locale);
            if (r.misreading != Misreading::None)
                misread.push_back({n.field, std::move(text), r.value, r.end, r.misreading});
            return FieldValue(r.value);
        } catch (const Failure& failure) {
            throw failure.from(n.field->name);
        }
    }
    case Op::Text: {
        std::string text = sheet.text(*n.field);
        if (tooSmall(text, locale)) {
            const double value = readStrict(text, locale);
            misread.push_back({n.field, text, value, text.size(), Misreading::TooSmall});
        }
        return FieldValue::text(std::move(text), locale, n.field->name);
    }
    case Op::Add:
        return a() + b();
    case Op::Subtract:
        return a() - b();
    case Op::Multiply:
        return a() * b();
    case Op::Divide:
        return a() / b();
    case Op::Power:
        return power(a(), b());
    case Op::Factorial: {
        const FieldValue& end = values[std::size_t(n.a)];
        FieldValue f = 1.0;
        try {
            countedLoop(FieldValue(1), end, [&f](const FieldValue& k) { f = (f * k).toDouble(); });
        } catch (const Failure& failure) {
            if (failure.cause() != Cause::TooLarge)
                throw;
            // Too large is said of the factorial asked for, not of the pass it overflowed in.
            throw Failure(Cause::TooLarge, Operation::Factorial, end.toDouble(), 0);
        }
        return f;
    }
    case Op::Let:
        return a();
    case Op::Write: {
        const FieldValue value = a();
        sheet.write(*n.field, value.display(locale));
        return value;
    }
    case Op::Clear:
        sheet.write(*n.field, std::string());
        return {};
    }
    return {};
}

bool isRead(Op op) { return op == Op::Lenient || op == Op::Text; }

// The node of the program that writes the result, or -1.
int writer(Program program, const Field& result)
{
    for (std::size_t i = 0; i < program.size(); ++i)
        if (program[i].op == Op::Write && same(program[i].field, result))
            return int(i);
    return -1;
}

// How tightly an operator binds in a formula text: + and − loosest, ^ tightest;
// a value named by its words binds as tightly as a number.
int precedence(Op op)
{
    switch (op) {
    case Op::Add:
    case Op::Subtract:
        return 1;
    case Op::Multiply:
    case Op::Divide:
    case Op::Factorial: // a product written out: 1 × 2 × … × n
        return 2;
    case Op::Power:
        return 3;
    default:
        return 4;
    }
}

const char* symbol(Op op)
{
    switch (op) {
    case Op::Add:
        return " + ";
    case Op::Subtract:
        return " \u2212 ";
    case Op::Multiply:
        return " \u00d7 ";
    case Op::Divide:
        return " \u00f7 ";
    default:
        return " ^ ";
    }
}

// Writes the subtree of a node as text: in words (the formula a tooltip
// shows), or with the numbers a run used (what was computed).
class Writer {
public:
    Writer(Program program, const Translate& translate, const Outcome* outcome, const NumberLocale& locale)
        : program_(program), translate_(translate), outcome_(outcome), locale_(locale)
    {
    }

    // The node's own expression, not its name.
    std::string expression(std::size_t i)
    {
        const Node& n = program_[i];
        switch (n.op) {
        case Op::Add:
        case Op::Subtract:
        case Op::Multiply:
        case Op::Divide:
        case Op::Power:
            // Numbers a run used are written as they are typed: their minus a hyphen, and the operator's too.
            return operand(std::size_t(n.a), n.op, false)
                   + (outcome_ && n.op == Op::Subtract ? std::string(" - ") : std::string(symbol(n.op)))
                   + operand(std::size_t(n.b), n.op, true);
        case Op::Factorial:
            if (outcome_)
                return operand(std::size_t(n.a), Op::Power, false) + "!";
            return qv::words(translate_, "Formula", QT_TRANSLATE_NOOP("Formula", "1 \u00d7 2 \u00d7 \u2026 \u00d7 %1"),
                             {operand(std::size_t(n.a), n.op, true)});
        case Op::Let:
        case Op::Write:
            return expression(std::size_t(n.a));
        default:
            return term(i);
        }
    }

    // The helper values the expressions written so far named, each once, in
    // the order they were first named.
    const std::vector<std::size_t>& helpers() const { return helpers_; }

    // A word of the formula text (an input's, a result's), in the user's language.
    std::string words(const char* english) const { return qv::words(translate_, "Formula", english); }
    const Translate& translate() const { return translate_; }

private:
    // A node as an operand of op: an earlier step by its name, else its
    // expression, in parentheses where the order would otherwise read wrong.
    std::string operand(std::size_t i, Op op, bool right)
    {
        const Node& n = program_[i];
        const bool named = isRead(n.op) || n.op == Op::Write || n.op == Op::Let || n.op == Op::Integer
                           || n.op == Op::Double;
        if (named)
            return term(i);
        const int inner = precedence(n.op);
        const int outer = precedence(op);
        const bool parens = inner < outer || (right && inner == outer) || (op == Op::Power && inner == outer);
        const std::string text = expression(i);
        return parens ? "(" + text + ")" : text;
    }

    // A node that stands for itself: a constant, or a value named by its words.
    std::string term(std::size_t i)
    {
        const Node& n = program_[i];
        if (outcome_ && n.op != Op::Integer && n.op != Op::Double) {
            // The number the run used, in parentheses where it is negative.
            const FieldValue& v = outcome_->values[i];
            double number = 0;
            try {
                number = v.toDouble();
            } catch (const Failure&) {
                return v.display(locale_);
            }
            const std::string shown = FieldValue(number).display(locale_);
            return number < 0 ? "(" + shown + ")" : shown;
        }
        switch (n.op) {
        case Op::Integer:
        case Op::Double:
            return displayText(n.number, locale_);
        case Op::Let:
            if (std::find(helpers_.begin(), helpers_.end(), i) == helpers_.end())
                helpers_.push_back(i);
            return words(n.words);
        default:
            return words(n.field->words);
        }
    }

    Program program_;
    const Translate& translate_;
    const Outcome* outcome_;
    const NumberLocale& locale_;
    std::vector<std::size_t> helpers_;
};

// Whether the subtree of a node holds a constant with π folded in; earlier
// steps with names of their own (inputs, results) are their own formulas.
bool holdsPi(Program program, std::size_t i)
{
    const Node& n = program[i];
    if (n.op == Op::Integer)
        return n.pi;
    if (isRead(n.op) || n.op == Op::Double || n.op == Op::Clear)
        return false;
    if (n.op == Op::Write || n.op == Op::Let || n.op == Op::Factorial)
        return holdsPi(program, std::size_t(n.a));
    return holdsPi(program, std::size_t(n.a)) || holdsPi(program, std::size_t(n.b));
}

} // namespace

Outcome run(Program program, Sheet& sheet, const NumberLocale& locale)
{
    Outcome outcome;
    outcome.values.reserve(program.size());
    for (std::size_t i = 0; i < program.size(); ++i) {
        try {
            outcome.values.push_back(evaluate(program[i], outcome.values, sheet, locale, outcome.misread));
        } catch (const Failure& failure) {
            outcome.failure = failure;
            outcome.stopped = i;
            break;
        }
    }
    return outcome;
}

std::vector<const Field*> inputs(Program program)
{
    std::vector<const Field*> fields;
    for (const Node& n : program)
        if (isRead(n.op) && std::none_of(fields.begin(), fields.end(), [&n](const Field* f) { return same(f, *n.field); }))
            fields.push_back(n.field);
    return fields;
}

std::vector<const Field*> results(Program program)
{
    std::vector<const Field*> fields;
    for (const Node& n : program)
        if (n.op == Op::Write)
            fields.push_back(n.field);
    return fields;
}

std::vector<const Field*> cleared(Program program)
{
    std::vector<const Field*> fields;
    for (const Node& n : program)
        if (n.op == Op::Clear)
            fields.push_back(n.field);
    return fields;
}

const Field* computing(Program program, const Outcome& outcome)
{
    if (outcome.done() || outcome.failure->reading())
        return nullptr;
    for (std::size_t i = outcome.stopped; i < program.size(); ++i)
        if (program[i].op == Op::Write)
            return program[i].field;
    return nullptr;
}

std::string formulaText(Program program, const Field& result, const Translate& translate)
{
    const int w = writer(program, result);
    if (w < 0)
        return {};
    const NumberLocale locale = NumberLocale::fullStop();
    Writer writer(program, translate, nullptr, locale);
    std::string text = writer.words(program[std::size_t(w)].field->words) + " = " + writer.expression(std::size_t(w));
    // A helper value's own formula may name another: each is written once.
    for (std::size_t k = 0; k < writer.helpers().size(); ++k) {
        const std::size_t let = writer.helpers()[k];
        const std::string helper = writer.words(program[let].words);
        text = qv::words(translate, "Formula", QT_TRANSLATE_NOOP("Formula", "%1, where %2 = %3"),
                         {text, helper, writer.expression(let)});
    }
    return text;
}

const Field* failedField(Program program, const Outcome& outcome)
{
    if (outcome.done())
        return nullptr;
    if (outcome.failure->reading()) {
        for (const Node& n : program)
            if (n.field && n.field->name == outcome.failure->field())
                return n.field;
        return nullptr;
    }
    return computing(program, outcome);
}

std::string note(const Misread& misread, const NumberLocale& locale, std::string_view fieldName,
                 const Translate& translate)
{
    const std::string value = displayText(misread.value, locale);
    if (misread.how == Misreading::StoppedEarly) {
        std::string_view rest(misread.text);
        rest.remove_prefix(std::min(misread.end, rest.size()));
        while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t' || rest.front() == '\n'))
            rest.remove_prefix(1);
        return words(translate, "Note",
                     QT_TRANSLATE_NOOP("Note", "\u201c%1\u201d was read as %2: this window takes the full stop as its "
                                               "decimal point and no thousands separator, so its reading stopped at "
                                               "\u201c%3\u201d."),
                     {fieldName, value, rest});
    }
    std::string_view typed(misread.text);
    while (!typed.empty() && typed.front() == ' ')
        typed.remove_prefix(1);
    while (!typed.empty() && typed.back() == ' ')
        typed.remove_suffix(1);
    return words(translate, "Note",
                 QT_TRANSLATE_NOOP("Note", "\u201c%1\u201d holds %2, too small for the calculator, and was read as %3."),
                 {fieldName, typed, value});
}

bool takesPi(Program program, const Field& result)
{
    const int w = writer(program, result);
    return w >= 0 && holdsPi(program, std::size_t(w));
}

std::string computedText(Program program, const Field& result, const Outcome& outcome, const NumberLocale& locale)
{
    const int w = writer(program, result);
    if (w < 0 || outcome.values.size() <= std::size_t(w))
        return {};
    const Translate none;
    Writer writer(program, none, &outcome, locale);
    return writer.expression(std::size_t(w)) + " = " + outcome.values[std::size_t(w)].display(locale);
}

} // namespace qv::formula
