// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Finds inputs whose shown digits tell a formula's order of evaluation apart.
//
// The formulas are the windows' own programs (core/formula.h): each
// calculator window's Calculate (qv::windows::all()) and each row of the main
// window's panel (qv::windows::mainPanel). From each step's expression tree
// it makes every other order and grouping of the same operations: a product
// or a sum of several terms re-associated and commuted, the division of a
// product by a constant (7, 21) moved to any earlier step (which folds
// constants such as 22/7 or 88/21), a repeated factor taken as a power (r × r
// as r ^ 2, r × r × r as r ^ 3), the factorial's factors taken from n down or
// in a balanced tree. A division by a power of two is exact wherever it
// stands, and is not moved. A helper value is part of the formulas that use
// it, so its other orders are tried together with theirs (Heron's s with the
// area); a result that a later formula uses (the cone's slant height) is
// tried on its own, and is told apart in any result that shows it.
//
// Every order is evaluated with the field value's operators, step by step as
// the window evaluates it, and shown with the number display text (15
// digits, full stop). The written order is evaluated that way too, and
// checked against what the program itself writes (formula::run) for every
// input tried, so that the trees are the program's.
//
// For each window it tries short decimals a user would type (up to four
// significant digits for one input, up to three for several; longer ones
// only where no short one tells an order apart) and prints a few inputs that
// together show, in one of the window's results, another text than the
// written order under every other order of any of its formulas: one input
// where one does it, else the input that tells most first. An order that no
// input tried tells apart is printed as such.
//
//   quorvane_orders                       every window
//   quorvane_orders NAME                  the windows whose name starts so (frmvsph, frmv)
//   quorvane_orders NAME INPUT...         what the written orders show for these inputs, and
//                                         the other orders that show the same
#include "failure.h"
#include "fieldvalue.h"
#include "formula.h"
#include "numbertext.h"
#include "panel.h"
#include "windows.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

using qv::FieldValue;
using qv::formula::Field;
using qv::formula::Node;
using qv::formula::Op;
using qv::formula::Program;

