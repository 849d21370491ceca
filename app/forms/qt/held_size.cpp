// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "held_size.h"

namespace forms::qt {

std::optional<QSize> HeldSize::Resized(QSize size) {
  if (own_) return std::nullopt;
  const bool repeated = lastRequest_ == size && size != held_;
  lastRequest_ = size;
  if (repeated) return held_;
  held_ = size;
  return std::nullopt;
}

}  // namespace forms::qt
