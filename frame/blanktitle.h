// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows whose title is empty.
#pragma once

class QWidget;

namespace qv::frame {

// Shows the window's empty title as empty. For an empty title Qt gives the
// window system the application's name, so "quorvane" would stand in the
// title bar; on X11 the empty title is written over it whenever the window is
// shown, before it is mapped. Elsewhere this does nothing.
void keepTitleBlank(QWidget* window);

} // namespace qv::frame
