// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
/* Measures how long a program takes to show its window: starts it, watches the X server for its
 * first top-level window, and prints the milliseconds from the start to the window's mapping, to
 * its first paint and to its final picture, and the program's resident memory once it has
 * painted. Then it ends the program.
 *
 * Usage: measure [-v] program [arguments...]
 * Prints: map_ms=<ms> paint_ms=<ms> final_ms=<ms> rss_kb=<kB> cpu_ms=<ms>
 * cpu_ms is the processor time the program used in all, user and system; it is the figure least
 * disturbed by other work on the machine.
 *
 * The first paint is the first drawing into the mapped window, reported by the X DAMAGE
 * extension; where the server lacks it, the window's pixels are polled for their first change.
 * A first paint may be a blank face that later drawing fills in, so the final picture is timed
 * too: the window is watched until it has not changed for kSettleMs, and the final picture is
 * the first frame since which its pixels (and size) have stayed what they are then. A frame is a
 * copy of the window taken once the drawing reported so far has arrived, dated by the last
 * drawing it shows.
 * Run it on a display of its own without a window manager, so that top-level windows are
 * children of the root window. -v prints every event it sees, with its time, on stderr. */
#define _DEFAULT_SOURCE

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { kTimeoutMs = 30000, kSettleMs = 1500 };

static struct timespec start;
static int verbose;

static double ElapsedMs(void) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return (double)(now.tv_sec - start.tv_sec) * 1e3 + (double)(now.tv_nsec - start.tv_nsec) / 1e6;
}

static void SleepUs(long microseconds) {
  const struct timespec pause = {.tv_sec = 0, .tv_nsec = microseconds * 1000};
  nanosleep(&pause, NULL);
}

static void Trace(double atMs, const char* what, Window window) {
  if (verbose) fprintf(stderr, "%9.3f ms  %-7s 0x%lx\n", atMs, what, window);
}

/* Windows come and go while they are watched; a request on one that has gone is no fault. */
static int IgnoreErrors(Display* display, XErrorEvent* error) {
  (void)display;
  (void)error;
  return 0;
}

static long ResidentKb(pid_t pid) {
  char path[64];
  snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* status = fopen(path, "r");
  if (!status) return -1;
  char line[256];
  long kb = -1;
  while (fgets(line, sizeof line, status)) {
    if (sscanf(line, "VmRSS: %ld kB", &kb) == 1) break;
  }
  fclose(status);
  return kb;
}

static long WindowPid(Display* display, Window window, Atom pidAtom) {
  Atom type;
  int format;
  unsigned long count, after;
  unsigned char* data = NULL;
  long pid = -1;
  if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count,
                         &after, &data) == Success &&
      data) {
    if (type == XA_CARDINAL && format == 32 && count == 1) pid = *(unsigned long*)data;
    XFree(data);
  }
  return pid;
}

static double Ms(struct timeval time) {
  return (double)time.tv_sec * 1e3 + (double)time.tv_usec / 1e3;
}

/* Ends the program and returns the processor time it used. */
static double EndProgram(pid_t pid) {
  struct rusage usage;
  kill(pid, SIGTERM);
  int i = 0;
  while (wait4(pid, NULL, WNOHANG, &usage) != pid) {
    if (++i == 200) {
      kill(pid, SIGKILL);
      wait4(pid, NULL, 0, &usage);
      break;
    }
    SleepUs(10000);
  }
  return Ms(usage.ru_utime) + Ms(usage.ru_stime);
}

static int WaitForEvents(Display* display, int milliseconds) {
  XFlush(display);
  if (XPending(display)) return 1;
  struct pollfd fd = {.fd = ConnectionNumber(display), .events = POLLIN};
  int ready;
  do {
    ready = poll(&fd, 1, milliseconds);
  } while (ready < 0 && errno == EINTR);
  return ready > 0;
}

