// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The design tables of the windows, as the frame builds widgets from them.
#pragma once

#include "formdesign.h"

namespace qv::frame {

using windows::Control;
using windows::ControlKind;
using windows::Font;
using windows::FormDesign;
using windows::StandIn;
using windows::ToolkitDefault;

} // namespace qv::frame
