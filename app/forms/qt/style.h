// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QApplication;
class QPixmap;
class QString;

namespace forms::qt {

// Gives the application the look its window designs were drawn for: the same style on every
// desktop, a small sans-serif font whose widths fit the designs, and compact indicators.
void SetUpLook(QApplication& application);

// Reads a PNG image. Naming the format, with no guessing, keeps Qt from loading every image
// format plugin it has to ask each one whether it reads the file: a tenth of the start-up time.
QPixmap PngPixmap(const QString& path);

// One of the program's pictures, by the name a window design gives it.
QPixmap Picture(const char* name);

}  // namespace forms::qt
