// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace forms::qt {

// Once the last window is gone, ends the process with `status` where tearing the application
// object down may hang; elsewhere it returns, and the tear-down runs as usual. Call it with the
// application object still alive.
void EndWhereTearDownMayHang(int status);

}  // namespace forms::qt
