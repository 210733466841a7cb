// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Finds inputs whose shown digits tell a formula's order of evaluation apart.
//
// Each formula of the calculator windows (and the factorial of the main
// window's panel) is written here twice: in the order the window evaluates it,
// and as every other order and grouping of the same steps: products and sums
// re-associated and commuted, the division by 7 or 21 moved to any earlier
// step (which folds constants such as 22/7 or 88/21), a repeated factor taken
// as a power (r * r as r ^ 2, r * r * r as r ^ 3). They are evaluated with the
// field value's operators, as the windows evaluate them, and shown with the
// number display text (15 digits, full stop).
//
// For each window it tries short decimals a user would type (up to four
// significant digits for one input, up to three for several; longer ones
// only where no short one tells an order apart) and prints a few inputs that
// together show, in one of the window's results, another text than the
// written order under every other order of any of its formulas: one input
// where one does it, else the input that tells most first. An order that no
// input tried tells apart is printed as such (a division by 2 is exact, and
// is not moved for that reason). A formula whose result another formula
// uses (the cone's slant height) is told apart in either result.
//
//   quorvane_orders                       every window
//   quorvane_orders NAME                  the windows whose name starts so (frmvsph, frmv)
//   quorvane_orders NAME INPUT...         what the written orders show for these inputs, and
//                                         the other orders that show the same
#include "failure.h"
#include "fieldvalue.h"
#include "numbertext.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

using qv::FieldValue;

