/* SPDX-FileCopyrightText: 2026 The Velmara developers
 * SPDX-License-Identifier: GPL-3.0-or-later */
/* A window whose picture is known in time, for checking the measurer: painted grey at once, then
 * a black bar grows by one step every <step ms> for <steps> steps, and one <step ms> later the
 * whole last picture is drawn again unchanged. Its final picture is therefore the last step's,
 * <steps> x <step ms> after its first paint, and the repaint after it must not count.
 * Usage: late_window <steps> <step ms> */
#define _DEFAULT_SOURCE

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

enum { kWidth = 200, kHeight = 100, kBar = 10 };

/* The bar and the grey beside it never overlap, so that drawing the same picture again passes
 * through no other picture on the way. */
static void Paint(Display* display, Window window, GC gc, int bars) {
  const int bar = bars * kBar;
  XSetForeground(display, gc, 0x808080);
  XFillRectangle(display, window, gc, bar, 0, (unsigned)(kWidth - bar), kHeight);
  if (bar > 0) {
    XSetForeground(display, gc, 0x000000);
    XFillRectangle(display, window, gc, 0, 0, (unsigned)bar, kHeight);
  }
  XSync(display, False);
}

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: %s <steps> <step ms>\n", argv[0]);
    return 2;
  }
  const int steps = atoi(argv[1]);
  const long stepMs = atol(argv[2]);
  Display* display = XOpenDisplay(NULL);
  if (!display) return 2;
  const Window window =
      XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, kWidth, kHeight, 0, 0, 0);
  /* The measurer checks that the window is the program's own. */
  const long pid = (long)getpid();
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                  PropModeReplace, (const unsigned char*)&pid, 1);
  XSelectInput(display, window, ExposureMask);
  XMapWindow(display, window);
  XEvent event;
  do XNextEvent(display, &event);
  while (event.type != Expose);
  const GC gc = XCreateGC(display, window, 0, NULL);
  const struct timespec step = {.tv_sec = stepMs / 1000, .tv_nsec = stepMs % 1000 * 1000000};
  for (int bars = 0; bars <= steps; ++bars) {
    if (bars > 0) nanosleep(&step, NULL);
    Paint(display, window, gc, bars);
  }
  nanosleep(&step, NULL);
  Paint(display, window, gc, steps);
  pause(); /* until the measurer ends it */
  return 0;
}
