// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QSize>

namespace forms::qt {

// Keeps a window at the size the program last gave it, or the user last dragged it to, against
// a window system that sends an old size again. A Wayland compositor (sway's wlroots) sends the
// size of its own last request with every later change of state, such as the window losing the
// keyboard to another window, not the size the window has taken since; Qt obeys each one.
class HeldSize {
 public:
  // The program sizes the window: resizes while `resize` runs are its own.
  template <class Resize>
  void Set(QSize size, Resize&& resize) {
    held_ = size;
    own_ = true;
    resize();
    own_ = false;
  }

  // The window is shown at `size`: the window system's first request is that size.
  void Shown(QSize size) {
    if (!lastRequest_) lastRequest_ = size;
  }

  // The window was resized to `size`. Returns the size to put back when the window system only
  // repeated its last request, which the program has since changed; any other size the window
  // system gives (the user's drag) becomes the size held.
  std::optional<QSize> Resized(QSize size);

  QSize Held() const { return held_; }

 private:
  QSize held_;
  std::optional<QSize> lastRequest_;
  bool own_ = false;
};

}  // namespace forms::qt
