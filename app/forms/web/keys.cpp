// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's events, handed to the shared rules and to the controls' handlers: the keys a window
// takes before its controls (Tab, the access keys, the arrows in an option group), clicks, and
// each character typed into a box.
#include <emscripten.h>

#include <cstdint>

#include "forms/key_code.h"
#include "forms/native.h"
#include "window.h"

extern "C" {

EMSCRIPTEN_KEEPALIVE int velmara_web_tab(int form, int backwards) {
  forms::NativeForm* window = forms::NativeForm::FromId(form);
  return window && window->Enabled() && window->Api().TabKey(backwards != 0) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int velmara_web_access_key(int form, int letter) {
  forms::NativeForm* window = forms::NativeForm::FromId(form);
  return window && window->Api().AccessKey(static_cast<char16_t>(letter)) ? 1 : 0;
}

// 0 Up, 1 Down, 2 Left, 3 Right.
EMSCRIPTEN_KEEPALIVE int velmara_web_arrow(int form, int arrow) {
  forms::NativeForm* window = forms::NativeForm::FromId(form);
  if (!window || !window->Enabled() || arrow < 0 || arrow > 3) return 0;
  constexpr forms::keyboard::Arrow kArrows[] = {
      forms::keyboard::Arrow::Up, forms::keyboard::Arrow::Down, forms::keyboard::Arrow::Left,
      forms::keyboard::Arrow::Right};
  return window->Api().ArrowKey(kArrows[arrow]) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void velmara_web_click(int control) {
  forms::NativeControl* clicked = forms::NativeControl::FromId(control);
  if (clicked && !clicked->Form().Api().IsUnloading())
    static_cast<forms::Clickable&>(clicked->Api()).FireClick();
}

namespace {

// The code the box's KeyPress handler leaves for `code`; 0 discards the key.
int KeyPress(int control, std::int16_t code) {
  forms::NativeControl* box = forms::NativeControl::FromId(control);
  if (!box || box->Row().kind != forms::Kind::TextBox) return code;
  return static_cast<std::uint16_t>(static_cast<forms::TextBox&>(box->Api()).FireKeyPress(code));
}

}  // namespace

// A character typed into a box, by its code point: the code its KeyPress handler leaves.
EMSCRIPTEN_KEEPALIVE int velmara_web_key_press(int control, int character) {
  return KeyPress(control, forms::KeyCodeOfCharacter(static_cast<char32_t>(character)));
}

// A key that types no character of its own, in a box: Ctrl with a letter (`letter`), or
// `named` 1 Backspace, 2 Enter, 3 Escape. 1 when the KeyPress handler discarded it.
EMSCRIPTEN_KEEPALIVE int velmara_web_key_down(int control, int letter, int named) {
  constexpr forms::ControlKey kNamed[] = {forms::ControlKey::Backspace, forms::ControlKey::Enter,
                                          forms::ControlKey::Escape};
  std::int16_t code = 0;
  if (letter != 0) {
    code = forms::KeyCodeOfControlLetter(static_cast<char32_t>(letter));
  } else if (named >= 1 && named <= 3) {
    code = forms::KeyCodeOf(kNamed[named - 1]);
  } else {
    return 0;
  }
  return KeyPress(control, code) == 0 ? 1 : 0;
}
}
