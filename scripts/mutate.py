#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Mutation testing: plants one small fault at a time and checks that a test fails.

Mutants come from the sources by rules (a relational boundary moved, operands
swapped, a statement dropped, a formula's steps reordered or regrouped, a
window's buttons exchanged, ...; see RULES below) and from the hand-written
list in scripts/mutants.toml, which also names the areas and the mutants that
change nothing a user could see (equivalent ones, each with its reason).

Each mutant is applied to a scratch copy of the tree with its own Release
build directory, so that rebuilds are incremental; the test programs that
ctest knows are then built and run one at a time, quickest first, until one
fails. A mutant is
  killed          a test failed, crashed or hung,
  survived        every test passed,
  not applicable  its line is no longer in the source, or it does not compile.

  scripts/mutate.py --list                  the mutants, without running them
  scripts/mutate.py                         the standing campaign (about an hour on two shared cores)
  scripts/mutate.py --area "number rules"   one area
  scripts/mutate.py --only bd-1a2b3 ...     chosen mutants
  scripts/mutate.py --sample 20             20 mutants drawn at random (--seed)
  scripts/mutate.py --matrix                every test on every mutant: which test functions and
                                            data rows kill which mutants (build-mutate/matrix.json)

The report goes to build-mutate/report.txt (and report.json) in the tree.
Needs Python 3.11 (tomllib), git, cmake and what ./test.sh needs.
"""

from __future__ import annotations

import argparse
import dataclasses
import datetime
import fcntl
import fnmatch
import hashlib
import json
import os
import queue
import random
import re
import shutil
import signal
import subprocess
import sys
import textwrap
import threading
import time
import tomllib
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
DATA = REPO / "scripts" / "mutants.toml"
MASK = "\x01"  # stands for a character of a string literal or a comment

# Rule name -> short code used in mutant ids.
RULES = {
    "boundary": "bd",      # < <-> <=, > <-> >=
    "equality": "eq",      # == <-> !=
    "logic": "lg",         # && <-> ||
    "negate": "ng",        # if (c) -> if (!(c)), while likewise
    "swap": "sw",          # a - b -> b - a, a / b -> b / a, power(a, b) -> power(b, a)
    "reassociate": "ra",   # (a * b) * c <-> a * (b * c), and sums likewise where configured
    "division-earlier": "de",  # ((a * b) * c) / d -> ((a / d) * b) * c, ((a * b) / d) * c
    "order": "or",         # two consecutive reading steps, or two fields of a Reset list, exchanged
    "roles": "rl",         # a declaration's Calculate and Reset buttons exchanged
    "power": "pw",         # in a formula, r * r as power(r, 2), (v * v) * v as power(v, 3)
    "coercion": "co",      # an operator's two operands converted right first
    "int-double": "id",    # FieldValue(22) -> FieldValue(22.0)
    "off-by-one": "ob",    # an integer constant n -> n + 1
    "drop": "dr",          # a statement dropped, or a name from a declaration's results or Reset list
    "neighbour": "nb",     # a control name, or a window's menu item, replaced by its neighbour's
    "table-tab": "tt",     # two controls of a design table swap tab indices
    "table-size": "ts",    # a captioned control of a design table at half its width
    "hand": "hd",          # written by hand in mutants.toml
}


@dataclasses.dataclass
class Edit:
    line: int  # 0-based
    before: str
    after: str


@dataclasses.dataclass
class Mutant:
    id: str
    area: str
    file: str
    rule: str
    edits: list[Edit]
    note: str = ""
    equivalent: str | None = None  # the reason, when marked equivalent
    # set by a run
    result: str = ""  # killed, survived, not applicable, equivalent
    detail: str = ""
    seconds: float = 0.0
    # with --matrix: every test row that failed, as [ctest test, function, data tag, state];
    # a function of "" stands for the test program as a whole (a crash, a hang, not QtTest)
    kills: list = dataclasses.field(default_factory=list)
    flaky_kills: list = dataclasses.field(default_factory=list)  # those that do not count
    unsteady: list = dataclasses.field(default_factory=list)  # rows that failed in only one of two runs

    def key(self) -> tuple:
        return (self.file, self.rule, tuple((e.before.strip(), e.after.strip()) for e in self.edits))


# ---------------------------------------------------------------------------
# Reading C++ lines: strings and comments masked, brace scopes classified.

def mask_lines(lines: list[str]) -> tuple[list[str], list[list[tuple[int, int]]]]:
    """Each line with the contents of string and character literals and of
    comments replaced by MASK (positions kept), and the spans of its string
    literals (the quotes included). Preprocessor lines are masked whole."""
    masked, spans = [], []
    in_block = False
    for line in lines:
        m = list(line)
        sp: list[tuple[int, int]] = []
        if not in_block and line.lstrip().startswith("#"):
            masked.append(MASK * len(line))
            spans.append(sp)
            continue
        i, n = 0, len(line)
        quote, qstart = None, 0
        while i < n:
            c = line[i]
            if in_block:
                if line.startswith("*/", i):
                    m[i] = m[i + 1] = MASK
                    in_block = False
                    i += 2
                    continue
                m[i] = MASK
                i += 1
                continue
            if quote:
                if c == "\\":
                    m[i] = MASK
                    if i + 1 < n:
                        m[i + 1] = MASK
                    i += 2
                    continue
                if c == quote:
                    if quote == '"':
                        sp.append((qstart, i + 1))
                    quote = None
                    i += 1
                    continue
                m[i] = MASK
                i += 1
                continue
            if line.startswith("//", i):
                for k in range(i, n):
                    m[k] = MASK
                break
            if line.startswith("/*", i):
                in_block = True
                m[i] = m[i + 1] = MASK
                i += 2
                continue
            if c in "\"'":
                # 1'000'000: a digit separator, not a character literal
                if c == "'" and i > 0 and line[i - 1].isalnum() and i + 1 < n and line[i + 1].isalnum():
                    i += 1
                    continue
                quote, qstart = c, i
            i += 1
        masked.append("".join(m))
        spans.append(sp)
    return masked, spans


def classify_brace(ctx: str, parent: str) -> str:
    """What a '{' opens, from the code before it: ns, class, code or init."""
    ctx = " ".join(ctx.replace(MASK, " ").split())
    if re.search(r"\bnamespace\b", ctx):
        return "ns"
    if re.match(r"^(template\s*<.*>\s*)?(class|struct|union|enum)\b", ctx) and "(" not in ctx and "=" not in ctx:
        return "class"
    if ctx == "":
        return "code" if parent == "code" else "init"
    if re.search(r"\)\s*((const|override|noexcept|mutable|final)\s*)*(->\s*[\w:<>]+\s*)?$", ctx):
        return "code"
    if re.search(r"(\]|\b(else|do|try)|:)$", ctx) and not ctx.endswith("::"):
        return "code"
    return "init"


def scopes(masked: list[str]) -> list[list[str]]:
    """For each line, the scope kind in force at each character."""
    stack: list[str] = ["ns"]
    ctx = ""
    out = []
    for line in masked:
        kinds = []
        for c in line:
            if c == "{":
                kind = classify_brace(ctx, stack[-1])
                stack.append(kind)
                kinds.append(kind)
                ctx = ""
                continue
            kinds.append(stack[-1])
            if c == "}":
                if len(stack) > 1:
                    stack.pop()
                ctx = ""
            elif c == ";":
                ctx = ""
            elif c != MASK:
                ctx += c
        ctx += " "
        out.append(kinds)
    return out


OPEN, CLOSE = "([{", ")]}"


def match_forward(s: str, i: int) -> int:
    depth = 0
    for j in range(i, len(s)):
        if s[j] in OPEN:
            depth += 1
        elif s[j] in CLOSE:
            depth -= 1
            if depth == 0:
                return j
    return -1


def match_backward(s: str, i: int) -> int:
    depth = 0
    for j in range(i, -1, -1):
        if s[j] in CLOSE:
            depth += 1
        elif s[j] in OPEN:
            depth -= 1
            if depth == 0:
                return j
    return -1


def balanced(s: str) -> bool:
    depth = 0
    for c in s:
        if c in OPEN:
            depth += 1
        elif c in CLOSE:
            depth -= 1
            if depth < 0:
                return False
    return depth == 0


def word_char(c: str) -> bool:
    return c.isalnum() or c == "_"


def operand_before(s: str, end: int) -> int | None:
    """Start of the operand that ends just before index end (spaces skipped)."""
    i = end - 1
    while i >= 0 and s[i] == " ":
        i -= 1
    last = i
    j = i
    while j >= 0:
        c = s[j]
        if c in ")]":
            k = match_backward(s, j)
            if k < 0:
                return None
            j = k - 1
        elif word_char(c) or c in ".:":
            j -= 1
        elif c == ">" and j > 0 and s[j - 1] == "-":
            j -= 2
        elif c in "'\"":
            k = s.rfind(c, 0, j)
            if k < 0:
                return None
            j = k - 1
        else:
            break
    return j + 1 if j < last else None


def operand_after(s: str, begin: int) -> int | None:
    """End (exclusive) of the operand that starts at index begin (spaces skipped)."""
    j = begin
    while j < len(s) and s[j] == " ":
        j += 1
    first = j
    while j < len(s):
        c = s[j]
        if c in "([":
            if j > first and not (word_char(s[j - 1]) or s[j - 1] in ")]"):
                break
            k = match_forward(s, j)
            if k < 0:
                return None
            j = k + 1
        elif word_char(c) or c in ".:":
            j += 1
        elif c == "-" and j + 1 < len(s) and s[j + 1] == ">":
            j += 2
        elif c in "'\"":
            k = s.find(c, j + 1)
            if k < 0:
                return None
            j = k + 1
        else:
            break
    return j if j > first else None


# Binding strength of the operators an operand may stand beside without
# changing how an expression groups when the operands of a - or / swap.
PRECEDENCE = {"*": 5, "/": 5, "%": 5, "+": 6, "-": 6, "<<": 7, ">>": 7, "<": 9, "<=": 9, ">": 9, ">=": 9,
              "==": 10, "!=": 10, "&": 11, "^": 12, "|": 13, "&&": 14, "||": 15, "?": 16, ":": 16, "=": 16,
              "+=": 16, "-=": 16, "*=": 16, "/=": 16}


def looser_neighbour(s: str, pos: int, direction: int, level: int) -> bool:
    """Whether what stands beside an operand (before it for direction -1,
    after it for +1) binds less tightly than an operator of this level."""
    j = pos
    while 0 <= j < len(s) and s[j] == " ":
        j += direction
    if j < 0 or j >= len(s):
        return True
    if direction < 0:
        if s[j] in "([{,;":
            return True
        if s[max(0, j - 5):j + 1] == "return" and (j < 6 or not word_char(s[j - 6])):
            return True
        k = j
        while k >= 0 and s[k] in "+-*/%<>=!&|^?:":
            k -= 1
        op = s[k + 1:j + 1]
    else:
        if s[j] in ")]},;":
            return True
        k = j
        while k < len(s) and s[k] in "+-*/%<>=!&|^?:":
            k += 1
        op = s[j:k]
    return op in PRECEDENCE and PRECEDENCE[op] > level


# ---------------------------------------------------------------------------
# The rules.

@dataclasses.dataclass
class Expr:
    """An expression of a formula: an operation, or a name, number or call;
    its span in the line, parentheses around it included."""
    start: int
    end: int
    op: str = ""  # + - * / for an operation
    left: Expr | None = None
    right: Expr | None = None
    inner: Expr | None = None  # what the parentheses around it hold


def parse(s: str, lo: int, hi: int) -> list[Expr]:
    """Every expression in s[lo:hi] (names, numbers such as 7 and 22_pi,
    calls, parentheses, + - * /), the whole first."""
    found: list[Expr] = []
    pos = lo

    def blank():
        nonlocal pos
        while pos < hi and s[pos] == " ":
            pos += 1

    def primary() -> Expr:
        nonlocal pos
        blank()
        start = pos
        if pos < hi and s[pos] == "(":
            close = match_forward(s, pos)
            pos += 1
            inner = expression()
            pos = close + 1
            e = Expr(start, pos, inner=inner)
        else:
            while pos < hi and (word_char(s[pos]) or s[pos] == "."):
                pos += 1
            if pos < hi and s[pos] == "(":  # a call: its arguments are expressions too
                close = match_forward(s, pos)
                pos += 1
                while pos < close:
                    expression()
                    blank()
                    pos += 1  # the comma or the closing parenthesis
                pos = close + 1
            e = Expr(start, pos)
        found.append(e)
        return e

    def operations(operand, ops: str) -> Expr:
        nonlocal pos
        left = operand()
        while True:
            blank()
            if not (pos + 1 < hi and s[pos] in ops and s[pos + 1] == " "):
                return left
            op = s[pos]
            pos += 1
            right = operand()
            left = Expr(left.start, right.end, op, left, right)
            found.append(left)

    def term() -> Expr:
        return operations(primary, "*/")

    def expression() -> Expr:
        return operations(term, "+-")

    whole = expression()
    return [whole] + [e for e in found if e is not whole]


def bare(e: Expr) -> Expr:
    """The expression without the parentheses around it."""
    while e.inner:
        e = e.inner
    return e


@dataclasses.dataclass
class Product:
    start: int  # the span of the product, without parentheses around it
    end: int
    factors: list[tuple[int, int]]  # spans of its factors, grouped from the left: ((f0 * f1) * f2)


def products(s: str, where: list[int]) -> list[Product]:
    """The products of two or more factors in the expressions that stand at
    the indices where, each as the factors it multiplies from the left."""
    out: list[Product] = []
    for lo, hi in runs(where):
        exprs = parse(s, lo, hi)
        times = [e for e in exprs if e.op == "*"]
        inside = {id(bare(e.left)) for e in times}
        for e in times:
            if id(e) in inside:
                continue
            factors: list[tuple[int, int]] = []
            x = e
            while True:
                factors.insert(0, (x.right.start, x.right.end))
                if bare(x.left).op != "*":
                    factors.insert(0, (x.left.start, x.left.end))
                    break
                x = bare(x.left)
            out.append(Product(e.start, e.end, factors))
    return out


def runs(indices: list[int]) -> list[tuple[int, int]]:
    """Consecutive indices as spans."""
    out: list[tuple[int, int]] = []
    for i in indices:
        if out and out[-1][1] == i:
            out[-1] = (out[-1][0], i + 1)
        else:
            out.append((i, i + 1))
    return out


def natural(name: str) -> tuple:
    """Names in their natural order: txt2 before txt10."""
    return (re.sub(r"\d+$", "", name), int(re.search(r"\d*$", name).group() or 0), name)


def stable_hash(*parts: str) -> str:
    return hashlib.sha1("\x00".join(parts).encode()).hexdigest()


def pick(items: list, count: int, *salt: str) -> list:
    """count of the items, chosen by a hash of their text: the choice stays
    the same when other code changes."""
    if count is None or len(items) <= count:
        return items
    return sorted(items, key=lambda it: stable_hash(*salt, repr(it)))[:count]


DECLARATION = re.compile(
    r"^(?:(?:const|static|constexpr|inline|unsigned|signed|volatile|explicit|virtual|friend)\s+)*"
    r"(?:auto\b|[A-Za-z_][\w:]*(?:<[^;=]*>)?(?:\s*[*&]+\s*|\s+)[A-Za-z_]\w*\s*(?:=|\{|\(|;|\[))")
NOT_DROPPABLE = re.compile(r"^(return|break|continue|case|default|using|namespace|typedef|template|goto|public|"
                           r"private|protected|Q_OBJECT|\(void\)|~|else\b|if\b|for\b|while\b|switch\b|do\b)")
# A row of a design table: {name, kind, caption, left, top, width, height, tab, ...}; a
# text field is named by its field constant (txt1), the other controls by a string.
ROW = re.compile(r'^\s*\{"?(\w+)"?,\s*(\w+),\s*("(?:[^"\\]|\\.)*"|nullptr),\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+)')
LITERAL = re.compile(r"^(\d[\d'.]*[a-zA-Z]*|'.*'|\".*\")$")
# A window declaration's members: its menu item, its Calculate button with
# its program, and its Reset button with its program.
ITEM = re.compile(r'^(\s*\.item = \{)(&\w+, "\w+", "(?:[^"\\]|\\.)*")(\},.*)$')
DESIGN_NAME = re.compile(r'^\s*\.design = \{"(\w+)"')
CALCULATE = re.compile(r'^\s*\.calculate = \{"(\w+)", (\w+)\},')
RESET = re.compile(r'^\s*\.reset = \{"(\w+)", (\w+)\},')
# The formula source (core/formula.h): the text fields a window's formulas
# name (txt1{"txt1", "radius"}), and its steps, each a constant: a reading
# (lenient, text), a value written into a result or a named helper value
# (write, let), a program of steps in order (steps) or of fields to empty
# (clear), which may stand on the line after the name.
FIELD = re.compile(r'\b(\w+)\{"\w+",\s*"[^"]*"\}')
STEP = re.compile(r'^\s*constexpr auto (\w+) = (lenient|text|write|let)\(')
PROGRAM = re.compile(r'^\s*(?:constexpr auto \w+ =\s*)?(steps|clear)\(')
READS = ("lenient", "text")
# An operator's conversion of one of its operands.
COERCION = re.compile(r'^\s*const double \w+ = \w+\.toDouble\(\);\s*$')


def arguments(s: str, open_at: int) -> list[tuple[int, int]]:
    """The spans of a call's arguments, blanks around them left out: the
    call's parenthesis opens at index open_at and closes on the same line."""
    close_at = match_forward(s, open_at)
    if close_at < 0:
        return []
    out, start, depth = [], open_at + 1, 0
    for k in range(open_at + 1, close_at + 1):
        c = s[k]
        if c in OPEN:
            depth += 1
        elif c in CLOSE and k < close_at:
            depth -= 1
        if (c == "," and depth == 0) or k == close_at:
            a, b = start, k
            while a < b and s[a] == " ":
                a += 1
            while b > a and s[b - 1] == " ":
                b -= 1
            if b > a:
                out.append((a, b))
            start = k + 1
    return out


class Source:
    def __init__(self, path: str, text: str):
        self.path = path
        self.lines = text.split("\n")
        self.masked, self.spans = mask_lines(self.lines)
        self.scope = scopes(self.masked)
        # Control rows of the design tables: name -> kind
        self.rows = []
        for n, line in enumerate(self.lines):
            m = ROW.match(line)
            if m:
                self.rows.append((n, m))
        self.controls = {m.group(1): m.group(2) for _, m in self.rows}
        # The formula source: its fields, its steps (name -> lenient, text,
        # write or let), and the expressions of its write and let steps,
        # which the line rules mutate as they do code in a function body.
        self.fields = [m.group(1) for line in self.lines for m in FIELD.finditer(line)]
        self.steps: dict[str, str] = {}
        self.formula_lines: set[int] = set()
        for n, m in enumerate(self.masked):
            step = STEP.match(m)
            if not step or self.scope[n][step.start(1)] == "code":
                continue
            self.steps[step.group(1)] = step.group(2)
            args = arguments(m, step.end() - 1)
            if step.group(2) in READS or len(args) != 2:
                continue
            a, b = args[1]
            self.scope[n][a:b] = ["code"] * (b - a)
            self.formula_lines.add(n)

    def code_statement(self, n: int) -> bool:
        """Whether line n is code wholly inside a function body."""
        kinds = self.scope[n]
        return bool(kinds) and all(k == "code" for k in kinds[: len(self.lines[n]) - len(self.lines[n].lstrip()) + 1])


class Generator:
    def __init__(self, config: dict):
        self.config = config
        self.rule_cfg = config.get("rules", {})
        self.skip_lines = [re.compile(p) for p in config.get("settings", {}).get("skip_lines", [])]

    def rule_enabled(self, rule: str) -> bool:
        return self.rule_cfg.get(rule, {}).get("enabled", True)

    def generate(self, src: Source) -> list[tuple[str, list[Edit], str]]:
        out: list[tuple[str, list[Edit], str]] = []

        def one(rule: str, n: int, start: int, end: int, replacement: str, note: str = ""):
            line = src.lines[n]
            out.append((rule, [Edit(n, line, line[:start] + replacement + line[end:])], note))

        for n, (line, m) in enumerate(zip(src.lines, src.masked)):
            if not m.strip(MASK + " \t") or any(p.search(line) for p in self.skip_lines):
                continue
            kinds = src.scope[n]
            # Only code inside function bodies is mutated by the line rules;
            # tables are mutated by the table rules below.
            code = [i for i, k in enumerate(kinds) if k == "code"]
            if not code:
                continue
            in_code = lambda i: kinds[i] == "code" if i < len(kinds) else False  # noqa: E731

            for mm in re.finditer(r"(?<= )(<=|>=|<|>)(?= )", m):
                if in_code(mm.start()):
                    swap = {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}[mm.group(1)]
                    one("boundary", n, mm.start(), mm.end(), swap)
            for mm in re.finditer(r"(?<= )(==|!=)(?= )", m):
                if in_code(mm.start()):
                    one("equality", n, mm.start(), mm.end(), "!=" if mm.group(1) == "==" else "==")
            for mm in re.finditer(r"(?<= )(&&|\|\|)(?= )", m):
                if in_code(mm.start()):
                    one("logic", n, mm.start(), mm.end(), "||" if mm.group(1) == "&&" else "&&")
            for mm in re.finditer(r"\b(if|while) \(", m):
                open_at = mm.end() - 1
                close_at = match_forward(m, open_at)
                if close_at > 0 and in_code(mm.start()):
                    cond = line[open_at + 1:close_at]
                    one("negate", n, open_at + 1, close_at, "!(" + cond + ")")
            self.swaps(src, n, one)
            self.reassociations(src, n, one)
            self.divisions_earlier(src, n, one)
            if n in src.formula_lines:
                self.powers(src, n, one)
            for mm in re.finditer(r"\bFieldValue\((\d+)\)", m):
                if in_code(mm.start()):
                    one("int-double", n, mm.start(1), mm.end(1), mm.group(1) + ".0")
            if n in src.formula_lines:
                # A formula's integer constant as a double (7 as real(7.0)),
                # and one with pi folded in one larger (22_pi as 23_pi).
                for mm in re.finditer(r"(?<![\w.'])(\d+)(?![\w.'])", m):
                    if in_code(mm.start()):
                        one("int-double", n, mm.start(), mm.end(), f"real({mm.group(1)}.0)")
                for mm in re.finditer(r"(?<![\w.'])(\d+)_pi\b", m):
                    if in_code(mm.start()):
                        one("off-by-one", n, mm.start(1), mm.end(1), str(int(mm.group(1)) + 1))
            for mm in re.finditer(r"(?<![\w.'])(\d[\d']*)(?![\w.'])", m):
                if in_code(mm.start()) and not m[: mm.start()].rstrip().endswith("["):
                    value = int(mm.group(1).replace("'", ""))
                    one("off-by-one", n, mm.start(), mm.end(), str(value + 1))
            self.drops(src, n, one)
            self.neighbours(src, n, one)
        self.step_orders(src, out)
        self.formulas(src, out)
        self.declarations(src, out)
        self.table_rules(src, out)
        return [o for o in out if self.rule_enabled(o[0]) and self.rule_applies(o[0], src.path)]

    def rule_applies(self, rule: str, path: str) -> bool:
        """Whether the rule mutates this file: a rule's `files` in
        mutants.toml names the only files it mutates."""
        files = self.rule_cfg.get(rule, {}).get("files")
        return files is None or any(fnmatch.fnmatch(path, p) for p in files)

    def swaps(self, src: Source, n: int, one):
        line, m = src.lines[n], src.masked[n]
        for mm in re.finditer(r"(?<=[\w)\]'\"]) ([-/]) (?=[\w(\"'])", m):
            if src.scope[n][mm.start()] != "code":
                continue
            a0 = operand_before(m, mm.start())
            b1 = operand_after(m, mm.end())
            if a0 is None or b1 is None:
                continue
            level = PRECEDENCE[mm.group(1)]
            if not (looser_neighbour(m, a0 - 1, -1, level) and looser_neighbour(m, b1, +1, level)):
                continue
            a, b = line[a0:mm.start()], line[mm.end():b1]
            # 1 - x for x - 1, or '0' - c for c - '0', is not a slip anyone makes.
            if a.strip() == b.strip() or any(LITERAL.match(x.strip()) for x in (a, b)):
                continue
            one("swap", n, a0, b1, f"{b} {mm.group(1)} {a}")
        for name in self.rule_cfg.get("swap", {}).get("calls", ["power"]):
            for mm in re.finditer(r"(?<![\w:.])" + re.escape(name) + r"\(", m):
                if src.scope[n][mm.start()] != "code":
                    continue
                open_at = mm.end() - 1
                close_at = match_forward(m, open_at)
                if close_at < 0:
                    continue
                inner = m[open_at + 1:close_at]
                depth, commas = 0, []
                for k, c in enumerate(inner):
                    depth += c in OPEN
                    depth -= c in CLOSE
                    if c == "," and depth == 0:
                        commas.append(k)
                if len(commas) != 1:
                    continue
                raw = line[open_at + 1:close_at]
                a, b = raw[: commas[0]].strip(), raw[commas[0] + 1:].strip()
                one("swap", n, open_at + 1, close_at, f"{b}, {a}")

    def reassociations(self, src: Source, n: int, one):
        ops = ["*"]
        if any(fnmatch.fnmatch(src.path, p) for p in self.rule_cfg.get("reassociate", {}).get("sums", [])):
            ops.append("+")
        for op in ops:
            self.reassociate(src, n, one, op)

    def reassociate(self, src: Source, n: int, one, op: str):
        line, m = src.lines[n], src.masked[n]
        level = PRECEDENCE[op]
        sep = f" {op} "
        others = re.escape("".join(c for c in "+-*/" if c != op))
        # (a op b) op c -> a op (b op c)
        for i, c in enumerate(m):
            if c != "(" or src.scope[n][i] != "code" or (i > 0 and (word_char(m[i - 1]) or m[i - 1] in ")]")):
                continue
            j = match_forward(m, i)
            if j < 0 or not m.startswith(sep, j + 1):
                continue
            inner = m[i + 1:j]
            tops = [k for k in range(len(inner)) if inner.startswith(sep, k) and balanced(inner[:k])]
            if len(tops) != 1 or re.search(f" [{others}] ", "".join(
                    ch if balanced(inner[:k]) else " " for k, ch in enumerate(inner))):
                continue
            c_end = operand_after(m, j + 4)
            if c_end is None or not looser_neighbour(m, c_end, +1, level):
                continue
            a = line[i + 1:i + 1 + tops[0]]
            b = line[i + 1 + tops[0] + 3:j]
            cc = line[j + 4:c_end]
            one("reassociate", n, i, c_end, f"{a}{sep}({b}{sep}{cc})")
        # a op (b op c) -> (a op b) op c
        for mm in re.finditer(re.escape(sep) + r"\(", m):
            i = mm.end() - 1
            if src.scope[n][i] != "code":
                continue
            j = match_forward(m, i)
            if j < 0:
                continue
            inner = m[i + 1:j]
            tops = [k for k in range(len(inner)) if inner.startswith(sep, k) and balanced(inner[:k])]
            if len(tops) != 1 or (op == "+" and re.search(f" [{others}] ", "".join(
                    ch if balanced(inner[:k]) else " " for k, ch in enumerate(inner)))):
                continue
            a0 = operand_before(m, mm.start())
            if a0 is None or not looser_neighbour(m, a0 - 1, -1, level):
                continue
            a = line[a0:mm.start()]
            b = line[i + 1:i + 1 + tops[0]]
            cc = line[i + 1 + tops[0] + 3:j]
            one("reassociate", n, a0, j + 1, f"({a}{sep}{b}){sep}{cc}")

    def powers(self, src: Source, n: int, one):
        """In a formula, a value multiplied by itself taken as a power of
        it: r * r as power(r, 2), ((88_pi * r) * r) * r as 88_pi * power(r, 3)
        and as (88_pi * power(r, 2)) * r."""
        line, m = src.lines[n], src.masked[n]
        for chain in products(m, [i for i, k in enumerate(src.scope[n]) if k == "code"]):
            factors = [line[a:b] for a, b in chain.factors]
            k = 0
            while k < len(factors):
                run = 1
                while k + run < len(factors) and factors[k + run] == factors[k] and re.fullmatch(r"[A-Za-z_]\w*",
                                                                                                  factors[k]):
                    run += 1
                for power in range(2, run + 1):
                    fewer = factors[:k] + [f"power({factors[k]}, {power})"] + factors[k + power:]
                    e = fewer[0]
                    for f in fewer[1:]:
                        e = f"({e} * {f})"
                    if e.startswith("(") and match_forward(e, 0) == len(e) - 1:
                        e = e[1:-1]
                    one("power", n, chain.start, chain.end, e)
                k += run

    def divisions_earlier(self, src: Source, n: int, one):
        """A product divided last, ((f0 * f1) * f2) / d, with the division
        moved to an earlier step: after f0 (the constant folded, 22 / 7),
        after f1, and so on."""
        line, m = src.lines[n], src.masked[n]
        for mm in re.finditer(r"(?<=\)) / ", m):
            if src.scope[n][mm.start()] != "code":
                continue
            a0 = operand_before(m, mm.start())
            d_end = operand_after(m, mm.end())
            if a0 is None or d_end is None or m[a0] != "(" or match_forward(m, a0) != mm.start() - 1:
                continue
            if not (looser_neighbour(m, a0 - 1, -1, 5) and looser_neighbour(m, d_end, +1, 5)):
                continue
            # The factors of a product grouped from the left, last first.
            factors: list[str] = []
            lo, hi = a0 + 1, mm.start() - 1  # the span inside the parentheses
            while True:
                inner = m[lo:hi]
                flat = "".join(ch if balanced(inner[:k]) else " " for k, ch in enumerate(inner))
                if re.search(r" [-+/] ", flat):
                    factors = []
                    break
                tops = [k for k in range(len(inner)) if inner.startswith(" * ", k) and balanced(inner[:k])]
                if not tops:
                    factors.insert(0, line[lo:hi])
                    break
                factors.insert(0, line[lo + tops[-1] + 3:hi])
                hi = lo + tops[-1]
                if m[lo] == "(" and match_forward(m, lo) == hi - 1:
                    lo, hi = lo + 1, hi - 1
            if len(factors) < 2:
                continue
            d = line[mm.end():d_end]
            for k in range(len(factors) - 1):
                e = factors[0] if k else f"({factors[0]} / {d})"
                for i in range(1, len(factors)):
                    e = f"({e} * {factors[i]})"
                    if i == k:
                        e = f"({e} / {d})"
                one("division-earlier", n, a0, d_end, e)

    def step_orders(self, src: Source, out: list):
        """An operator's two conversions of its operands, on consecutive
        lines, exchanged (coercion)."""
        for n in range(len(src.lines) - 1):
            a, b = src.lines[n], src.lines[n + 1]
            if COERCION.match(a) and COERCION.match(b) and src.code_statement(n) and src.code_statement(n + 1):
                out.append(("coercion", [Edit(n, a, b), Edit(n + 1, b, a)], ""))

    def formulas(self, src: Source, out: list):
        """The formula source's steps and programs. A field a step reads or
        writes, or one field of a clear list (by a hash of the line),
        replaced by its neighbour among the window's fields (neighbour); a
        step left out of a steps list, a field out of a clear list (drop);
        two consecutive reading steps of a steps list, or two consecutive
        fields of a clear list, exchanged (order)."""
        if not src.steps:
            return
        fields = sorted(set(src.fields), key=natural)

        def neighbour(name: str) -> str | None:
            if name not in fields or len(fields) < 2:
                return None
            k = fields.index(name)
            return fields[k + 1] if k + 1 < len(fields) else fields[k - 1]

        for n, (line, m) in enumerate(zip(src.lines, src.masked)):
            def edit(new: str) -> list[Edit]:
                return [Edit(n, line, new)]

            step = STEP.match(m)
            if step and step.group(1) in src.steps and step.group(2) != "let":
                args = arguments(m, step.end() - 1)
                if args:
                    a, b = args[0]
                    other = neighbour(line[a:b])
                    if other:
                        out.append(("neighbour", edit(line[:a] + other + line[b:]), ""))
            program = PROGRAM.match(m)
            if not program or src.scope[n][program.start(1)] == "code":
                continue
            kind = program.group(1)
            items = arguments(m, program.end() - 1)
            names = [line[a:b] for a, b in items]
            # drop: an item left out, with the comma that joins it
            for k, (a, b) in enumerate(items):
                if len(items) < 2:
                    break
                if k + 1 < len(items):
                    start, end = a, items[k + 1][0]
                else:
                    start, end = items[k - 1][1], b
                out.append(("drop", edit(line[:start] + line[end:]), ""))
            # order: two neighbouring items exchanged, reading steps in a steps list
            for k, ((a1, b1), (a2, b2)) in enumerate(zip(items, items[1:])):
                if kind == "clear" or (src.steps.get(names[k]) in READS and src.steps.get(names[k + 1]) in READS):
                    out.append(("order", edit(line[:a1] + line[a2:b2] + line[b1:a2] + line[a1:b1] + line[b2:]), ""))
            # neighbour: one field of a clear list
            if kind == "clear":
                for a, b in pick(items, self.rule_cfg.get("neighbour", {}).get("list_items_per_line", 1), src.path,
                                 line):
                    other = neighbour(line[a:b])
                    if other:
                        out.append(("neighbour", edit(line[:a] + other + line[b:]), ""))

    def declarations(self, src: Source, out: list):
        """A window declaration's Calculate and Reset buttons exchanged (roles)."""
        calculate = reset = None
        for n, line in enumerate(src.lines):
            if CALCULATE.match(line):
                calculate = (n, CALCULATE.match(line))
            if RESET.match(line):
                reset = (n, RESET.match(line))
        if calculate and reset:
            (nc, mc), (nr, mr) = calculate, reset
            lc, lr = src.lines[nc], src.lines[nr]
            out.append(("roles", [Edit(nc, lc, lc[:mc.start(1)] + mr.group(1) + lc[mc.end(1):]),
                                  Edit(nr, lr, lr[:mr.start(1)] + mc.group(1) + lr[mr.end(1):])], ""))

    def drops(self, src: Source, n: int, one):
        line, m = src.lines[n], src.masked[n]
        stripped = m.strip(" \t" + MASK)
        indent = len(line) - len(line.lstrip())
        if not src.scope[n]:
            return

        def droppable(stmt: str) -> bool:
            return (stmt.endswith(";") and balanced(stmt) and not NOT_DROPPABLE.match(stmt)
                    and not DECLARATION.match(stmt) and stmt.count(";") == 1 + stmt.count("for ("))

        if src.scope[n][indent] == "code" and droppable(stripped) and m.lstrip().startswith(stripped[:1]):
            prev = n - 1
            while prev >= 0 and not src.masked[prev].strip(" \t" + MASK):
                prev -= 1
            p = src.masked[prev].strip(" \t" + MASK) if prev >= 0 else "{"
            header = re.match(r"^(\} )?(else )?(if|for|while) \(", p) and balanced(p)
            if p.endswith((";", "{", "}", ":")) or p == "else" or (p.endswith(")") and header):
                end = len(m.rstrip(" \t" + MASK))
                one("drop", n, indent, end, "{}")
                return
        # A one-line body: void f() { stmt; }
        for i, c in enumerate(m):
            if c != "{" or src.scope[n][i] != "code":
                continue
            j = match_forward(m, i)
            if j < 0 or m[j + 1:].strip(" \t" + MASK):
                continue
            body = m[i + 1:j].strip()
            if droppable(body) and (i == 0 or src.scope[n][i - 1] != "code"):
                one("drop", n, i + 1, j, " ")
                return

    def neighbours(self, src: Source, n: int, one):
        if not src.controls:
            return
        line, m = src.lines[n], src.masked[n]
        cfg = self.rule_cfg.get("neighbour", {})
        kinds: dict[str, list[str]] = {}
        for name, kind in src.controls.items():
            kinds.setdefault(kind, []).append(name)
        for names in kinds.values():
            names.sort(key=natural)
        found = []
        for a, b in src.spans[n]:
            if src.scope[n][a] not in ("code", "init"):
                continue
            name = line[a + 1:b - 1]
            kind = src.controls.get(name)
            if not kind or kind == "Frame":
                continue
            # The Calculate button's neighbour is its Reset button, which
            # the declaration's check refuses; the roles rule exchanges them.
            if kind == "Button" and CALCULATE.match(line):
                continue
            names = kinds[kind]
            if len(names) < 2:
                continue
            k = names.index(name)
            other = names[k + 1] if k + 1 < len(names) else names[k - 1]
            in_list = m[:a].rstrip().endswith(("{", ",")) and m[b:].lstrip().startswith((",", "}"))
            found.append((a, b, other, in_list))
        lists = [f for f in found if f[3]]
        calls = [f for f in found if not f[3]]
        for a, b, other, _ in calls + pick(lists, cfg.get("list_items_per_line", 1), src.path, line):
            one("neighbour", n, a, b, f'"{other}"')

    def item_neighbours(self, sources: dict[str, Source]) -> list[tuple[str, list[Edit]]]:
        """Each window declaring its neighbour's menu item (the one after it
        in the list the menus are made from, the one before for the last):
        that item then opens this window, and this window's own item is gone."""
        listing = sources.get(self.rule_cfg.get("neighbour", {}).get("window_list", ""))
        if not listing or not self.rule_enabled("neighbour"):
            return []
        items: dict[str, tuple[str, int, re.Match]] = {}
        for path, src in sources.items():
            name = next((DESIGN_NAME.match(ln).group(1) for ln in src.lines if DESIGN_NAME.match(ln)), None)
            at = next(((n, ITEM.match(ln)) for n, ln in enumerate(src.lines) if ITEM.match(ln)), None)
            if name and at:
                items[name] = (path, *at)
        order = [w for w in re.findall(r"&(\w+)", "\n".join(listing.masked)) if w in items]
        out = []
        for k, name in enumerate(order):
            other = order[k + 1] if k + 1 < len(order) else order[k - 1]
            path, n, m = items[name]
            line = sources[path].lines[n]
            out.append((path, [Edit(n, line, m.group(1) + items[other][2].group(2) + m.group(3))]))
        return out

    def table_rules(self, src: Source, out: list):
        cfg = self.rule_cfg
        if not src.rows:
            return
        focusable = [(int(m.group(8)), n, m) for n, m in src.rows if m.group(2) in ("TextField", "Button", "CheckBox")]
        focusable.sort(key=lambda t: t[0])
        pairs = [(x, y) for x, y in zip(focusable, focusable[1:]) if y[0] == x[0] + 1]
        for (ta, na, ma), (tb, nb, mb) in pick(pairs, cfg.get("table-tab", {}).get("per_file", 1), src.path,
                                               "tab"):
            la, lb = src.lines[na], src.lines[nb]
            out.append(("table-tab", [Edit(na, la, la[: ma.start(8)] + str(tb) + la[ma.end(8):]),
                                      Edit(nb, lb, lb[: mb.start(8)] + str(ta) + lb[mb.end(8):])], ""))
        captioned = [(n, m) for n, m in src.rows
                     if m.group(2) in ("Label", "Button", "CheckBox", "Frame") and m.group(3).strip('" ') != ""]
        for n, m in pick(captioned, cfg.get("table-size", {}).get("per_file", 1), src.path, "size"):
            line = src.lines[n]
            out.append(("table-size", [Edit(n, line, line[: m.start(6)] + str(int(m.group(6)) // 2)
                                            + line[m.end(6):])], ""))


# ---------------------------------------------------------------------------
# The list of mutants.

def load_config() -> dict:
    with open(DATA, "rb") as f:
        return tomllib.load(f)


def area_of(path: str, config: dict) -> str | None:
    settings = config.get("settings", {})
    if any(fnmatch.fnmatch(path, p) for p in settings.get("skip", [])):
        return None
    if not any(fnmatch.fnmatch(os.path.basename(path), p) for p in settings.get("sources", ["*.cpp", "*.h"])):
        return None
    for area in config.get("area", []):
        if any(fnmatch.fnmatch(path, p) for p in area["paths"]):
            return area["name"]
    return None


def tree_files(root: Path) -> list[str]:
    out = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=root,
                         check=True, capture_output=True).stdout.decode()
    return sorted(p for p in out.split("\0") if p and (root / p).is_file())


def campaign(mutants: list[Mutant], config: dict) -> list[Mutant]:
    """The mutants of the standing campaign: every hand-written one, and of
    each area's rule mutants at most its budget, taken in turn from each rule
    (as often as the rule's weight says) and within a rule from file after
    file. The order within a rule and a file comes from a hash of the mutated
    line, so the choice moves only where the code changes."""
    chosen = [m for m in mutants if m.rule == "hand"]
    for area in config.get("area", []):
        weights = area.get("weights", {})
        pool = [m for m in mutants if m.area == area["name"] and m.rule != "hand"]
        budget = area.get("budget", len(pool))
        by_rule: dict[str, list[Mutant]] = {}
        for rule in RULES:
            files: dict[str, list[Mutant]] = {}
            for m in sorted((m for m in pool if m.rule == rule), key=lambda m: stable_hash(m.id)):
                files.setdefault(m.file, []).append(m)
            order = sorted(files, key=lambda f: stable_hash(f, rule))
            spread = []
            while any(files.values()):
                for f in order:
                    if files[f]:
                        spread.append(files[f].pop(0))
            if spread and weights.get(rule, 1) > 0:
                by_rule[rule] = spread
        caps = area.get("caps", {})
        per_file: dict[str, int] = {}

        def allowed(m: Mutant) -> bool:
            return all(per_file.get(m.file, 0) < cap for pat, cap in caps.items() if fnmatch.fnmatch(m.file, pat))

        taken = 0
        while taken < budget and any(by_rule.values()):
            for rule, ms in by_rule.items():
                for _ in range(weights.get(rule, 1)):
                    while ms and not allowed(ms[0]):
                        ms.pop(0)
                    if ms and taken < budget:
                        m = ms.pop(0)
                        chosen.append(m)
                        per_file[m.file] = per_file.get(m.file, 0) + 1
                        taken += 1
    keep = {id(m) for m in chosen}
    return [m for m in mutants if id(m) in keep]


def all_mutants(config: dict) -> tuple[list[Mutant], list[str]]:
    """Every mutant of the tree, with equivalence marks; and warnings."""
    gen = Generator(config)
    mutants: list[Mutant] = []
    warnings: list[str] = []
    sources: dict[str, Source] = {}
    for path in tree_files(REPO):
        area = area_of(path, config)
        if not area:
            continue
        src = Source(path, (REPO / path).read_text())
        sources[path] = src
        for rule, edits, note in gen.generate(src):
            mutants.append(Mutant("", area, path, rule, edits, note))
    all_sources = dict(sources)
    listing = config.get("rules", {}).get("neighbour", {}).get("window_list")
    if listing and listing not in all_sources and (REPO / listing).is_file():
        all_sources[listing] = Source(listing, (REPO / listing).read_text())
    for path, edits in gen.item_neighbours(all_sources):
        mutants.append(Mutant("", area_of(path, config), path, "neighbour", edits))
    for hand in config.get("hand", []):
        path = hand["file"]
        area = area_of(path, config) or "?"
        text = (REPO / path).read_text() if (REPO / path).is_file() else ""
        at = text.find(hand["find"])
        if at < 0:
            m = Mutant("", area, path, "hand", [Edit(-1, hand["find"], hand["replace"])], hand.get("why", ""))
            m.result, m.detail = "not applicable", "its text is no longer in the source"
        else:
            first = text.count("\n", 0, at)
            span = hand["find"].count("\n") + 1
            replace = hand["replace"]
            # One edit per line: lines that a replacement removes are left
            # empty, lines it adds join the last one.
            replace += "\n" * max(0, span - 1 - replace.count("\n"))
            old = text.split("\n")
            new = (text[:at] + replace + text[at + len(hand["find"]):]).split("\n")
            after = new[first:first + span - 1] + ["\n".join(new[first + span - 1:len(new) - len(old) + first + span])]
            edits = [Edit(first + k, old[first + k], after[k]) for k in range(span)]
            edits = [e for e in edits if e.before != e.after]
            m = Mutant("", area, path, "hand", edits, hand.get("why", ""))
        m.id = hand["id"]
        mutants.append(m)
    # A rule's mutant that a hand-written one repeats is left out.
    hand_keys = {(m.file, tuple((e.line, e.after) for e in m.edits)) for m in mutants if m.rule == "hand"}
    mutants = [m for m in mutants if m.rule == "hand"
               or (m.file, tuple((e.line, e.after) for e in m.edits)) not in hand_keys]
    # Ids from the mutation itself, so that they outlive unrelated edits.
    seen: dict[str, int] = {}
    for m in mutants:
        if m.rule == "hand":
            continue
        h = stable_hash(*[m.file, m.rule] + [x for e in m.edits for x in (e.before.strip(), e.after.strip())])
        base = f"{RULES[m.rule]}-{h[:5]}"
        seen[base] = seen.get(base, 0) + 1
        m.id = base if seen[base] == 1 else f"{base}.{seen[base]}"
    # Equivalence marks: file + rule + the line before and after; where the
    # same line stands more than once in a file, `occurrence` counts them.
    # A mark with `change` instead marks every mutant of the rule, in the
    # files its pattern matches, whose mutated line has a match of that
    # regular expression where the line before had none: a class of
    # mutants that are all equivalent for one reason.
    for eq in config.get("equivalent", []):
        if "change" in eq:
            change = re.compile(eq["change"])
            hits = [m for m in mutants if fnmatch.fnmatch(m.file, eq["file"]) and m.rule == eq["rule"]
                    and any(len(change.findall(e.after)) > len(change.findall(e.before)) for e in m.edits)]
        else:
            hits = [m for m in mutants if m.file == eq["file"] and m.rule == eq["rule"]
                    and any(e.before.strip() == eq["before"].strip() and e.after.strip() == eq["after"].strip()
                            for e in m.edits)]
        if "occurrence" in eq:
            hits = hits[eq["occurrence"] - 1:eq["occurrence"]]
        for m in hits:
            m.equivalent = " ".join(eq["reason"].split())
        if not hits:
            warnings.append(f"an equivalent mark matches no mutant: {eq['file']} ({eq['rule']}): "
                            f"{eq.get('before', eq.get('change', '')).strip()}")
    return mutants, warnings


# ---------------------------------------------------------------------------
# Running.

KILLS: dict[str, dict[str, int]] = {}
KILLS_LOCK = threading.Lock()
# A QtTest failure (or an unexpected pass): "FAIL!  : Class::function(data tag) message".
FAIL_LINE = re.compile(r"^(?:FAIL!|XPASS) *: (\w+)::(\w+)\((.*)$")


def failed_rows(text: str, tags: dict[str, list[str]]) -> list[tuple[str, str]]:
    """The functions and data rows a QtTest program's output says failed,
    each once, in order. tags: the data tags of each function, as the
    program lists them, to tell a tag from the message after it."""
    rows: list[tuple[str, str]] = []
    for line in text.split("\n"):
        m = FAIL_LINE.match(line)
        if not m:
            continue
        function, rest = m.group(2), m.group(3)
        known = sorted(tags.get(function, []), key=len, reverse=True)
        tag = next((t for t in known if rest.startswith(t + ")")), None)
        if tag is None:
            tag = rest[:rest.find(")")] if ")" in rest else rest
        if (function, tag) not in rows:
            rows.append((function, tag))
    return rows


def test_target(command: list[str]) -> str:
    """The program a ctest command runs: its first word, or the test program
    (or the calculator itself) that a wrapper such as xvfb-run or
    tests/on-weston.sh is given."""
    names = [os.path.basename(word) for word in command]
    programs = [name for name in names if name.startswith("tst_") or name == "quorvane"]
    return programs[0] if programs else names[0]


class Worker:
    """A scratch copy of the tree with its own build directory."""

    def __init__(self, root: Path, index: int, build_jobs: int, log):
        self.dir = root / f"w{index}"
        self.src = self.dir / "src"
        self.build = self.dir / "build"
        self.build_jobs = build_jobs
        self.log = log
        self.tests: list[dict] = []

    def sync(self):
        """Copies the tree's files that differ into the scratch copy (a new
        modification time only for those, so rebuilds stay incremental)."""
        self.src.mkdir(parents=True, exist_ok=True)
        files = tree_files(REPO)
        manifest = self.dir / "files.txt"
        old = set(manifest.read_text().split("\n")) if manifest.exists() else set()
        for path in files:
            a, b = REPO / path, self.src / path
            data = a.read_bytes()
            if not b.exists() or b.read_bytes() != data:
                b.parent.mkdir(parents=True, exist_ok=True)
                b.write_bytes(data)
                shutil.copymode(a, b)
        for path in old - set(files):
            if path and (self.src / path).exists():
                (self.src / path).unlink()
        manifest.write_text("\n".join(files))

    def configure(self):
        if (self.build / "CMakeCache.txt").exists():
            return
        generator = ["-G", "Ninja"] if shutil.which("ninja") else []
        run(["cmake", "-S", str(self.src), "-B", str(self.build), "-DCMAKE_BUILD_TYPE=Release",
             "-DBUILD_TESTING=ON"] + generator, check=True)

    def make(self, target: str | None, timeout: float | None = 1800, jobs: int | None = None) -> tuple[bool, str]:
        cmd = ["cmake", "--build", str(self.build), "-j", str(jobs or self.build_jobs)]
        if target:
            cmd += ["--target", target]
        p = run(cmd, timeout=timeout)
        return p.returncode == 0, p.stdout[-4000:]

    def list_tests(self):
        out = run(["ctest", "--test-dir", str(self.build), "--show-only=json-v1"], check=True).stdout
        tests = []
        for t in json.loads(out)["tests"]:
            props = {p["name"]: p["value"] for p in t.get("properties", [])}
            env = dict(os.environ)
            env["QT_QPA_PLATFORM"] = "offscreen"
            for kv in props.get("ENVIRONMENT", []):
                k, _, v = kv.partition("=")
                env[k] = v
            tests.append({"name": t["name"], "command": t["command"], "env": env,
                          "cwd": props.get("WORKING_DIRECTORY", str(self.build)),
                          "target": test_target(t["command"]), "seconds": 0.0, "tags": {}, "flaky": set()})
        self.tests = tests

    def list_rows(self):
        """The functions and data tags of each QtTest program (-datatags), so
        that a failure line names its row; a function without data has the
        tag ""."""
        listed: dict[str, dict[str, list[str]]] = {}
        for t in self.tests:
            program = next((w for w in t["command"] if os.path.basename(w).startswith("tst_")), None)
            if not program:
                continue
            if program not in listed:
                env = dict(t["env"], QT_QPA_PLATFORM="offscreen")
                p = subprocess.run([program, "-datatags"], cwd=t["cwd"], env=env, stdout=subprocess.PIPE,
                                   stderr=subprocess.DEVNULL, timeout=120)
                tags: dict[str, list[str]] = {}
                for line in p.stdout.decode(errors="replace").split("\n"):
                    words = line.split(" ", 2)
                    if len(words) >= 2 and words[1]:
                        tags.setdefault(words[1], []).append(words[2] if len(words) > 2 else "")
                listed[program] = tags
            t["tags"] = listed[program]

    def run_test(self, test: dict, timeout: float) -> tuple[str, str, float, list[tuple[str, str]]]:
        """passed / failed / crashed / timed out, with the first failure line,
        and the rows that failed (function, data tag); a crash or hang
        before any failure line, or a failure of a program that is no
        QtTest, is the row ("", "")."""
        start = time.monotonic()
        proc = subprocess.Popen(test["command"], cwd=test["cwd"], env=test["env"], stdout=subprocess.PIPE,
                                stderr=subprocess.STDOUT, start_new_session=True)
        try:
            out, _ = proc.communicate(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGKILL)
            out, _ = proc.communicate()
            rows = failed_rows(out.decode(errors="replace"), test["tags"]) or [("", "")]
            return "timed out", f"no end after {timeout:.0f} s", time.monotonic() - start, rows
        seconds = time.monotonic() - start
        text = out.decode(errors="replace")
        if proc.returncode == 0:
            return "passed", "", seconds, []
        rows = failed_rows(text, test["tags"]) or [("", "")]
        if proc.returncode < 0:
            return "crashed", f"signal {-proc.returncode}", seconds, rows
        fail = next((ln.strip() for ln in text.split("\n") if FAIL_LINE.match(ln)), "")
        return "failed", fail[:300], seconds, rows

    def prepare(self, jobs: int):
        """Builds the unmutated tree; the copies are prepared one after the
        other, so each builds with all the jobs (and without a time limit:
        the first build of a copy is a whole one)."""
        self.sync()
        self.configure()
        self.log(f"{self.dir.name}: building the unmutated tree in {self.build} ...")
        ok, out = self.make(None, timeout=None, jobs=jobs)
        if not ok:
            raise SystemExit(f"the unmutated tree does not build:\n{out}")
        self.list_tests()

    def baseline(self, runs: int = 1):
        """Runs every test on the unmutated tree, runs times. A test that
        fails every time stops the campaign; one that fails only sometimes
        is flaky: the functions that failed (or the whole program, where it
        crashed or hung before saying which) are marked, and their kills do
        not count."""
        for t in self.tests:
            states = []
            for _ in range(runs):
                state, detail, seconds, rows = self.run_test(t, 600)
                states.append(state)
                t["seconds"] = max(t["seconds"], seconds)
                if state != "passed":
                    t["flaky"] |= {function for function, _ in rows}
                    self.log(f"unmutated, {t['name']} {state}: {detail or rows}")
            if "passed" not in states:
                raise SystemExit(f"the unmutated tree fails {t['name']}: {state} {detail}")
        self.tests.sort(key=lambda t: t["seconds"])

    def apply(self, m: Mutant) -> str | None:
        """Writes the mutant into the scratch copy; returns the original text,
        or None when the mutant's lines are no longer there."""
        path = self.src / m.file
        original = path.read_text()
        lines = original.split("\n")
        for e in m.edits:
            if e.line < 0 or e.line >= len(lines) or lines[e.line] != e.before:
                return None
        for e in m.edits:
            lines[e.line] = e.after
        path.write_text("\n".join(lines))
        return original

    def try_mutant(self, m: Mutant, timeouts: dict[str, float], matrix: bool = False):
        """Runs the tests on the mutant until one fails; with matrix, runs
        every test and records every row that fails."""
        start = time.monotonic()
        path = self.src / m.file
        original = self.apply(m)
        if original is None:
            m.result, m.detail = "not applicable", "its line is no longer in the source"
            return
        try:
            built = set()
            m.result, m.detail = "survived", "every test passed"
            # The tests that killed most mutants of the area so far go first,
            # but a slow one (the monkey test) always last.
            with KILLS_LOCK:
                kills = dict(KILLS.get(m.area, {}))
            for t in sorted(self.tests, key=lambda t: (t["seconds"] > 5, -kills.get(t["name"], 0), t["seconds"])):
                if t["target"] not in built:
                    ok, out = self.make(t["target"], timeout=1800)
                    built.add(t["target"])
                    if not ok:
                        err = next((ln for ln in out.split("\n") if "error" in ln), "")
                        m.result, m.detail = "not applicable", f"does not compile: {err.strip()[:200]}"
                        m.kills, m.flaky_kills = [], []
                        break
                state, detail, _, rows = self.run_test(t, timeouts[t["name"]])
                if state == "passed":
                    continue
                # A failure counts where it comes again: a row that fails
                # once and passes on a second run is unsteady (timing, load),
                # and is recorded as such, not as a kill.
                again, _, _, rows_again = self.run_test(t, timeouts[t["name"]])
                steady = [r for r in rows if r in rows_again]
                for function, tag in rows + [r for r in rows_again if r not in rows]:
                    flaky = "" in t["flaky"] or function in t["flaky"] or (function, tag) not in steady
                    (m.flaky_kills if flaky else m.kills).append([t["name"], function, tag, state])
                    if (function, tag) not in steady:
                        m.unsteady.append([t["name"], function, tag])
                if not any(k[0] == t["name"] for k in m.kills):
                    continue
                if m.result != "killed":
                    with KILLS_LOCK:
                        area = KILLS.setdefault(m.area, {})
                        area[t["name"]] = area.get(t["name"], 0) + 1
                    m.result = "killed"
                    m.detail = f"{t['name']} {state}" + (f": {detail}" if detail else "")
                if not matrix:
                    break
            if m.result == "survived" and m.flaky_kills:
                m.detail = "only flaky tests failed: " + ", ".join(sorted({k[0] for k in m.flaky_kills}))
            elif matrix and m.result == "killed":
                m.detail = f"{len(m.kills)} rows of {len({k[0] for k in m.kills})} tests failed; first {m.detail}"
        finally:
            path.write_text(original)
            m.seconds = time.monotonic() - start


def run(cmd, check=False, timeout=None):
    p = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout)
    p.stdout = p.stdout.decode(errors="replace")
    if check and p.returncode != 0:
        raise SystemExit(f"{' '.join(cmd)} failed:\n{p.stdout}")
    return p


