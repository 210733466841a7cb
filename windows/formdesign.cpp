// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formdesign.h"

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

} // namespace qv::windows
