// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/design.h"
#include "win_api.h"

namespace forms::win32 {

// The face a design assumes, 8-point "MS Sans Serif", or the face, size and weight a control's
// extras name, at `dpi`.
HFONT CreateDesignFont(const Extras& extras, UINT dpi);

}  // namespace forms::win32