# ---------------------------------------------------------------------------
# Reporting.

def describe(m: Mutant) -> str:
    lines = [f"{m.id:12} {m.area:16} {m.result or ('equivalent' if m.equivalent else '')}"]
    for e in m.edits:
        where = f"{m.file}:{e.line + 1}" if e.line >= 0 else m.file
        lines.append(f"    {where} ({m.rule})")
        lines.append(f"      - {e.before.strip()}")
        lines.append(f"      + {e.after.strip()}")
    if m.note:
        lines.append(f"    why: {m.note}")
    if m.equivalent:
        lines.append(f"    equivalent: {m.equivalent}")
    if m.detail:
        lines.append(f"    {m.detail}")
    return "\n".join(lines)


def scores(mutants: list[Mutant], areas: list[str]) -> list[str]:
    out = []
    for area in areas + ["all"]:
        ms = [m for m in mutants if area == "all" or m.area == area]
        if not ms:
            continue
        killed = sum(m.result == "killed" for m in ms if not m.equivalent)
        survived = sum(m.result == "survived" for m in ms if not m.equivalent)
        na = sum(m.result == "not applicable" for m in ms)
        eq = sum(bool(m.equivalent) for m in ms)
        applicable = killed + survived
        pct = f"{100.0 * killed / applicable:.1f}%" if applicable else "-"
        out.append(f"{area:16} {killed:4} killed of {applicable:4} non-equivalent applicable ({pct}); "
                   f"{survived} survived, {eq} equivalent, {na} not applicable")
    return out