namespace {

const qv::NumberLocale locale = qv::NumberLocale::fullStop();

// ---------------------------------------------------------------------------
// A step's expression as a tree, and its other orders.

// How a factorial multiplies its factors: 1.0 × 1 × 2 × … × n in turn as
// written, from n down, or in a balanced tree of products.
enum class Factors { Written, Down, Balanced };

struct Tree;
using T = std::shared_ptr<const Tree>;

struct Tree {
    Op op;
    T a, b;
    double number = 0;     // Integer, Double
    std::size_t step = 0;  // Lenient, Text, Let, Write: the value of that earlier step, by its node
    Factors factors = Factors::Written;
};

bool isStep(Op op) { return op == Op::Lenient || op == Op::Text || op == Op::Let || op == Op::Write; }

T binary(Op op, T a, T b) { return std::make_shared<Tree>(Tree{op, std::move(a), std::move(b)}); }
T integer(int value) { return std::make_shared<Tree>(Tree{Op::Integer, {}, {}, double(value)}); }

// The tree of a node's expression; an earlier step stands as a leaf.
T tree(Program program, std::size_t i, bool top = true)
{
    const Node& n = program[i];
    if (isStep(n.op) && !top)
        return std::make_shared<Tree>(Tree{n.op, {}, {}, 0, i});
    if (n.op == Op::Let || n.op == Op::Write)
        return tree(program, std::size_t(n.a), false);
    const T a = n.a >= 0 ? tree(program, std::size_t(n.a), false) : nullptr;
    const T b = n.b >= 0 ? tree(program, std::size_t(n.b), false) : nullptr;
    return std::make_shared<Tree>(Tree{n.op, a, b, n.number});
}

// The operands of a chain of the same operator, (a op b) op c, in order.
void chain(const T& t, Op op, std::vector<T>& out)
{
    if (t->op == op) {
        chain(t->a, op, out);
        chain(t->b, op, out);
    } else {
        out.push_back(t);
    }
}

// Every choice of one tree from each list.
std::vector<std::vector<T>> choices(const std::vector<std::vector<T>>& lists)
{
    std::vector<std::vector<T>> out{{}};
    for (const std::vector<T>& list : lists) {
        std::vector<std::vector<T>> next;
        for (const std::vector<T>& partial : out)
            for (const T& t : list) {
                next.push_back(partial);
                next.back().push_back(t);
            }
        out = std::move(next);
    }
    return out;
}

// Every grouping of op (+ or ×) over the operands, in any order, each once.
std::vector<T> groupings(const std::vector<T>& operands, Op op)
{
    std::function<std::vector<T>(unsigned)> over = [&](unsigned mask) -> std::vector<T> {
        if ((mask & (mask - 1)) == 0)
            return {operands[std::size_t(std::countr_zero(mask))]};
        std::vector<T> out;
        const unsigned lowest = mask & -mask;
        for (unsigned part = (mask - 1) & mask; part; part = (part - 1) & mask)
            if ((part & lowest) && part != mask)
                for (const T& x : over(part))
                    for (const T& y : over(mask ^ part))
                        out.push_back(binary(op, x, y));
        return out;
    };
    return over((1u << operands.size()) - 1);
}

// The tree divided by d at each of its places: the division last, after any
// product, or on a constant (22 ÷ 7) or a value.
std::vector<T> dividedSomewhere(const T& t, const T& d)
{
    std::vector<T> out{binary(Op::Divide, t, d)};
    if (t->a)
        for (const T& x : dividedSomewhere(t->a, d))
            out.push_back(std::make_shared<Tree>(Tree{t->op, x, t->b, t->number, t->step, t->factors}));
    if (t->b)
        for (const T& x : dividedSomewhere(t->b, d))
            out.push_back(binary(t->op, t->a, x));
    return out;
}

// The factors, and the same with a value that repeats taken as one power of
// it (r, r, r as r ^ 2, r or as r ^ 3).
std::vector<std::vector<T>> withPowers(const std::vector<T>& factors)
{
    std::vector<std::vector<T>> out{factors};
    std::map<std::size_t, std::vector<std::size_t>> same;
    for (std::size_t i = 0; i < factors.size(); ++i)
        if (isStep(factors[i]->op))
            same[factors[i]->step].push_back(i);
    for (const auto& [step, at] : same)
        for (std::size_t k = 2; k <= at.size(); ++k) {
            std::vector<T> fewer;
            for (std::size_t i = 0; i < factors.size(); ++i)
                if (std::find(at.begin(), at.begin() + std::ptrdiff_t(k), i) == at.begin() + std::ptrdiff_t(k))
                    fewer.push_back(factors[i]);
            fewer.push_back(binary(Op::Power, factors[at[0]], integer(int(k))));
            out.push_back(fewer);
        }
    return out;
}

// A divisor that is exact wherever it stands: a power of two.
bool exact(const T& d)
{
    int e = 0;
    return d->op == Op::Integer && std::frexp(d->number, &e) == 0.5;
}

// Every order and grouping of the tree's operations, the written one among them.
std::vector<T> orders(const T& t)
{
    if (!t->a)
        return {t};
    if (t->op == Op::Factorial) {
        std::vector<T> out;
        for (const T& n : orders(t->a))
            for (Factors f : {Factors::Written, Factors::Down, Factors::Balanced})
                out.push_back(std::make_shared<Tree>(Tree{Op::Factorial, n, nullptr, 0, 0, f}));
        return out;
    }
    // A product, perhaps divided by a constant: its factors in any grouping,
    // a repeated one perhaps as a power, the division at any place.
    const bool divided = t->op == Op::Divide && t->a->op == Op::Multiply && t->b->op == Op::Integer && !exact(t->b);
    if (t->op == Op::Multiply || divided) {
        std::vector<T> factors;
        chain(divided ? t->a : t, Op::Multiply, factors);
        std::vector<std::vector<T>> each;
        for (const T& f : factors)
            each.push_back(orders(f));
        std::vector<T> out;
        for (const std::vector<T>& chosen : choices(each))
            for (const std::vector<T>& f : withPowers(chosen))
                for (const T& p : groupings(f, Op::Multiply)) {
                    if (!divided)
                        out.push_back(p);
                    else
                        for (const T& x : dividedSomewhere(p, t->b))
                            out.push_back(x);
                }
        return out;
    }
    // A sum: its terms in any grouping.
    if (t->op == Op::Add) {
        std::vector<T> terms;
        chain(t, Op::Add, terms);
        std::vector<std::vector<T>> each;
        for (const T& term : terms)
            each.push_back(orders(term));
        std::vector<T> out;
        for (const std::vector<T>& chosen : choices(each))
            for (const T& s : groupings(chosen, Op::Add))
                out.push_back(s);
        return out;
    }
    // Any other operation: its operands' orders.
    std::vector<T> out;
    for (const T& a : orders(t->a))
        for (const T& b : orders(t->b))
            out.push_back(binary(t->op, a, b));
    return out;
}

// ---------------------------------------------------------------------------
// A window's formulas, and the other orders of them.

using Inputs = std::vector<std::string>;

// The trees of the steps that compute (helper values and results), by node:
// the written ones, or another order of some.
using Trees = std::map<std::size_t, T>;

struct Other {
    std::string what;
    Trees trees; // the steps evaluated in another order
};

struct Unit {
    std::string name;
    Program program;
    std::vector<const Field*> inputs;  // the fields it reads, in order
    std::vector<const Field*> results; // the fields it writes, in order
    std::vector<std::size_t> steps;    // the nodes of its reads, helper values and results
    Trees written;
    bool counts = false; // it takes a factorial: its input is a whole number
    std::vector<Other> others;

