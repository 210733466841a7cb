// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formdesign.h"

#include "calculatorwindow.h"

namespace qv::windows {
namespace {

// A label's caption as the name of the field it leads over to.
std::string leadIn(std::string_view caption)
{
    // Runs of blanks as one space, none around.
    std::string words;
    for (const char c : caption) {
        const bool blank = c == ' ' || c == '\t' || c == '\n';
        if (blank && (words.empty() || words.back() == ' '))
            continue;
        words += blank ? ' ' : c;
    }
    while (!words.empty() && (words.back() == ' ' || words.back() == ':'))
        words.pop_back();
    if (words.size() > 3 && words.compare(words.size() - 3, 3, " is") == 0)
        words.resize(words.size() - 3);
    while (!words.empty() && words.back() == ' ')
        words.pop_back();
    return words;
}

} // namespace

std::string userName(const FormDesign& design, const char* field, const Translate& translate)
{
    const Control* f = findControl(design, field);
    if (f && f->accessibleName)
        return words(translate, "Accessible name", f->accessibleName);
    for (const Control& c : design.controls)
        if (c.kind == ControlKind::Label && c.names && detail::sameName(c.names, field))
            return leadIn(c.caption);
    return field;
}

std::string failureMessage(const FormDesign& design, Program program, const formula::Outcome& outcome,
                           const formula::Sheet& fields, const NumberLocale& locale, const Explanation& explains,
                           const std::function<bool(const char* field)>& hidden, const Translate& translate)
{
    const Failure& failure = *outcome.failure;
    FailurePlace place;
    if (const formula::Field* f = formula::failedField(program, outcome)) {
        place.name = userName(design, f->name, translate);
        place.hidden = hidden && hidden(f->name);
        if (failure.reading())
            place.text = fields.text(*f);
    }
    if (explains.words && explains.cause == failure.cause())
        place.because = words(translate, "Explanation", explains.words);
    return describe(failure, locale, place, translate);
}

} // namespace qv::windows
