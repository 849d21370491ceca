// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the page: the browser delivers the events, and the program's end is the page's.
#include <emscripten.h>

#include <memory>

#include "dom.h"
#include "forms/native.h"

namespace forms {

// The page is connected already; nothing to hold.
class NativeApplication {};

namespace native {
namespace {

void RunTask(void* task) {
  const std::unique_ptr<std::function<void()>> run(static_cast<std::function<void()>*>(task));
  (*run)();
}

void End(void*) { velmara_dom_end(); }

}  // namespace

NativeApplication* OpenApplication(char**, const char*, const char*) {
  return new NativeApplication;
}

void Ending(NativeApplication&, int) {}

void CloseApplication(NativeApplication* application) { delete application; }

// The browser holds the event loop: main returns to it, and the events come as calls.
int RunEventLoop() { emscripten_exit_with_live_runtime(); }

// The page ends once the windows unloaded last are gone.
void QuitEventLoop() { emscripten_async_call(End, nullptr, 0); }

// Tasks run in the order they were asked for, each after the events already waiting.
void Later(std::function<void()> task) {
  emscripten_async_call(RunTask, new std::function<void()>(std::move(task)), 0);
}

}  // namespace native
}  // namespace forms