namespace {

const qv::NumberLocale locale = qv::NumberLocale::fullStop();

// ---------------------------------------------------------------------------
// Formulas as trees of field value operations.

struct Node;
using E = std::shared_ptr<const Node>;

struct Node {
    char op;          // 'v' an input, 'c' a constant, else + - * / ^
    std::string name; // of an input or constant
    int input = -1;
    FieldValue constant;
    E a, b;
};

E input(int index, const char* name) { return std::make_shared<Node>(Node{'v', name, index, {}, {}, {}}); }
E constant(int value) { return std::make_shared<Node>(Node{'c', std::to_string(value), -1, FieldValue(value), {}, {}}); }
E constant(double value, const char* name)
{
    return std::make_shared<Node>(Node{'c', name, -1, FieldValue(value), {}, {}});
}
E node(char op, E a, E b) { return std::make_shared<Node>(Node{op, {}, -1, {}, std::move(a), std::move(b)}); }
E operator+(E a, E b) { return node('+', std::move(a), std::move(b)); }
E operator-(E a, E b) { return node('-', std::move(a), std::move(b)); }
E operator*(E a, E b) { return node('*', std::move(a), std::move(b)); }
E operator/(E a, E b) { return node('/', std::move(a), std::move(b)); }
E power(E a, E b) { return node('^', std::move(a), std::move(b)); }

FieldValue evaluate(const E& e, const std::vector<FieldValue>& inputs)
{
    switch (e->op) {
    case 'v': return inputs[std::size_t(e->input)];
    case 'c': return e->constant;
    case '+': return evaluate(e->a, inputs) + evaluate(e->b, inputs);
    case '-': return evaluate(e->a, inputs) - evaluate(e->b, inputs);
    case '*': return evaluate(e->a, inputs) * evaluate(e->b, inputs);
    case '/': return evaluate(e->a, inputs) / evaluate(e->b, inputs);
    default: return qv::power(evaluate(e->a, inputs), evaluate(e->b, inputs));
    }
}

// The formula as text, in the order it is evaluated.
std::string written(const E& e)
{
    if (!e->a)
        return e->name;
    const char* op = e->op == '*' ? " × " : e->op == '/' ? " ÷ " : e->op == '+' ? " + " : e->op == '-' ? " − " : " ^ ";
    std::string text = "(";
    text += written(e->a);
    text += op;
    text += written(e->b);
    text += ")";
    return text;
}

// The same text for two trees that are the same computation: the operands of
// + and * are in a fixed order, since a + b and b + a give the same double.
std::string canonical(const E& e)
{
    if (!e->a)
        return e->name;
    std::string a = canonical(e->a);
    std::string b = canonical(e->b);
    if ((e->op == '+' || e->op == '*') && b < a)
        std::swap(a, b);
    return "(" + a + e->op + b + ")";
}

// Every grouping of op (+ or *) over the operands, each once.
std::vector<E> groupings(const std::vector<E>& operands, char op)
{
    std::function<std::vector<E>(unsigned)> over = [&](unsigned mask) -> std::vector<E> {
        if ((mask & (mask - 1)) == 0)
            return {operands[std::size_t(std::countr_zero(mask))]};
        std::vector<E> out;
        const unsigned lowest = mask & -mask;
        for (unsigned part = (mask - 1) & mask; part; part = (part - 1) & mask)
            if ((part & lowest) && part != mask)
                for (const E& x : over(part))
                    for (const E& y : over(mask ^ part))
                        out.push_back(node(op, x, y));
        return out;
    };
    return over((1u << operands.size()) - 1);
}

// The tree with its node at one place divided by d, for every place: the
// division last, after any product, or on a constant (22 ÷ 7) or an input.
std::vector<E> dividedSomewhere(const E& e, const E& d)
{
    std::vector<E> out{e / d};
    if (e->a) {
        for (const E& x : dividedSomewhere(e->a, d))
            out.push_back(node(e->op, x, e->b));
        for (const E& x : dividedSomewhere(e->b, d))
            out.push_back(node(e->op, e->a, x));
    }
    return out;
}

// The factors, and the same with a factor that repeats taken as one power of
// it (r, r, r as r ^ 2, r or as r ^ 3).
std::vector<std::vector<E>> withPowers(const std::vector<E>& factors)
{
    std::vector<std::vector<E>> out{factors};
    std::map<std::string, std::vector<std::size_t>> same;
    for (std::size_t i = 0; i < factors.size(); ++i)
        if (factors[i]->op == 'v')
            same[factors[i]->name].push_back(i);
    for (const auto& [name, at] : same)
        for (std::size_t k = 2; k <= at.size(); ++k) {
            std::vector<E> fewer;
            for (std::size_t i = 0; i < factors.size(); ++i)
                if (std::find(at.begin(), at.begin() + std::ptrdiff_t(k), i) == at.begin() + std::ptrdiff_t(k))
                    fewer.push_back(factors[i]);
            fewer.push_back(power(factors[at[0]], constant(int(k))));
            out.push_back(fewer);
        }
    return out;
}

// Every order of a product of the factors divided by d (d may be null).
std::vector<E> products(const std::vector<E>& factors, const E& d)
{
    std::vector<E> out;
    for (const std::vector<E>& f : withPowers(factors))
        for (const E& p : groupings(f, '*')) {
            if (!d)
                out.push_back(p);
            else
                for (const E& x : dividedSomewhere(p, d))
                    out.push_back(x);
        }
    return out;
}

// ---------------------------------------------------------------------------
// The windows and their formulas.

struct Order {
    std::string text;
    std::function<FieldValue(const std::vector<FieldValue>&)> value;
};

Order order(const E& e)
{
    return {written(e), [e](const std::vector<FieldValue>& v) { return evaluate(e, v); }};
}

// A window's results in the order it writes them, each in its written order,
// and the other orders of its formulas. A formula evaluated in another order
// changes its result and the results computed from it, which show that too.
struct Window {
    std::string name;
    std::vector<std::string> inputs;
    bool strict; // the inputs' texts take part themselves (else lenient readings)
    std::vector<std::string> results;
    std::vector<Order> writtenOrders;
    bool integers = false; // the input is a count (the factorial): whole numbers only
    struct Other {
        std::string what;
        std::vector<Order> shows; // the window's results with that other order
    };
    std::vector<Other> others;