/* A digest of the window's size and pixels, or 0 when it cannot be read. */
static unsigned long long WindowDigest(Display* display, Window window) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes)) return 0;
  XImage* image = XGetImage(display, window, 0, 0, (unsigned)attributes.width,
                            (unsigned)attributes.height, AllPlanes, ZPixmap);
  if (!image) return 0;
  /* FNV-1a over the size and then every byte of the rows. */
  unsigned long long digest = 14695981039346656037ull;
  const unsigned long long prime = 1099511628211ull;
  digest = (digest ^ (unsigned)attributes.width) * prime;
  digest = (digest ^ (unsigned)attributes.height) * prime;
  const size_t bytes = (size_t)image->bytes_per_line * (size_t)image->height;
  for (size_t i = 0; i < bytes; ++i) digest = (digest ^ (unsigned char)image->data[i]) * prime;
  XDestroyImage(image);
  return digest;
}

/* Watches the painted window until it has stayed the same for kSettleMs and returns the time of
 * the first frame of its final picture, or -1 when it never settled. lastDrawMs is when the
 * drawing seen so far (the first paint) arrived. */
static double FinalPicture(Display* display, Window window, int haveDamage, int damageEvent,
                           double lastDrawMs) {
  unsigned long long shown = WindowDigest(display, window);
  double sinceMs = lastDrawMs;
  while (ElapsedMs() < kTimeoutMs) {
    int drawn = 0;
    if (haveDamage) {
      /* Drain the drawing already reported before taking a frame, so that one frame stands for
       * a burst of drawing. */
      while (WaitForEvents(display, drawn ? 0 : kSettleMs)) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != damageEvent + XDamageNotify) continue;
        const XDamageNotifyEvent* damage = (const XDamageNotifyEvent*)&event;
        XDamageSubtract(display, damage->damage, None, None);
        if (damage->drawable != window) continue;
        drawn = 1;
        lastDrawMs = ElapsedMs();
        Trace(lastDrawMs, "damage", damage->drawable);
      }
      if (!drawn) break; /* quiet for kSettleMs */
    } else {
      SleepUs(2000);
      lastDrawMs = ElapsedMs();
    }
    const unsigned long long now = WindowDigest(display, window);
    if (now != shown) {
      shown = now;
      sinceMs = lastDrawMs;
      Trace(sinceMs, "frame", window);
    } else if (!haveDamage && lastDrawMs - sinceMs >= kSettleMs) {
      break;
    }
  }
  if (ElapsedMs() >= kTimeoutMs) return -1;
  /* Drawing between the last event and now shows here, after the quiet time. */
  return WindowDigest(display, window) == shown ? sinceMs : -1;
}

/* Without DAMAGE: the first change of the window's pixels from what they were when it was
 * mapped. */
static int PollFirstPaint(Display* display, Window window, double* paintMs) {
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes)) return 0;
  XImage* before = XGetImage(display, window, 0, 0, (unsigned)attributes.width,
                             (unsigned)attributes.height, AllPlanes, ZPixmap);
  if (!before) return 0;
  const size_t bytes = (size_t)before->bytes_per_line * (size_t)before->height;
  int changed = 0;
  while (!changed && ElapsedMs() < kTimeoutMs) {
    XImage* now = XGetImage(display, window, 0, 0, (unsigned)attributes.width,
                            (unsigned)attributes.height, AllPlanes, ZPixmap);
    if (!now) break;
    changed = memcmp(before->data, now->data, bytes) != 0;
    XDestroyImage(now);
    if (!changed) SleepUs(500);
  }
  XDestroyImage(before);
  if (changed) *paintMs = ElapsedMs();
  return changed;
}

