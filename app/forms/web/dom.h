// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The page's side of the web home (dom.js): windows and controls by number, as the page's own
// elements. Texts are UTF-8. A control's kind is the number of its forms::Kind.
extern "C" {

void velmara_dom_form(int form, const char* name, const char* caption, int sizable, int width,
                      int height, int frame);
void velmara_dom_form_remove(int form);
void velmara_dom_form_show(int form, int shown);
void velmara_dom_form_enable(int form, int enabled);
void velmara_dom_form_height(int form, int height);

void velmara_dom_control(int form, int control, int container, int kind, const char* name,
                         const char* group, int left, int top, int width, int height);
void velmara_dom_line(int control, int x1, int y1, int x2, int y2);
void velmara_dom_style(int control, int align, int maxLength, int readOnly, int border,
                       int transparent);
void velmara_dom_font(int control, const char* family, double points, int bold);
void velmara_dom_tooltip(int control, const char* text);
void velmara_dom_picture(int control, const char* name);
// A caption with its marked letters underlined, at `marks` (UTF-16 places in the text), or a
// box's text.
void velmara_dom_caption(int control, const char* text, const int* marks, int count);
int velmara_dom_value_length(int control);
void velmara_dom_value_copy(int control, char* buffer, int size);
void velmara_dom_name(int control, const char* name);
void velmara_dom_back_colour(int control, const char* css);
int velmara_dom_checked(int control);
void velmara_dom_check(int control, int checked);
int velmara_dom_usable(int control);
void velmara_dom_focus(int control);
void velmara_dom_select_all(int control);
int velmara_dom_focused();
void velmara_dom_clipboard(const char* text);
void velmara_dom_end();
// Calls velmara_web_run_later once the events already waiting have been delivered.
void velmara_dom_later();
}
