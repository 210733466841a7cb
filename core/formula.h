// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A formula said once. A window's Calculate is written as its steps: the
// fields it reads, the values it computes with the field value's operators,
// and the results it writes, in the order they are evaluated. The steps
// become a program, a constant array of nodes in evaluation order, and from
// that one source come the computation (run), the formula text of each
// result (formulaText), which result a failure was computing (computing),
// the fields read and written (inputs, results), and the trees the tools
// try other orders on.
//
// Written in a window's unit, the cone's Calculate reads:
//
//   constexpr Field txt1{"txt1", "radius"}, txt2{"txt2", "height"}, txt3{"txt3", "slant height"}, ...;
//   constexpr auto r = lenient(txt1);             // read the radius leniently
//   constexpr auto h = lenient(txt2);
//   constexpr auto l = write(txt3, power(r * r + h * h, real(1.0) / real(2.0)));
//   constexpr auto curved = write(txt4, ((22_pi * r) * l) / 7);  // the slant height written, then used
//   constexpr auto cmdcal_Click = steps(r, h, l, curved);
//
// Each operator is one step of the field value's arithmetic, its left
// operand evaluated before its right; nothing is folded or reordered. A
// field is named by its constant (txt1), so a misspelt name does not
// compile; a step used before it is evaluated stops the build too.
#pragma once