    // The text of the field in the inputs.
    const std::string& text(const Inputs& in, const Field& field) const
    {
        for (std::size_t k = 0; k < inputs.size(); ++k)
            if (std::strcmp(inputs[k]->name, field.name) == 0)
                return in[k];
        std::abort();
    }
    const char* words(std::size_t step) const
    {
        const Node& n = program[step];
        return n.op == Op::Let ? n.words : n.field->words;
    }
};

FieldValue factorial(const FieldValue& n, Factors factors)
{
    switch (factors) {
    case Factors::Written: {
        FieldValue f = 1.0;
        qv::countedLoop(FieldValue(1), n, [&f](const FieldValue& k) { f = (f * k).toDouble(); });
        return f;
    }
    case Factors::Down: {
        FieldValue f = 1.0;
        for (int k = int(n.toDouble()); k >= 1; --k)
            f = f * FieldValue(k);
        return f;
    }
    case Factors::Balanced: {
        std::function<FieldValue(int, int)> range = [&](int from, int to) -> FieldValue {
            if (from == to)
                return FieldValue(double(from));
            const FieldValue low = range(from, (from + to) / 2);
            return low * range((from + to) / 2 + 1, to);
        };
        const int last = int(n.toDouble());
        return last < 1 ? FieldValue(1.0) : range(1, last);
    }
    }
    return {};
}

// The tree's value, each operation one step of the field value's arithmetic,
// its left operand first.
FieldValue evaluate(const Tree& t, const std::vector<FieldValue>& values)
{
    switch (t.op) {
    case Op::Integer:
        return FieldValue(int(t.number));
    case Op::Double:
        return FieldValue(t.number);
    case Op::Factorial:
        return factorial(evaluate(*t.a, values), t.factors);
    case Op::Add:
    case Op::Subtract:
    case Op::Multiply:
    case Op::Divide:
    case Op::Power: {
        const FieldValue a = evaluate(*t.a, values);
        const FieldValue b = evaluate(*t.b, values);
        switch (t.op) {
        case Op::Add:
            return a + b;
        case Op::Subtract:
            return a - b;
        case Op::Multiply:
            return a * b;
        case Op::Divide:
            return a / b;
        default:
            return qv::power(a, b);
        }
    }
    default:
        return values[t.step];
    }
}

std::string failed(const qv::Failure& failure)
{
    return std::string("(").append(qv::name(failure.kind())).append(")");
}

// What the window shows for the inputs with these trees: the number display
// texts of its results as far as it gets, and the failure that stops it.
std::vector<std::string> shown(const Unit& u, const Trees& trees, const Inputs& in)
{
    std::vector<std::string> texts;
    std::vector<FieldValue> values(u.program.size());
    try {
        for (std::size_t i : u.steps) {
            const Node& n = u.program[i];
            if (n.op == Op::Lenient)
                values[i] = FieldValue(qv::readLenient(u.text(in, *n.field)));
            else if (n.op == Op::Text)
                values[i] = FieldValue::text(u.text(in, *n.field), locale, n.field->name);
            else {
                const auto other = trees.find(i);
                values[i] = evaluate(*(other != trees.end() ? other->second : u.written.at(i)), values);
                if (n.op == Op::Write)
                    texts.push_back(values[i].display(locale));
            }
        }
    } catch (const qv::Failure& failure) {
        texts.push_back(failed(failure));
    }
    return texts;
}

// What the program itself shows for the inputs.
class Sheet : public qv::formula::Sheet {
public:
    Sheet(const Unit& u, const Inputs& in) : unit_(u), in_(in) {}
    std::string text(const Field& field) const override { return unit_.text(in_, field); }
    void write(const Field&, const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;

private:
    const Unit& unit_;
    const Inputs& in_;
};

std::vector<std::string> shownByProgram(const Unit& u, const Inputs& in)
{
    Sheet sheet(u, in);
    const qv::formula::Outcome outcome = qv::formula::run(u.program, sheet, locale);
    if (outcome.failure)
        sheet.texts.push_back(failed(*outcome.failure));
    return sheet.texts;
}

// The written order, as the trees give it: the same as the program shows.
std::vector<std::string> asWritten(const Unit& u, const Inputs& in)
{
    std::vector<std::string> texts = shown(u, {}, in);
    if (texts != shownByProgram(u, in)) {
        std::fprintf(stderr, "%s: the trees read from the program show other texts than the program does\n",
                     u.name.c_str());
        std::exit(2);
    }
    return texts;
}

std::string number(const Tree& t)
{
    std::string s = qv::displayText(t.number, locale);
    if (t.op == Op::Double && s.find_first_not_of("-0123456789") == std::string::npos)
        s += ".0";
    return s;
}

// The tree as text, each operation in parentheses, in the order it is evaluated.
std::string written(const Unit& u, const T& t)
{
    const char* symbol[] = {" + ", " − ", " × ", " ÷ ", " ^ "};
    switch (t->op) {
    case Op::Integer:
    case Op::Double:
        return number(*t);
    case Op::Factorial:
        switch (t->factors) {
        case Factors::Written:
            return "1.0 × 1 × 2 × … × " + written(u, t->a) + ", in turn";
        case Factors::Down:
            return written(u, t->a) + " × (" + written(u, t->a) + " − 1) × … × 1";
        case Factors::Balanced:
            return "1 × 2 × … × " + written(u, t->a) + " in a balanced tree of products";
        }
        return {};
    case Op::Add:
    case Op::Subtract:
    case Op::Multiply:
    case Op::Divide:
    case Op::Power:
        return "(" + written(u, t->a) + symbol[int(t->op) - int(Op::Add)] + written(u, t->b) + ")";
    default:
        return u.words(t->step);
    }
}

// The same text for two trees that are the same computation: the operands
// of + and × in a fixed order, since a + b and b + a give the same double; a
// helper value written out, since it is part of the formula.
std::string canonical(const Unit& u, const Trees& trees, const T& t)
{
    switch (t->op) {
    case Op::Integer:
    case Op::Double:
        return number(*t);
    case Op::Factorial:
        return "fact" + std::to_string(int(t->factors)) + "(" + canonical(u, trees, t->a) + ")";
    case Op::Add:
    case Op::Subtract:
    case Op::Multiply:
    case Op::Divide:
    case Op::Power: {
        std::string a = canonical(u, trees, t->a);
        std::string b = canonical(u, trees, t->b);
        if ((t->op == Op::Add || t->op == Op::Multiply) && b < a)
            std::swap(a, b);
        return "(" + a + char('0' + int(t->op)) + b + ")";
    }
    case Op::Let: {
        const auto other = trees.find(t->step);
        return "[" + canonical(u, trees, other != trees.end() ? other->second : u.written.at(t->step)) + "]";
    }
    default:
        return "#" + std::to_string(t->step);
    }
}

// The whole computation, the same for two sets of trees that compute alike.
std::string canonical(const Unit& u, const Trees& trees)
{
    std::string key;
    for (std::size_t i : u.steps)
        if (u.program[i].op == Op::Write) {
            const auto other = trees.find(i);
            key += canonical(u, trees, other != trees.end() ? other->second : u.written.at(i)) + ";";
        }
    return key;
}

// The helper values a tree uses, and those their trees use, in node order.
void helpers(const Unit& u, const T& t, std::set<std::size_t>& out)
{
    if (t->op == Op::Let && out.insert(t->step).second)
        helpers(u, u.written.at(t->step), out);
    if (t->a)
        helpers(u, t->a, out);
    if (t->b)
        helpers(u, t->b, out);
}

Unit unit(const char* name, Program program)
{
    Unit u{name, program, qv::formula::inputs(program), qv::formula::results(program), {}, {}, false, {}};
    for (std::size_t i = 0; i < program.size(); ++i) {
        if (!isStep(program[i].op))
            continue;
        u.steps.push_back(i);
        if (program[i].op == Op::Let || program[i].op == Op::Write)
            u.written[i] = tree(program, i);
    }
    for (const Node& n : program)
        u.counts = u.counts || n.op == Op::Factorial;
    // Each result's formula in every other order, together with every other
    // order of the helper values it uses.
    std::set<std::string> seen{canonical(u, {})};
    for (std::size_t w : u.steps) {
        if (program[w].op != Op::Write)
            continue;
        std::set<std::size_t> lets;
        helpers(u, u.written.at(w), lets);
        std::vector<std::size_t> changed{w};
        changed.insert(changed.end(), lets.begin(), lets.end());
        std::vector<std::vector<T>> each;
        for (std::size_t s : changed)
            each.push_back(orders(u.written.at(s)));
        for (const std::vector<T>& chosen : choices(each)) {
            Trees trees;
            for (std::size_t k = 0; k < changed.size(); ++k)
                trees[changed[k]] = chosen[k];
            if (!seen.insert(canonical(u, trees)).second)
                continue;
            std::string what = std::string(program[w].field->name) + ": " + written(u, chosen[0]);
            for (std::size_t k = 1; k < changed.size(); ++k)
                what += (k == 1 ? ", where " : ", ") + std::string(u.words(changed[k])) + " = " + written(u, chosen[k]);
            u.others.push_back({what, trees});
        }
    }
    return u;
}

std::vector<Unit> units()
{
    std::vector<Unit> all;
    for (const qv::windows::CalculatorWindow* w : qv::windows::all())
        all.push_back(unit(w->design.name, w->calculate.Click));
    for (const qv::windows::PanelRow& row : qv::windows::mainPanel.rows)
        all.push_back(unit(qv::windows::mainPanel.design.name, row.formula));
    return all;
}

// ---------------------------------------------------------------------------
// Inputs, and the search.

// Decimals with up to `digits` significant digits, below 10^digits, with up
// to `decimals` places: the simplest first (fewer digits, then shorter).
std::vector<std::string> decimals(int digits, int decimals)
{
    std::vector<std::string> out;
    int top = 1;
    for (int i = 0; i < digits; ++i)
        top *= 10;
    for (int m = 1; m < top; ++m)
        for (int places = 0; places <= decimals; ++places) {
            std::string s = std::to_string(m);
            if (places > 0) {
                if (m % 10 == 0)
                    continue; // the same as fewer places
                if (int(s.size()) <= places)
                    s = std::string(std::size_t(places + 1) - s.size(), '0') + s;
                const std::size_t whole = s.size() - std::size_t(places);
                s = s.substr(0, whole) + "." + s.substr(whole);
            }
            out.push_back(s);
        }
    const auto significant = [](const std::string& s) {
        std::string d;
        for (char c : s)
            if (c != '.')
                d += c;
        d.erase(0, d.find_first_not_of('0'));
        d.erase(d.find_last_not_of('0') + 1);
        return d.size();
    };
    std::stable_sort(out.begin(), out.end(), [&](const std::string& a, const std::string& b) {
        return std::pair(significant(a), a.size()) < std::pair(significant(b), b.size());
    });
    return out;
}

// The inputs to try first: short decimals.
std::vector<Inputs> shortInputs(const Unit& u)
{
    std::vector<Inputs> out;
    if (u.counts) {
        for (int n = 1; n <= 170; ++n)
            out.push_back({std::to_string(n)});
        return out;
    }
    if (u.inputs.size() == 1) {
        for (const std::string& s : decimals(4, 4))
            out.push_back({s});
        return out;
    }
    // Several inputs: every pair of the simplest, then a fixed random sample.
    const std::vector<std::string> simple = decimals(2, 1);
    const std::vector<std::string> pool = decimals(3, 2);
    if (u.inputs.size() == 2)
        for (const std::string& a : simple)
            for (const std::string& b : simple)
                out.push_back({a, b});
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<std::size_t> pick(0, pool.size() - 1);
    for (int i = 0; i < 200000; ++i) {
        Inputs in;
        for (std::size_t k = 0; k < u.inputs.size(); ++k)
            in.push_back(pool[pick(random)]);
        out.push_back(in);
    }
    return out;
}

// The inputs to try where short ones tell some order from the written one
// by no digit: a product without a division shows every digit of the exact
// result of short inputs, whatever the order, so only longer inputs (five to
// nine significant digits) can show the difference.
std::vector<Inputs> longInputs(const Unit& u)
{
    std::vector<Inputs> out;
    if (u.counts)
        return out;
    std::mt19937_64 random(20261208);
    for (int digits = 5; digits <= 9; ++digits) {
        std::uniform_int_distribution<long> mantissa(1, 9);
        std::uniform_int_distribution<int> point(0, digits - 1);
        for (int i = 0; i < 20000; ++i) {
            Inputs in;
            for (std::size_t k = 0; k < u.inputs.size(); ++k) {
                std::string s;
                for (int d = 0; d < digits; ++d)
                    s += char('0' + (d == 0 || d == digits - 1 ? mantissa(random) : mantissa(random) % 10));
                const int whole = digits - point(random); // digits before the point
                if (whole < digits)
                    s = s.substr(0, std::size_t(whole)) + "." + s.substr(std::size_t(whole));
                in.push_back(s);
            }
            out.push_back(in);
        }
    }
    return out;
}

std::string described(const Unit& u, const Inputs& in)
{
    std::string s;
    for (std::size_t i = 0; i < in.size(); ++i)
        s += (i ? ", " : "") + std::string(u.inputs[i]->words) + " = " + in[i];
    s += " shows";
    const std::vector<std::string> texts = asWritten(u, in);
    for (std::size_t i = 0; i < texts.size(); ++i)
        s += (i ? ", " : " ") + (i < u.results.size() ? std::string(u.results[i]->name) + " " : "") + texts[i];
    return s;
}

void header(const Unit& u)
{
    std::printf("%s:\n", u.name.c_str());
    for (const Field* r : u.results)
        std::printf("  %s: %s\n", r->name, qv::formula::formulaText(u.program, *r).c_str());
}

void search(const Unit& u)
{
    header(u);
    if (u.others.empty()) {
        std::printf("  nothing to reorder\n\n");
        return;
    }
    std::printf("  %zu other orders\n", u.others.size());
    // For each input, the other orders it tells from the written one.
    struct Tried {
        Inputs in;
        std::vector<bool> tells;
    };
    std::vector<Tried> tried;
    std::vector<bool> toldApart(u.others.size(), false);
    const auto tryAll = [&](const std::vector<Inputs>& inputs) {
        for (const Inputs& in : inputs) {
            const std::vector<std::string> texts = asWritten(u, in);
            if (texts.size() != u.results.size() || texts.back().starts_with("("))
                continue;
            Tried t{in, std::vector<bool>(u.others.size())};
            bool any = false;
            for (std::size_t i = 0; i < u.others.size(); ++i)
                if (shown(u, u.others[i].trees, in) != texts)
                    any = toldApart[i] = t.tells[i] = true;
            if (any)
                tried.push_back(std::move(t));
        }
    };
    tryAll(shortInputs(u));
    if (std::find(toldApart.begin(), toldApart.end(), false) != toldApart.end())
        tryAll(longInputs(u));
    // The fewest inputs that together tell every order apart that any input
    // does (greedy; the simplest input where several tell as many).
    std::vector<bool> left = toldApart;
    while (std::find(left.begin(), left.end(), true) != left.end()) {
        const Tried* best = nullptr;
        std::size_t bestCount = 0;
        for (const Tried& t : tried) {
            std::size_t count = 0;
            for (std::size_t i = 0; i < left.size(); ++i)
                count += left[i] && t.tells[i];
            if (count > bestCount) {
                best = &t;
                bestCount = count;
            }
        }
        const std::size_t tells = std::size_t(std::count(best->tells.begin(), best->tells.end(), true));
        std::printf("  %s; other orders told apart: %zu\n", described(u, best->in).c_str(), tells);
        for (std::size_t i = 0; i < left.size(); ++i)
            left[i] = left[i] && !best->tells[i];
    }
    for (std::size_t i = 0; i < u.others.size(); ++i)
        if (!toldApart[i])
            std::printf("  no input tried tells this order apart: %s\n", u.others[i].what.c_str());
    std::printf("\n");
}

void check(const Unit& u, const Inputs& in)
{
    header(u);
    std::printf("  %s\n", described(u, in).c_str());
    const std::vector<std::string> texts = asWritten(u, in);
    std::size_t same = 0;
    for (const Other& o : u.others)
        if (shown(u, o.trees, in) == texts) {
            ++same;
            std::printf("  the same in %s\n", o.what.c_str());
        }
    std::printf("  other orders told apart: %zu of %zu\n\n", u.others.size() - same, u.others.size());
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string wanted = argc > 1 ? argv[1] : "";
    const Inputs given(argv + std::min(argc, 2), argv + argc);
    for (const Unit& u : units()) {
        if (!u.name.starts_with(wanted))
            continue;
        if (given.empty())
            search(u);
        else if (given.size() == u.inputs.size())
            check(u, given);
    }
    return 0;
}
