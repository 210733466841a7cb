// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words the program writes itself, in the user's language. Each is an
// English pattern, marked where it is written with
// QT_TRANSLATE_NOOP(context, "pattern"), the marker Qt's lupdate collects
// into the catalogues (here, without Qt, the marker is the pattern itself),
// and given to the user through a Translate, which start-up makes from the
// catalogue of the user's language; without one, the English. A pattern
// holds %1, %2, ... for the numbers and names it speaks of, in whatever
// order a language needs them: no sentence is joined from pieces in code.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace qv {

// The pattern in the user's language: (context, English) -> translation.
using Translate = std::function<std::string(const char* context, const char* english)>;

// The pattern translated (the English where translate is empty, or gives
// nothing), with %1, %2, ... replaced by the arguments in turn; a % not
// followed by the number of an argument stays as it is, and so does a digit
// after anything but %.
//   words({}, "Failure", "%1 \u00f7 %2 has no value", {"0", "0"}) == "0 ÷ 0 has no value"
//   words({}, "Failure", "%2 before %1", {"a", "b"}) == "b before a"
//   words({}, "Note", "%3 of 100% at 22/7, %", {"a", "b"}) == "%3 of 100% at 22/7, %"
//   words({}, "Note", "%9%1", {"1", "2", "3", "4", "5", "6", "7", "8", "9"}) == "91"
std::string words(const Translate& translate, const char* context, const char* english,
                  std::initializer_list<std::string_view> arguments = {});

} // namespace qv
