// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translate.h"

#include <QCoreApplication>

namespace qv::frame {

const Translate& translated()
{
    static const Translate translate = [](const char* context, const char* english) {
        return QCoreApplication::translate(context, english).toStdString();
    };
    return translate;
}

} // namespace qv::frame
