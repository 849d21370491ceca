// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QWidget>

#include "controls.h"

namespace forms::qt {

// A design's line: one pixel of the window text colour from its start to its end, the widget
// spanning the two, transparent to the mouse.
class LineWidget : public QWidget, public NativeControl {
 public:
  LineWidget(QWidget* parent, QPoint from, QPoint to);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint from_;
  QPoint to_;
};

}  // namespace forms::qt