def rule_counts(mutants: list[Mutant], areas: list[str]) -> list[str]:
    rules = list(RULES)
    head = f"{'rule':17}" + "".join(f"{a[:16]:>18}" for a in areas) + f"{'all':>8}"
    out = [head]
    for r in rules:
        row = [sum(1 for m in mutants if m.rule == r and m.area == a) for a in areas]
        if sum(row):
            out.append(f"{r:17}" + "".join(f"{c:18}" for c in row) + f"{sum(row):8}")
    out.append(f"{'all':17}" + "".join(f"{sum(1 for m in mutants if m.area == a):18}" for a in areas)
               + f"{len(mutants):8}")
    return out


# ---------------------------------------------------------------------------
# The kill matrix: which test rows kill which mutants.

def whole(program: str) -> str:
    return f"{program} (as a whole)"


def discount_unsteady(mutants: list[Mutant], tests: list[dict]):
    """A test function that failed on some mutant and passed on a second run
    of the same is timing-dependent: none of its kills count, on any mutant.
    (A whole program that crashed or hung only once is not marked so: the
    mutant may be what made it unsteady.)"""
    unsteady = {(test, function) for m in mutants for test, function, _ in m.unsteady if function}
    for t in tests:
        t["unsteady"] = {function for test, function in unsteady if test == t["name"]}
    for m in mutants:
        gone = [k for k in m.kills if (k[0], k[1]) in unsteady]
        if not gone:
            continue
        m.kills = [k for k in m.kills if (k[0], k[1]) not in unsteady]
        m.flaky_kills += gone
        if m.result == "killed" and not m.kills:
            m.result = "survived"
            m.detail = "only flaky tests failed: " + ", ".join(sorted({k[0] for k in m.flaky_kills}))


