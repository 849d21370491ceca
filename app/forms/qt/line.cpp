// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "line.h"

#include <QPainter>

namespace forms::qt {

LineWidget::LineWidget(QWidget* parent, QPoint from, QPoint to)
    : QWidget(parent), NativeControl(this), from_(from), to_(to) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  painter.drawLine(from_, to_);
}

}  // namespace forms::qt