    // Formula k in each other order, besides the written one, with every
    // other result as written.
    void otherOrders(std::size_t k, const std::vector<E>& alternatives)
    {
        for (const E& e : alternatives) {
            Other o{results[k] + ": " + written(e), writtenOrders};
            o.shows[k] = order(e);
            others.push_back(o);
        }
    }
};

// The trees that are another computation than the written one, each once.
std::vector<E> otherThan(const E& writtenOrder, const std::vector<E>& trees)
{
    std::vector<E> out;
    std::set<std::string> seen{canonical(writtenOrder)};
    for (const E& e : trees)
        if (seen.insert(canonical(e)).second)
            out.push_back(e);
    return out;
}

// k * v1 * v2 ... / d as written, ((k * v1) * v2) ... / d.
E writtenProduct(const std::vector<E>& factors, const E& d)
{
    E w = factors[0];
    for (std::size_t i = 1; i < factors.size(); ++i)
        w = w * factors[i];
    return d ? w / d : w;
}

// A window whose results are each a product of its factors divided by d
// (d may be null), in the written order or any other.
Window productWindow(std::string name, std::vector<std::string> inputs, bool strict, std::vector<std::string> results,
                const std::vector<std::pair<std::vector<E>, E>>& formulas)
{
    Window w{std::move(name), std::move(inputs), strict, std::move(results), {}, false, {}};
    for (const auto& [factors, d] : formulas)
        w.writtenOrders.push_back(order(writtenProduct(factors, d)));
    for (std::size_t k = 0; k < formulas.size(); ++k) {
        const auto& [factors, d] = formulas[k];
        w.otherOrders(k, otherThan(writtenProduct(factors, d), products(factors, d)));
    }
    return w;
}

std::vector<Window> windows()
{
    std::vector<Window> all;
    const E half = constant(1.0, "1.0") / constant(2.0, "2.0");
    const E third = constant(1.0, "1.0") / constant(3.0, "3.0");
    const E x = input(0, "x");
    const auto one = [](std::string name, std::vector<std::string> inputs, bool strict, std::string result,
                        const E& writtenOrder, const std::vector<E>& others) {
        Window w{std::move(name), std::move(inputs), strict, {std::move(result)}, {order(writtenOrder)}, false, {}};
        w.otherOrders(0, otherThan(writtenOrder, others));
        return w;
    };

    // One operation each: nothing to reorder.
    all.push_back(one("frmdiv", {"a", "b"}, false, "txt3", input(0, "a") / input(1, "b"), {}));
    all.push_back(one("frmsqroot", {"x"}, false, "txt2", power(x, half), {}));
    all.push_back(one("frmcroot", {"x"}, false, "txt2", power(x, third), {}));
    // A square, which might be taken as a power.
    all.push_back(productWindow("frmsquare", {"s"}, true, {"txt2"}, {{{input(0, "s"), input(0, "s")}, nullptr}}));
    all.push_back(one("frmrect", {"l", "b"}, true, "txt3", input(0, "l") * input(1, "b"), {}));
    // Heron's formula: the half perimeter ((a + b) + c) / 2 in any order of
    // its sum (a division by 2 is exact wherever it stands), then the product
    // s * (((s - a) * (s - b)) * (s - c)) in any order and grouping.
    {
        const E a = input(0, "a"), b = input(1, "b"), c = input(2, "c");
        const E s = ((a + b) + c) / constant(2);
        std::vector<E> others;
        for (const E& sum : groupings({a, b, c}, '+')) {
            const E t = sum / constant(2);
            for (const E& p : groupings({t, t - a, t - b, t - c}, '*'))
                others.push_back(power(p, half));
        }
        all.push_back(
            one("frmtri", {"a", "b", "c"}, false, "txt4", power(s * (((s - a) * (s - b)) * (s - c)), half), others));
    }
    {
        const E r = input(0, "r");
        all.push_back(productWindow("frmcir", {"r"}, true, {"txt2", "txt3"},
                                    {{{constant(22), r, r}, constant(7)}, {{constant(44), r}, constant(7)}}));
    }
    // The squares of a sum of squares, each perhaps a power.
    const auto sumsOfSquares = [](const E& a, const E& b) {
        std::vector<E> out;
        for (const E& aa : {a * a, power(a, constant(2))})
            for (const E& bb : {b * b, power(b, constant(2))})
                out.push_back(aa + bb);
        return out;
    };
    {
        const E l = input(0, "l"), b = input(1, "b");
        std::vector<E> others;
        for (const E& sum : sumsOfSquares(l, b))
            others.push_back(power(sum, half));
        all.push_back(one("frmdia", {"l", "b"}, true, "txt3", power((l * l) + (b * b), half), others));
    }
    all.push_back(productWindow("frmcube", {"a"}, false, {"txt2"}, {{{constant(6), input(0, "a"), input(0, "a")}, nullptr}}));
    {
        // Length L, radius R: the total ((44 * R) * (L + R)) / 7, the lateral ((44 * L) * R) / 7.
        const E L = input(0, "L"), R = input(1, "R");
        all.push_back(productWindow("frmcyl", {"L", "R"}, false, {"txt3", "txt4"},
                               {{{constant(44), R, L + R}, constant(7)}, {{constant(44), L, R}, constant(7)}}));
    }
    {
        const E r = input(0, "r");
        all.push_back(productWindow("frmsph", {"r"}, false, {"txt2"}, {{{constant(88), r, r}, constant(7)}}));
        all.push_back(productWindow("frmhemi", {"r"}, false, {"txt2", "txt3"},
                               {{{constant(66), r, r}, constant(7)}, {{constant(44), r, r}, constant(7)}}));
    }
    // The cone: the slant l = ((r * r) + (h * h)) ^ (1.0 / 2.0), each square
    // perhaps a power, and the curved area ((22 * r) * l) / 7 and the total
    // ((22 * r) * (l + r)) / 7 computed from it; these two in any order.
    {
        const E r = input(0, "r"), h = input(1, "h");
        const auto curved = [&](const E& l) { return ((constant(22) * r) * l) / constant(7); };
        const auto total = [&](const E& l) { return ((constant(22) * r) * (l + r)) / constant(7); };
        const E l = power((r * r) + (h * h), half);
        Window w{"frmcone", {"r", "h"}, false, {"txt3", "txt4", "txt5"}, {order(l), order(curved(l)), order(total(l))}, false, {}};
        std::vector<E> slants;
        for (const E& sum : sumsOfSquares(r, h))
            slants.push_back(power(sum, half));
        for (const E& other : otherThan(l, slants))
            w.others.push_back({"txt3: " + written(other), {order(other), order(curved(other)), order(total(other))}});
        w.otherOrders(1, otherThan(curved(l), products({constant(22), r, l}, constant(7))));
        w.otherOrders(2, otherThan(total(l), products({constant(22), r, l + r}, constant(7))));
        all.push_back(w);
    }
    {
        const E v = input(0, "v");
        all.push_back(productWindow("frmvcube", {"v"}, false, {"txt4"}, {{{v, v, v}, nullptr}}));
        all.push_back(productWindow("frmvroom", {"l", "b", "h"}, false, {"txt4"},
                               {{{input(0, "l"), input(1, "b"), input(2, "h")}, nullptr}}));
        const E r = input(0, "r"), h = input(1, "h");
        all.push_back(productWindow("frmvcone", {"r", "h"}, false, {"txt3"}, {{{constant(22), r, r, h}, constant(21)}}));
        all.push_back(productWindow("frmvcyl", {"r", "h"}, false, {"txt3"}, {{{constant(22), r, r, h}, constant(7)}}));
        all.push_back(productWindow("frmvsph", {"r"}, false, {"txt2"}, {{{constant(88), r, r, r}, constant(21)}}));
        all.push_back(productWindow("frmvhemi", {"r"}, false, {"txt2"}, {{{constant(44), r, r, r}, constant(21)}}));
    }
    // The panel's factorial: 1.0 multiplied by 1, 2, 3 ... n in turn; the
    // same factors from n down, and in a balanced tree of products.
    {
        const auto up = [](const std::vector<FieldValue>& v) {
            FieldValue f(1.0);
            qv::countedLoop(FieldValue(1), v[0], [&](const FieldValue& k) { f = FieldValue((f * k).toDouble()); });
            return f;
        };
        const auto down = [](const std::vector<FieldValue>& v) {
            FieldValue f(1.0);
            for (int k = int(v[0].toDouble()); k >= 1; --k)
                f = f * FieldValue(k);
            return f;
        };
        const auto balanced = [](const std::vector<FieldValue>& v) {
            std::function<FieldValue(int, int)> range = [&](int from, int to) -> FieldValue {
                return from == to ? FieldValue(double(from))
                                  : range(from, (from + to) / 2) * range((from + to) / 2 + 1, to);
            };
            const int n = int(v[0].toDouble());
            return n < 1 ? FieldValue(1.0) : range(1, n);
        };
        Window w{"frmquorvane", {"n"}, false, {"txt17"}, {{"1.0 × 1 × 2 × … × n, in turn", up}}, true,
                 {{"txt17: n × (n − 1) × … × 1", {{"", down}}}, {"txt17: a balanced tree of products", {{"", balanced}}}}};
        all.push_back(w);
    }
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

using Inputs = std::vector<std::string>;

// The inputs to try first: short decimals.
std::vector<Inputs> shortInputs(const Window& f)
{
    std::vector<Inputs> out;
    if (f.integers) {
        for (int n = 1; n <= 170; ++n)
            out.push_back({std::to_string(n)});
        return out;
    }
    if (f.inputs.size() == 1) {
        for (const std::string& s : decimals(4, 4))
            out.push_back({s});
        return out;
    }
    // Several inputs: every pair of the simplest, then a fixed random sample.
    const std::vector<std::string> simple = decimals(2, 1);
    const std::vector<std::string> pool = decimals(3, 2);
    if (f.inputs.size() == 2)
        for (const std::string& a : simple)
            for (const std::string& b : simple)
                out.push_back({a, b});
    std::mt19937_64 random(20261207);
    std::uniform_int_distribution<std::size_t> pick(0, pool.size() - 1);
    for (int i = 0; i < 200000; ++i) {
        Inputs in;
        for (std::size_t k = 0; k < f.inputs.size(); ++k)
            in.push_back(pool[pick(random)]);
        out.push_back(in);
    }
    return out;
}

// The inputs to try where short ones tell some order from the written one
// by no digit: a product without a division shows every digit of the exact
// result of short inputs, whatever the order, so only longer inputs (five to
// nine significant digits) can show the difference.
std::vector<Inputs> longInputs(const Window& f)
{
    std::vector<Inputs> out;
    if (f.integers)
        return out;
    std::mt19937_64 random(20261208);
    for (int digits = 5; digits <= 9; ++digits) {
        std::uniform_int_distribution<long> mantissa(1, 9);
        std::uniform_int_distribution<int> point(0, digits - 1);
        for (int i = 0; i < 20000; ++i) {
            Inputs in;
            for (std::size_t k = 0; k < f.inputs.size(); ++k) {
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

// What the window shows for the inputs in these orders: the number display
// texts of its results, or the failure that stops it.
std::vector<std::string> shown(const std::vector<Order>& orders, const Window& w, const Inputs& in)
{
    std::vector<std::string> texts;
    try {
        std::vector<FieldValue> values;
        for (std::size_t i = 0; i < in.size(); ++i)
            values.push_back(w.strict ? FieldValue::text(in[i], locale, w.inputs[i]) : FieldValue(qv::readLenient(in[i])));
        for (const Order& o : orders)
            texts.push_back(o.value(values).display(locale));
    } catch (const qv::Failure& failure) {
        texts.push_back(std::string("(").append(qv::name(failure.kind())).append(")"));
    }
    return texts;
}

std::string described(const Window& w, const Inputs& in)
{
    std::string s;
    for (std::size_t i = 0; i < in.size(); ++i)
        s += (i ? ", " : "") + w.inputs[i] + " = " + in[i];
    s += " shows";
    const std::vector<std::string> texts = shown(w.writtenOrders, w, in);
    for (std::size_t i = 0; i < texts.size(); ++i)
        s += (i ? ", " : " ") + w.results[i] + " " + texts[i];
    return s;
}

void search(const Window& w)
{
    std::printf("%s:", w.name.c_str());
    for (std::size_t i = 0; i < w.results.size(); ++i)
        std::printf("%s %s = %s", i ? "," : "", w.results[i].c_str(), w.writtenOrders[i].text.c_str());
    std::printf("\n");
    if (w.others.empty()) {
        std::printf("  one step, nothing to reorder\n\n");
        return;
    }
    std::printf("  %zu other orders\n", w.others.size());
    // For each input, the other orders it tells from the written one.
    struct Tried {
        Inputs in;
        std::vector<bool> tells;
    };
    std::vector<Tried> tried;
    std::vector<bool> toldApart(w.others.size(), false);
    const auto tryAll = [&](const std::vector<Inputs>& inputs) {
        for (const Inputs& in : inputs) {
            const std::vector<std::string> asWritten = shown(w.writtenOrders, w, in);
            if (asWritten.back().starts_with("("))
                continue;
            Tried t{in, std::vector<bool>(w.others.size())};
            bool any = false;
            for (std::size_t i = 0; i < w.others.size(); ++i)
                if (shown(w.others[i].shows, w, in) != asWritten)
                    any = toldApart[i] = t.tells[i] = true;
            if (any)
                tried.push_back(std::move(t));
        }
    };
    tryAll(shortInputs(w));
    if (std::find(toldApart.begin(), toldApart.end(), false) != toldApart.end())
        tryAll(longInputs(w));
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
        std::printf("  %s; other orders told apart: %zu\n", described(w, best->in).c_str(), tells);
        for (std::size_t i = 0; i < left.size(); ++i)
            left[i] = left[i] && !best->tells[i];
    }
    for (std::size_t i = 0; i < w.others.size(); ++i)
        if (!toldApart[i])
            std::printf("  no input tried tells this order apart: %s\n", w.others[i].what.c_str());
    std::printf("\n");
}

void check(const Window& w, const Inputs& in)
{
    std::printf("%s: %s\n", w.name.c_str(), described(w, in).c_str());
    const std::vector<std::string> asWritten = shown(w.writtenOrders, w, in);
    std::size_t same = 0;
    for (const Window::Other& o : w.others)
        if (shown(o.shows, w, in) == asWritten) {
            ++same;
            std::printf("  the same in %s\n", o.what.c_str());
        }
    std::printf("  other orders told apart: %zu of %zu\n\n", w.others.size() - same, w.others.size());
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string wanted = argc > 1 ? argv[1] : "";
    const Inputs given(argv + std::min(argc, 2), argv + argc);
    for (const Window& w : windows()) {
        if (!w.name.starts_with(wanted))
            continue;
        if (given.empty())
            search(w);
        else if (given.size() == w.inputs.size())
            check(w, given);
    }
    return 0;
}