def matrix_levels(mutants: list[Mutant], tests: list[dict]) -> tuple[dict, dict]:
    """For the tests (ctest tests), functions (program::function, over every
    ctest test that runs the program) and rows (program::function(tag)): the
    mutants each kills, and every one known (those that kill nothing too)."""
    # A QtTest program by its name, another test (a script, the calculator started) by the test's.
    target = {t["name"]: t["target"] if t["tags"] else t["name"] for t in tests}
    kills: dict[str, dict[str, set[str]]] = {"test": {}, "function": {}, "row": {}}
    known: dict[str, set[str]] = {"test": set(target), "function": set(), "row": set()}
    for t in tests:
        if not t["tags"]:
            known["function"].add(whole(t["name"]))
            known["row"].add(whole(t["name"]))
        for function, tags in t["tags"].items():
            known["function"].add(f"{t['target']}::{function}")
            known["row"] |= {f"{t['target']}::{function}({tag})" for tag in tags}
    for m in mutants:
        if m.result != "killed" or m.equivalent:
            continue
        for test, function, tag, _ in m.kills:
            program = target.get(test, test)
            fn = f"{program}::{function}" if function else whole(program)
            row = f"{fn}({tag})" if function else fn
            for level, name in (("test", test), ("function", fn), ("row", row)):
                kills[level].setdefault(name, set()).add(m.id)
                known[level].add(name)
    return kills, known