#include "failure.h"
#include "fieldvalue.h"
#include "numberlocale.h"
#include "numbertext.h"
#include "words.h"

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace qv::formula {

// A text field as the formulas know it: its name in the window's design
// table, and the words a formula text calls it by. It stands for its name
// wherever a name is wanted (in the design table, in Reset's list).
struct Field {
    const char* name;  // "txt1"
    const char* words; // "radius"
    constexpr operator const char*() const noexcept { return name; }
};

enum class Op : std::uint8_t {
    Integer,   // an integer constant written in the formula (integer16): 22, 7
    Double,    // a double constant: 1.0
    Lenient,   // the lenient reading of a field's text, a double
    Text,      // a field's text as a text value, read strictly where an operator needs a number
    Add,       // a + b
    Subtract,  // a - b
    Multiply,  // a * b
    Divide,    // a / b
    Power,     // a ^ b
    Factorial, // the double 1.0 multiplied in turn by every integer from 1 up to a (the counted loop)
    Let,       // a helper value, named in the formula text by its words ("s")
    Write,     // writes a's number display text into the field; its value is a's
    Clear,     // writes the empty text into the field
};

// One step of a program. Operands are earlier nodes, by index.
struct Node {
    Op op;
    std::int16_t a = -1;
    std::int16_t b = -1;
    double number = 0;            // Integer, Double
    bool pi = false;              // Integer: π folded in, taken as 22/7
    const Field* field = nullptr; // Lenient, Text, Write, Clear
    const char* words = nullptr;  // Let
};

// A program: its nodes in evaluation order.
using Program = std::span<const Node>;

// The functions a failed check calls. They are never defined: naming one in a
// constant evaluation is the compile error, and its name says what is wrong.
namespace formulaError {
void stepUsedBeforeItIsEvaluated(const char* words);
void stepListedTwice(const char* words);
void tooManySteps();
} // namespace formulaError

// ---------------------------------------------------------------- writing a formula

namespace build {

struct StepBase {
    Op op;
    const Field* field;
    const char* words;
    constexpr const char* named() const { return field ? field->name : words; }
};

// A value evaluated by an earlier step: the step's node, not evaluated again.
struct Ref {
    const StepBase* step;
    static constexpr int nodes = 0;
};

struct Constant {
    Op op;
    double number;
    bool pi = false;
    static constexpr int nodes = 1;
};

template <class L, class R>
struct Binary {
    Op op;
    L left;
    R right;
    static constexpr int nodes = L::nodes + R::nodes + 1;
};

template <class A>
struct Unary {
    Op op;
    A operand;
    static constexpr int nodes = A::nodes + 1;
};

// A read: the lenient reading of a field, or its text.
struct Read : StepBase {
    static constexpr int nodes = 1;
};

// A step with an expression: a write or a named helper value.
template <class E>
struct Step : StepBase {
    E expr;
    static constexpr int nodes = E::nodes + 1;
};

template <class T>
inline constexpr bool isExpression = false;
template <>
inline constexpr bool isExpression<Ref> = true;
template <>
inline constexpr bool isExpression<Constant> = true;
template <class L, class R>
inline constexpr bool isExpression<Binary<L, R>> = true;
template <class A>
inline constexpr bool isExpression<Unary<A>> = true;

template <class T>
concept StepLike = std::derived_from<T, StepBase>;
// What an operator takes: an expression, a step's value, or an integer constant.
template <class T>
concept Operand = isExpression<T> || StepLike<T> || std::same_as<T, int>;

template <class T>
constexpr auto operand(const T& x)
{
    if constexpr (StepLike<T>)
        return Ref{static_cast<const StepBase*>(&x)};
    else if constexpr (std::same_as<T, int>)
        return Constant{Op::Integer, double(x)};
    else
        return x;
}

template <class A, class B>
constexpr auto binary(Op op, const A& a, const B& b)
{
    return Binary<decltype(operand(a)), decltype(operand(b))>{op, operand(a), operand(b)};
}

// Two integers are C++'s own arithmetic; at least one side is the formula's.
template <class A, class B>
concept Operands = Operand<A> && Operand<B> && !(std::same_as<A, int> && std::same_as<B, int>);

template <class A, class B>
    requires Operands<A, B>
constexpr auto operator+(const A& a, const B& b)
{
    return binary(Op::Add, a, b);
}
template <class A, class B>
    requires Operands<A, B>
constexpr auto operator-(const A& a, const B& b)
{
    return binary(Op::Subtract, a, b);
}
template <class A, class B>
    requires Operands<A, B>
constexpr auto operator*(const A& a, const B& b)
{
    return binary(Op::Multiply, a, b);
}
template <class A, class B>
    requires Operands<A, B>
constexpr auto operator/(const A& a, const B& b)
{
    return binary(Op::Divide, a, b);
}

// Counts the program's nodes and lays them out in evaluation order.
template <std::size_t N>
struct Builder {
    std::array<Node, N> nodes{};
    std::array<const StepBase*, N> stepOf{}; // the step whose node each is, or nullptr
    int next = 0;

    constexpr int add(const Node& node, const StepBase* step = nullptr)
    {
        if (next >= 32767)
            formulaError::tooManySteps();
        nodes[std::size_t(next)] = node;
        stepOf[std::size_t(next)] = step;
        return next++;
    }
    constexpr std::int16_t place(const Ref& r)
    {
        for (int i = 0; i < next; ++i)
            if (stepOf[std::size_t(i)] == r.step)
                return std::int16_t(i);
        formulaError::stepUsedBeforeItIsEvaluated(r.step->named());
        return -1;
    }
    constexpr std::int16_t place(const Constant& c) { return std::int16_t(add(Node{c.op, -1, -1, c.number, c.pi})); }
    template <class L, class R>
    constexpr std::int16_t place(const Binary<L, R>& e)
    {
        const std::int16_t a = place(e.left);
        const std::int16_t b = place(e.right);
        return std::int16_t(add(Node{e.op, a, b}));
    }
    template <class A>
    constexpr std::int16_t place(const Unary<A>& e)
    {
        const std::int16_t a = place(e.operand);
        return std::int16_t(add(Node{e.op, a}));
    }
    constexpr void listed(const StepBase& s)
    {
        for (int i = 0; i < next; ++i)
            if (stepOf[std::size_t(i)] == &s)
                formulaError::stepListedTwice(s.named());
    }
    constexpr void step(const Read& s)
    {
        listed(s);
        add(Node{s.op, -1, -1, 0, false, s.field}, &s);
    }
    template <class E>
    constexpr void step(const Step<E>& s)
    {
        listed(s);
        const std::int16_t a = place(s.expr);
        add(Node{s.op, a, -1, 0, false, s.field, s.words}, &s);
    }
};

} // namespace build

// The nodes of a program, kept as a constant of the window's unit.
template <std::size_t N>
struct Steps {
    std::array<Node, N> nodes;
    constexpr operator Program() const noexcept { return nodes; }
};

// The lenient number reading of the field, taken when the step is evaluated.
consteval build::Read lenient(const Field& field) { return {{Op::Lenient, &field, nullptr}}; }
// The field's text as a text value: each operator it meets reads it strictly.
consteval build::Read text(const Field& field) { return {{Op::Text, &field, nullptr}}; }

// A double constant (1.0), as opposed to the integer constants written plainly (22).
consteval build::Constant real(double value) { return {Op::Double, value}; }

// An integer constant with π folded into it, π taken as 22/7: the 22 of
// ((22 × r) × r) ÷ 7, the 88 of 88 × r × r × r ÷ 21.
consteval build::Constant operator""_pi(unsigned long long value) { return {Op::Integer, double(value), true}; }

// base ^ exponent.
template <class A, class B>
    requires build::Operand<A> && build::Operand<B>
consteval auto power(const A& base, const B& exponent)
{
    return build::binary(Op::Power, base, exponent);
}

// The double 1.0 multiplied in turn by every integer k from 1 up to n, each
// product converted to a double: a fractional n counts as the integer below
// it, an n below 1 gives 1.
template <class A>
    requires build::Operand<A>
consteval auto factorial(const A& n)
{
    return build::Unary<decltype(build::operand(n))>{Op::Factorial, build::operand(n)};
}

// Writes the value's number display text into the field; a later step may
// use the value, and the formula text then calls it by the field's words.
template <class E>
    requires build::Operand<E>
consteval auto write(const Field& field, const E& value)
{
    return build::Step<decltype(build::operand(value))>{{Op::Write, &field, nullptr}, build::operand(value)};
}

// A helper value that several steps use, computed once, and named in the
// formula text by its words: the triangle's half perimeter s.
template <class E>
    requires build::Operand<E>
consteval auto let(const char* words, const E& value)
{
    return build::Step<decltype(build::operand(value))>{{Op::Let, nullptr, words}, build::operand(value)};
}

// The program of these steps, in this order: each read, helper value and
// write is evaluated where it is listed, the expressions inside a step left
// operand first. A step used before it is listed stops the build.
template <class... S>
    requires(build::StepLike<S> && ...)
consteval auto steps(const S&... s)
{
    build::Builder<std::size_t((S::nodes + ... + 0))> b;
    (b.step(s), ...);
    return Steps<std::size_t((S::nodes + ... + 0))>{b.nodes};
}

// The program that writes the empty text into the fields, in this order.
template <class... F>
    requires(std::same_as<F, Field> && ...)
consteval auto clear(const F&... fields)
{
    return Steps<sizeof...(F)>{{Node{Op::Clear, -1, -1, 0, false, &fields}...}};
}

// ---------------------------------------------------------------- running a formula

// The fields a program reads and writes: a window, or a table in a test.
class Sheet {
public:
    // The field's text as it is now.
    virtual std::string text(const Field& field) const = 0;
    // Sets the field's text: a result's number display text, or the empty text.
    virtual void write(const Field& field, const std::string& text) = 0;

protected:
    ~Sheet() = default;
};

// A field whose text was read as another number than it seems to say: the
// lenient reading stopped where the text goes on as a number would ("7,5"
// read as 7), or a number too small for the calculator was read as 0 or
// lost digits ("1E-400").
struct Misread {
    const Field* field;
    std::string text;   // the field's text
    double value = 0;   // the number it was read as
    std::size_t end = 0; // StoppedEarly: the bytes of the text the number took
    Misreading how = Misreading::None;
};

// How a run went: the value of each node as far as it got, where it
// stopped, and the fields it read as other numbers than they seem to say.
struct Outcome {
    std::vector<FieldValue> values; // by node; empty beyond the last evaluated
    std::optional<Failure> failure; // the failure that stopped it
    std::size_t stopped = 0;        // the node that failed
    std::vector<Misread> misread;   // in the order the fields were read
    bool done() const noexcept { return !failure; }
};

// Runs the program's nodes in order, reading and writing through the sheet,
// numbers shown in the locale. A failure stops the run at the node that
// fails: the writes before it stand, and no later node runs. Only the
// calculation's own failures (qv::Failure) are caught, here. Each field read
// as another number than it seems to say (readLenientNoted, tooSmall) is
// noted in the outcome.
//   cir: r = text(txt1); write(txt2, ((22_pi * r) * r) / 7); write(txt3, (44_pi * r) / 7)
//   run(cir, {txt1: "7"}) writes txt2 "154", txt3 "44"
//   run(cir, {txt1: ""}) fails (a conversion failure of txt1) before writing anything
Outcome run(Program program, Sheet& sheet, const NumberLocale& locale);

// The fields the program reads, in the order it reads them (a field read twice, once).
std::vector<const Field*> inputs(Program program);
// The fields the program writes results into, in the order it writes them.
std::vector<const Field*> results(Program program);
// The fields the program empties, in order.
std::vector<const Field*> cleared(Program program);

// The result a failed run was computing: the first it had not written yet
// when the failure came in its arithmetic; nullptr for a failure to read a
// field's text (the failure names that field) or where no result was left.
const Field* computing(Program program, const Outcome& outcome);

// The formula behind a result as the user reads it, in its tooltip and its
// accessible description: the result's words, " = ", and the steps in the
// order they are evaluated, with the operators × ÷ + − ^, left to right,
// × and ÷ before + and −, ^ first, parentheses where the order is otherwise;
// an input or an earlier result by its words, a helper value by its words
// with ", where" and its own formula after; the words in the user's language
// where a translate is given (context "Formula", see words.h). Empty for a
// field the program does not write.
//   formulaText(cone, txt4) == "curved surface area = 22 × radius × slant height ÷ 7"
//   formulaText(cone, txt3) == "slant height = (radius × radius + height × height) ^ (1 ÷ 2)"
//   formulaText(tri, txt4) == "area = (s × ((s − a) × (s − b) × (s − c))) ^ (1 ÷ 2), where s = (a + b + c) ÷ 2"
//   formulaText(panel, txt17) == "factorial = 1 × 2 × … × number"
std::string formulaText(Program program, const Field& result, const Translate& translate = {});

// The field a failed run's message names: the one whose text could not be
// read, else the result it was computing (see computing); nullptr: none.
const Field* failedField(Program program, const Outcome& outcome);

// What the user is told of a field read as another number than it seems to
// say, with the numbers in the locale and the field by the words the user
// knows it by:
//   {"7,5" read as 7, StoppedEarly} "The first number" ->
//     "“The first number” was read as 7: this window takes the full stop as its decimal point and no
//      thousands separator, so its reading stopped at “,5”."
//   {"1E-400" read as 0, TooSmall} "The second number" ->
//     "“The second number” holds 1E-400, too small for the calculator, and was read as 0."
// In the user's language where a translate is given (see words.h).
std::string note(const Misread& misread, const NumberLocale& locale, std::string_view fieldName,
                 const Translate& translate = {});

// Whether the result's formula takes π (as 22/7): it holds a constant with π
// folded in. The cone's curved surface area does; its slant height does not.
bool takesPi(Program program, const Field& result);

// The result's formula with the numbers a run used in place of its inputs,
// shown in the locale, a negative one in parentheses, and the result after
// " = ": "2 + 3 = 5", "(-2) ^ 2 = 4", "5! = 120". Empty where the run did
// not write the result.
std::string computedText(Program program, const Field& result, const Outcome& outcome, const NumberLocale& locale);

} // namespace qv::formula
