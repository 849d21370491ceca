// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the page: the browser delivers the events, and the program's end is the page's.
#include <emscripten.h>

#include <vector>

#include "dom.h"
#include "forms/native.h"

namespace forms {

// The page is connected already; nothing to hold.
class NativeApplication {};

namespace native {
namespace {

// Tasks asked for and not yet run, oldest first: the page calls back once for each.
std::vector<std::function<void()>>& Tasks() {
  static std::vector<std::function<void()>> tasks;
  return tasks;
}

}  // namespace

NativeApplication* OpenApplication(char**, const char*, const char*) {
  return new NativeApplication;
}

void Ending(NativeApplication&, int) {}

void CloseApplication(NativeApplication* application) { delete application; }

// The browser holds the event loop: main returns to it at once, the windows stay, and the events
// come as calls.
int RunEventLoop() { return 0; }

// The page ends once the windows unloaded last are gone.
void QuitEventLoop() {
  Later([] { velmara_dom_end(); });
}

// Tasks run in the order they were asked for, each after the events already waiting.
void Later(std::function<void()> task) {
  Tasks().push_back(std::move(task));
  velmara_dom_later();
}

}  // namespace native
}  // namespace forms

extern "C" EMSCRIPTEN_KEEPALIVE void velmara_web_run_later() {
  auto& tasks = forms::native::Tasks();
  if (tasks.empty()) return;
  const std::function<void()> task = std::move(tasks.front());
  tasks.erase(tasks.begin());
  task();
}