def analyse(kills: dict[str, set[str]]) -> dict:
    """Each entity's kills that no other makes, and those with none (each of
    their kills also made by another). A small set that keeps every kill:
    those with a kill of their own, then, greedily, the one that adds most;
    the others could go together, each merged into one kept that makes all
    its kills where there is one. And the mutants that would survive if
    every entity without a kill of its own went at once (two that make the
    same kills have none of their own)."""
    killers: dict[str, set[str]] = {}
    for e, ms in kills.items():
        for m in ms:
            killers.setdefault(m, set()).add(e)
    unique = {e: {m for m in ms if killers[m] == {e}} for e, ms in kills.items()}
    redundant = sorted(e for e in kills if not unique[e])
    keep = sorted(e for e in kills if unique[e])
    left = set(killers) - {m for e in keep for m in kills[e]}
    while left:
        best = max(sorted(kills), key=lambda e: (len(kills[e] & left), len(kills[e])))
        keep.append(best)
        left -= kills[best]
    kept = set(keep)
    go = sorted(e for e in kills if e not in kept)
    merge = {}
    for e in go:
        wider = [o for o in keep if kills[o] >= kills[e]]
        if wider:
            merge[e] = max(wider, key=lambda o: (len(kills[o]), o))
    lost = {m for m, es in killers.items() if all(not unique[e] for e in es)}
    return {"unique": unique, "redundant": redundant, "keep": keep, "go": go, "merge": merge, "lost": lost}


