// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The keys a window handles before its controls: Tab, the arrows in an option group and the
// access keys, each passed to the shared rules.
#include "keys.h"

#include "window.h"

namespace forms {
namespace qt {

std::optional<keyboard::Arrow> ArrowOf(int key) {
  switch (key) {
    case Qt::Key_Up:
      return keyboard::Arrow::Up;
    case Qt::Key_Down:
      return keyboard::Arrow::Down;
    case Qt::Key_Left:
      return keyboard::Arrow::Left;
    case Qt::Key_Right:
      return keyboard::Arrow::Right;
    default:
      return std::nullopt;
  }
}

std::optional<char16_t> AccessLetterOf(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
  if (!(modifiers & Qt::AltModifier) || (modifiers & Qt::ControlModifier)) return std::nullopt;
  // The key, not its text: with Alt held, X11 and the offscreen platform differ in the text.
  const int key = event.key();
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
    return static_cast<char16_t>(key);
  const QString text = event.text();
  if (text.size() == 1 && text.front().isLetterOrNumber()) return text.front().unicode();
  return std::nullopt;
}

}  // namespace qt

// Qt's chain of widgets would stop on every option button; the shared rule stops once on a group.
bool NativeForm::focusNextPrevChild(bool next) { return form_.TabKey(!next); }

void NativeForm::keyPressEvent(QKeyEvent* event) {
  // An access key no control took (boxes and buttons pass Alt with a letter on to the window).
  if (const auto letter = qt::AccessLetterOf(*event); letter && form_.AccessKey(*letter)) {
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace forms
