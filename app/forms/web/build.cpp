// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A window and its controls as the page's elements, from the window's design table.
#include <algorithm>

#include "dom.h"
#include "forms/native.h"
#include "window.h"

namespace forms::native {

NativeForm* CreateForm(Form& form, const FormDesign& design) {
  return new NativeForm(form, design);
}

NativeControl& CreateControl(NativeForm& window, const ControlDesign& row, NativeControl* container,
                             Control& control) {
  NativeControl& native = window.Adopt(row, control);
  const Extras& x = row.extras;
  int left = PixelsFromTwips(row.left);
  int top = PixelsFromTwips(row.top);
  int width = PixelsFromTwips(row.width);
  int height = PixelsFromTwips(row.height);
  if (row.kind == Kind::Line) {
    // The element spans the line from its start to its end, both ends drawn.
    const int x2 = PixelsFromTwips(x.x2);
    const int y2 = PixelsFromTwips(x.y2);
    width = std::abs(x2 - left) + 1;
    height = std::abs(y2 - top) + 1;
    const int x0 = std::min(left, x2);
    const int y0 = std::min(top, y2);
    velmara_dom_control(window.Id(), native.Id(), container ? container->Id() : -1,
                        static_cast<int>(row.kind), row.name, "", x0, y0, width, height);
    velmara_dom_line(native.Id(), left - x0, top - y0, x2 - x0, y2 - y0);
    return native;
  }
  // An option group is the option buttons of one container.
  velmara_dom_control(window.Id(), native.Id(), container ? container->Id() : -1,
                      static_cast<int>(row.kind), row.name, row.container ? row.container : "",
                      left, top, width, height);
  velmara_dom_style(native.Id(), static_cast<int>(x.alignment), x.maxLength, x.readOnly ? 1 : 0,
                    x.border ? 1 : 0, x.transparent ? 1 : 0);
  if (x.fontFamily || x.fontPoints > 0 || x.bold)
    velmara_dom_font(native.Id(), x.fontFamily, x.fontPoints, x.bold ? 1 : 0);
  if (x.toolTip) velmara_dom_tooltip(native.Id(), x.toolTip);
  if (x.picture) velmara_dom_picture(native.Id(), x.picture);
  SetText(native, StringFromUtf8(row.caption ? row.caption : ""));
  if (x.selected) velmara_dom_check(native.Id(), 1);
  return native;
}

// Each element has its place as it is made: nothing is left to place.
void Built(NativeForm&) {}

}  // namespace forms::native