int main(int argc, char** argv) {
  int first = 1;
  if (argc > 1 && strcmp(argv[1], "-v") == 0) {
    verbose = 1;
    first = 2;
  }
  if (argc <= first) {
    fprintf(stderr, "usage: %s [-v] program [arguments...]\n", argv[0]);
    return 2;
  }
  Display* display = XOpenDisplay(NULL);
  if (!display) {
    fprintf(stderr, "measure: cannot open display %s\n",
            getenv("DISPLAY") ? getenv("DISPLAY") : "");
    return 2;
  }
  XSetErrorHandler(IgnoreErrors);
  const Window root = DefaultRootWindow(display);
  int damageEvent = 0, damageError = 0;
  const int haveDamage = XDamageQueryExtension(display, &damageEvent, &damageError);
  if (!haveDamage) fprintf(stderr, "measure: no DAMAGE extension, polling pixels instead\n");
  const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  clock_gettime(CLOCK_MONOTONIC, &start);
  const pid_t pid = fork();
  if (pid < 0) {
    perror("measure: fork");
    return 2;
  }
  if (pid == 0) {
    close(ConnectionNumber(display));
    execvp(argv[first], argv + first);
    perror("measure: exec");
    _exit(127);
  }

  Window target = None;
  double mapMs = -1, paintMs = -1;
  long rssKb = -1;
  while (paintMs < 0 && ElapsedMs() < kTimeoutMs) {
    if (waitpid(pid, NULL, WNOHANG) == pid) {
      fprintf(stderr, "measure: %s ended before it showed a window\n", argv[first]);
      return 1;
    }
    if (!WaitForEvents(display, 50)) continue;
    XEvent event;
    XNextEvent(display, &event);
    /* Times are taken as events arrive; nothing in this loop waits for the server. */
    const double atMs = ElapsedMs();
    if (event.type == CreateNotify) {
      const XCreateWindowEvent* create = &event.xcreatewindow;
      Trace(atMs, "create", create->window);
      /* Watch for drawing from creation on, so that no paint can slip by before the map. The
       * server frees the damage record with the window. */
      if (haveDamage && !create->override_redirect && create->parent == root)
        XDamageCreate(display, create->window, XDamageReportNonEmpty);
    } else if (event.type == MapNotify) {
      const XMapEvent* map = &event.xmap;
      Trace(atMs, "map", map->window);
      if (target == None && !map->override_redirect && map->event == root) {
        target = map->window;
        mapMs = atMs;
        if (!haveDamage && PollFirstPaint(display, target, &paintMs)) rssKb = ResidentKb(pid);
      }
    } else if (haveDamage && event.type == damageEvent + XDamageNotify) {
      const XDamageNotifyEvent* damage = (const XDamageNotifyEvent*)&event;
      Trace(atMs, "damage", damage->drawable);
      if (verbose)
        fprintf(stderr, "             area %dx%d+%d+%d\n", damage->area.width, damage->area.height,
                damage->area.x, damage->area.y);
      XDamageSubtract(display, damage->damage, None, None);
      if (damage->drawable == target) {
        paintMs = atMs;
        rssKb = ResidentKb(pid);
      }
    }
  }
  const double finalMs =
      paintMs < 0 ? -1 : FinalPicture(display, target, haveDamage, damageEvent, paintMs);
  /* Only the program draws on the measuring display; make sure the window was its own. */
  const long owner = target == None ? -1 : WindowPid(display, target, pidAtom);
  const double cpuMs = EndProgram(pid);
  XCloseDisplay(display);
  if (paintMs >= 0 && owner != pid) {
    fprintf(stderr, "measure: the window 0x%lx belongs to process %ld, not to %s\n", target, owner,
            argv[first]);
    return 1;
  }
  if (paintMs < 0) {
    fprintf(stderr, "measure: no painted window from %s within %d ms (mapped: %s)\n", argv[first],
            kTimeoutMs, mapMs >= 0 ? "yes" : "no");
    return 1;
  }
  if (finalMs < 0) {
    fprintf(stderr, "measure: the window of %s did not settle within %d ms\n", argv[first],
            kTimeoutMs);
    return 1;
  }
  printf("map_ms=%.3f paint_ms=%.3f final_ms=%.3f rss_kb=%ld cpu_ms=%.1f\n", mapMs, paintMs,
         finalMs, rssKb, cpuMs);
  return 0;
}