def matrix_report(mutants: list[Mutant], tests: list[dict]) -> tuple[list[str], dict]:
    kills, known = matrix_levels(mutants, tests)
    killed = [m for m in mutants if m.result == "killed" and not m.equivalent]
    applicable = [m for m in mutants if m.result in ("killed", "survived") and not m.equivalent]
    only_flaky = [m for m in mutants if m.result == "survived" and m.flaky_kills and not m.equivalent]
    out = ["Kill matrix (every test run on every mutant; build-mutate/matrix.json):", ""]
    flaky = sorted(f"{t['name']}: " + ("the whole program" if "" in t["flaky"] else ", ".join(sorted(t["flaky"])))
                   for t in tests if t["flaky"])
    out.append("Flaky (failed in one of the two unmutated runs; their kills do not count): "
               + ("; ".join(flaky) if flaky else "none"))
    unsteady = sorted(f"{t['name']}: " + ", ".join(sorted(t.get("unsteady", ())))
                      for t in tests if t.get("unsteady"))
    out.append("Timing-dependent (failed on a mutant and passed on a second run of it; their kills do not count): "
               + ("; ".join(unsteady) if unsteady else "none"))
    out.append(f"Score: {len(killed)} killed of {len(applicable)}; counting the flaky tests' failures too, "
               f"{len(killed) + len(only_flaky)} ({len(only_flaky)} mutants failed only flaky tests)")
    rows_per = [len({(k[0], k[1], k[2]) for k in m.kills}) for m in killed]
    if rows_per:
        rows_per.sort()
        out.append(f"Rows failing per killed mutant: median {rows_per[len(rows_per) // 2]}, "
                   f"fewest {rows_per[0]}, most {rows_per[-1]}")
    summary: dict = {}
    for level, title in (("test", "test (ctest)"), ("function", "test function"), ("row", "test row")):
        a = analyse(kills[level])
        summary[level] = a
        some = len(kills[level])
        out += ["", f"By {title}: {len(known[level])} known, {some} kill a mutant, "
                f"{sum(1 for e in kills[level] if a['unique'][e])} kill one that no other {level} kills; "
                f"{len(a['redundant'])} kill only what others kill too, "
                f"{len(known[level]) - some} kill nothing."]
        if level != "row":
            out.append(f"  {'kills':>6} {'alone':>6}  {level}")
            for e in sorted(known[level], key=lambda e: (-len(kills[level].get(e, ())), e)):
                n = len(kills[level].get(e, ()))
                out.append(f"  {n:6} {len(a['unique'].get(e, ())):6}  {e}")
        lost = len(a["lost"])
        out.append(f"  Without all {len(a['redundant'])} that kill only what others kill too, {len(killed) - lost} "
                   f"of {len(applicable)} would be killed (where two make the same kills, neither has one of its "
                   f"own). Keeping {len(a['keep'])} of the {some} that kill keeps every kill "
                   f"({len(killed)} of {len(applicable)}); the other {len(a['go'])} could go together, each merged "
                   f"into the one kept that makes all its kills where there is one:")
        for e in a["go"]:
            into = a["merge"].get(e)
            out.append(f"    {e} ({len(kills[level][e])})" + (f": into {into}" if into else ": each kill made by one kept"))
        if level == "row":
            nothing: dict[str, int] = {}
            for e in known[level] - set(kills[level]):
                fn = e.split("(")[0] if "::" in e else e
                nothing[fn] = nothing.get(fn, 0) + 1
            out += textwrap.wrap("Rows that kill nothing here, by function: "
                                 + ", ".join(f"{fn} {n}" for fn, n in sorted(nothing.items())),
                                 width=110, initial_indent="  ", subsequent_indent="    ")
    data = {
        "tests": [{"name": t["name"], "program": t["target"], "seconds": round(t["seconds"], 1),
                   "flaky": sorted(t["flaky"]), "unsteady": sorted(t.get("unsteady", ()))} for t in tests],
        "mutants": [{"id": m.id, "area": m.area, "file": m.file, "rule": m.rule, "result": m.result,
                     "kills": m.kills, "flaky_kills": m.flaky_kills, "unsteady": m.unsteady} for m in mutants],
        "levels": {level: {"kills": {e: sorted(ms) for e, ms in sorted(kills[level].items())},
                           "kill nothing": sorted(known[level] - set(kills[level])),
                           "alone": {e: sorted(ms) for e, ms in sorted(summary[level]["unique"].items()) if ms},
                           "only what others kill": summary[level]["redundant"],
                           "keeps every kill": summary[level]["keep"],
                           "could go": summary[level]["go"],
                           "merge into": summary[level]["merge"]}
                   for level in kills},
    }
    return out, data


