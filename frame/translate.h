// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words of core/ and windows/ in the user's language.
#pragma once

#include "words.h"

namespace qv::frame {

// A Translate (see words.h) through the catalogues start-up installed in
// the application (QCoreApplication::translate): the English where there is
// none for the user's language.
const Translate& translated();

} // namespace qv::frame
