// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "process_end.h"

#include <cstdlib>

#include <QGuiApplication>

namespace forms::qt {

void EndWhereTearDownMayHang(int status) {
  // Qt's Wayland client (6.4) now and then hangs in its tear-down, waiting for its event thread
  // to stop reading the display, and the closed program never ends. Every window is gone and
  // nothing is left to save, so the process ends here. X11 keeps its tear-down: that is where Qt
  // hands the clipboard's text to a clipboard manager.
  if (QGuiApplication::platformName() == QLatin1String("wayland")) std::exit(status);
}

}  // namespace forms::qt
