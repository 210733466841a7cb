// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "words.h"

namespace qv {

std::string words(const Translate& translate, const char* context, const char* english,
                  std::initializer_list<std::string_view> arguments)
{
    std::string pattern = translate ? translate(context, english) : std::string();
    if (pattern.empty())
        pattern = english;
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t n = std::size_t(pattern[i + 1] - '1');
            if (n < arguments.size()) {
                out += *(arguments.begin() + n);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace qv