def main() -> int:
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--list", action="store_true", help="print the mutants and their counts, run nothing")
    ap.add_argument("--area", action="append", help="only this area (repeatable)")
    ap.add_argument("--rule", action="append", help="only this rule (repeatable)")
    ap.add_argument("--file", action="append", help="only files matching this pattern (repeatable)")
    ap.add_argument("--all", action="store_true", help="every mutant the rules give, not only the "
                    "campaign's (each area's budget in mutants.toml)")
    ap.add_argument("--only", nargs="+", metavar="ID", help="only these mutants (from all the rules give)")
    ap.add_argument("--sample", type=int, help="only this many mutants, drawn at random")
    ap.add_argument("--seed", type=int, default=1, help="for --sample (default 1)")
    ap.add_argument("--jobs", type=int, default=2, help="mutants run side by side, each in its own scratch "
                    "copy (default 2: one builds while the other runs tests); the build jobs are shared among them")
    ap.add_argument("--build-jobs", type=int, default=2, help="compiler processes in all (default 2)")
    ap.add_argument("--tests", nargs="+", metavar="NAME", help="run only these ctest tests (to see what "
                    "they kill on their own)")
    ap.add_argument("--check-equivalent", action="store_true", help="run the mutants marked equivalent too")
    ap.add_argument("--matrix", action="store_true", help="run every test on every mutant and record which "
                    "test functions and data rows fail (build-mutate/matrix.json, and a summary in the report); "
                    "the unmutated tests run twice first, and the kills of a test that failed there do not count")
    ap.add_argument("--scratch", type=Path, help="where the scratch copies live "
                    "(default /tmp/quorvane-mutate/<hash of the tree's path>)")
    ap.add_argument("--report", type=Path, default=REPO / "build-mutate" / "report.txt")
    args = ap.parse_args()

    config = load_config()
    areas = [a["name"] for a in config.get("area", [])]
    mutants, warnings = all_mutants(config)
    for w in warnings:
        print("warning:", w, file=sys.stderr)
    chosen = mutants if args.all or args.only else campaign(mutants, config)
    standing = len(chosen)
    if args.area:
        chosen = [m for m in chosen if m.area in args.area]
    if args.rule:
        chosen = [m for m in chosen if m.rule in args.rule]
    if args.file:
        chosen = [m for m in chosen if any(fnmatch.fnmatch(m.file, p) for p in args.file)]
    if args.only:
        unknown = set(args.only) - {m.id for m in mutants}
        if unknown:
            raise SystemExit("no such mutant: " + " ".join(sorted(unknown)))
        chosen = [m for m in chosen if m.id in args.only]
    if args.sample is not None and args.sample < len(chosen):
        chosen = random.Random(args.seed).sample(chosen, args.sample)

    if args.list:
        for m in chosen:
            print(describe(m))
        print()
        print("\n".join(rule_counts(chosen, areas)))
        eq = sum(bool(m.equivalent) for m in chosen)
        print(f"{len(chosen)} mutants, {eq} of them marked equivalent")
        return 0

    to_run = [m for m in chosen if not m.result and (args.check_equivalent or not m.equivalent)]
    for m in chosen:
        if m.equivalent and not args.check_equivalent and not m.result:
            m.result = "equivalent"
    # Mutants of one file run together: the file is rebuilt once when put back.
    groups: dict[str, list[Mutant]] = {}
    for m in sorted(to_run, key=lambda m: (m.file, m.edits[0].line)):
        groups.setdefault(m.file, []).append(m)
    # Headers, which rebuild most, and bigger groups first, so that the
    # scratch copies finish together.
    groups = dict(sorted(groups.items(), key=lambda g: (not g[0].endswith(".h"), -len(g[1]))))

    scratch = args.scratch or Path("/tmp/quorvane-mutate") / hashlib.sha1(str(REPO).encode()).hexdigest()[:10]
    scratch.mkdir(parents=True, exist_ok=True)
    lock = open(scratch / "lock", "w")
    try:
        fcntl.flock(lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
    except BlockingIOError:
        raise SystemExit(f"another mutation run is using {scratch}")

    jobs = max(1, min(args.jobs, len(groups) or 1))
    print_lock = threading.Lock()

    def log(text: str):
        with print_lock:
            print(text, flush=True)

    commit = run(["git", "-C", str(REPO), "rev-parse", "--short", "HEAD"]).stdout.strip()
    dirty = run(["git", "-C", str(REPO), "status", "--porcelain", "--untracked-files=no"]).stdout.strip()
    started = time.monotonic()
    workers = [Worker(scratch, k, max(1, args.build_jobs // jobs), log) for k in range(jobs)]
    for w in workers:
        w.prepare(args.build_jobs)
    if args.tests:
        unknown = set(args.tests) - {t["name"] for t in workers[0].tests}
        if unknown:
            raise SystemExit("no such test: " + " ".join(sorted(unknown)))
        for w in workers:
            w.tests = [t for t in w.tests if t["name"] in args.tests]
    workers[0].list_rows()
    workers[0].baseline(runs=2 if args.matrix else 1)
    order = [t["name"] for t in workers[0].tests]
    first = {t["name"]: t for t in workers[0].tests}
    seconds = {name: t["seconds"] for name, t in first.items()}
    # A mutant that makes a test hang is killed; the limit leaves room for a loaded machine.
    timeouts = {name: max(10.0, 10 * s) for name, s in seconds.items()}
    for w in workers[1:]:
        for t in w.tests:
            t.update({k: first[t["name"]][k] for k in ("seconds", "tags", "flaky")})
    log("tests, quickest first: " + ", ".join(f"{n} {seconds[n]:.1f}s" for n in order))
    if args.matrix:
        log("flaky: " + (", ".join(f"{n} {sorted(t['flaky'])}" for n, t in first.items() if t["flaky"]) or "none"))

    work: queue.Queue = queue.Queue()
    for g in groups.values():
        work.put(g)
    done = [0]
    total = len(to_run)

    def serve(w: Worker):
        while True:
            try:
                group = work.get_nowait()
            except queue.Empty:
                return
            for m in group:
                w.try_mutant(m, timeouts, args.matrix)
                with print_lock:
                    done[0] += 1
                    line = m.edits[0].line + 1
                    print(f"[{done[0]}/{total}] {m.id} {m.file}:{line} {m.rule}: {m.result}"
                          f" ({m.detail}) {m.seconds:.1f}s", flush=True)

    threads = [threading.Thread(target=serve, args=(w,)) for w in workers]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    elapsed = time.monotonic() - started

    partial = len(chosen) != standing
    head = [f"Mutation testing of {commit}{' with local changes' if dirty else ''}, "
            f"{datetime.datetime.now():%Y-%m-%d %H:%M}",
            f"{len(chosen)} mutants{' (a selection of ' + str(standing) + ')' if partial else ''}, "
            f"{len(to_run)} run in {elapsed / 60:.1f} min ({jobs} scratch cop{'y' if jobs == 1 else 'ies'}, "
            f"{args.build_jobs} build jobs)", ""]
    if args.matrix:
        discount_unsteady(chosen, workers[0].tests)
    body = ["Scores (killed / non-equivalent applicable):"] + scores(chosen, areas) + [""]
    body += ["Mutants per rule and area:"] + rule_counts(chosen, areas) + [""]
    if args.matrix:
        summary, data = matrix_report(chosen, workers[0].tests)
        body += summary + [""]
        data = {"commit": commit + (" with local changes" if dirty else ""),
                "date": f"{datetime.datetime.now():%Y-%m-%d %H:%M}", **data}
        args.report.parent.mkdir(parents=True, exist_ok=True)
        (args.report.parent / "matrix.json").write_text(json.dumps(data, indent=1))
    for title, sel in (("SURVIVED", lambda m: m.result == "survived" and not m.equivalent),
                       ("MARKED EQUIVALENT BUT KILLED (the mark is wrong, or a test restates the code)",
                        lambda m: m.equivalent and m.result == "killed"),
                       ("NOT APPLICABLE", lambda m: m.result == "not applicable"),
                       ("EQUIVALENT", lambda m: m.equivalent and m.result != "killed"),
                       ("KILLED", lambda m: m.result == "killed" and not m.equivalent)):
        sel_ms = [m for m in chosen if sel(m)]
        if sel_ms:
            body += [f"{title} ({len(sel_ms)})", ""] + [describe(m) + "\n" for m in sel_ms]
    report = "\n".join(head + body)
    args.report.parent.mkdir(parents=True, exist_ok=True)
    args.report.write_text(report)
    args.report.with_suffix(".json").write_text(json.dumps(
        [{"id": m.id, "area": m.area, "file": m.file, "rule": m.rule, "result": m.result, "detail": m.detail,
          "equivalent": m.equivalent, "seconds": round(m.seconds, 1),
          "edits": [{"line": e.line + 1, "before": e.before, "after": e.after} for e in m.edits]}
         for m in chosen], indent=1))
    print()
    print("\n".join(head[:2] + scores(chosen, areas)))
    if args.matrix:
        print("\n".join(line for line in summary if not line.startswith("    ")))
    print(f"report: {args.report}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
