// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "font.h"

#include <QFont>
#include <QWidget>

namespace forms::qt {

void ApplyFont(QWidget& widget, const Extras& extras) {
  if (!extras.fontFamily && extras.fontPoints <= 0 && !extras.bold) return;
  QFont font = widget.font();
  if (extras.fontFamily) font.setFamilies({QString::fromUtf8(extras.fontFamily)});
  if (extras.fontPoints > 0) font.setPointSizeF(extras.fontPoints);
  if (extras.bold) font.setBold(true);
  widget.setFont(font);
}

}  // namespace forms::qt
