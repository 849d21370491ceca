// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's connection to Windows: the common controls, the message loop, later tasks.
#include <objbase.h>

#include <deque>

#include "colour.h"
#include "forms/native.h"
#include "keys.h"
#include "window.h"

namespace forms {
namespace {

constexpr UINT kRunTask = WM_APP + 1;

std::deque<std::function<void()>>& Tasks() {
  static std::deque<std::function<void()>> tasks;
  return tasks;
}

void RunNextTask() {
  if (Tasks().empty()) return;
  const std::function<void()> task = std::move(Tasks().front());
  Tasks().pop_front();
  task();
}

LRESULT CALLBACK TaskProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kRunTask) {
    RunNextTask();
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

// A window of no display of its own, for the tasks posted to run after the messages before
// them.
HWND TaskWindow() {
  static const HWND window = [] {
    WNDCLASSW tasks{};
    tasks.lpfnWndProc = TaskProcedure;
    tasks.hInstance = GetModuleHandleW(nullptr);
    tasks.lpszClassName = L"VelmaraTasks";
    RegisterClassW(&tasks);
    return CreateWindowExW(0, tasks.lpszClassName, nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                           tasks.hInstance, nullptr);
  }();
  return window;
}

// The dialog manager moves the keyboard with Tab and Shift+Tab; Escape and Enter away from a
// button reach the window as commands that it leaves alone.
bool IsDialogKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  return NativeForm::FromHandle(root) && IsDialogMessageW(root, const_cast<MSG*>(&message));
}

}  // namespace

class NativeApplication {
 public:
  NativeApplication() {
    // The accessible objects that screen readers ask the windows for travel by COM.
    com_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    TaskWindow();
  }
  NativeApplication(const NativeApplication&) = delete;
  NativeApplication& operator=(const NativeApplication&) = delete;
  ~NativeApplication() {
    win32::ReleaseBrushes();
    if (com_) CoUninitialize();
  }

 private:
  bool com_ = false;
};

namespace native {

NativeApplication* OpenApplication(char**, const char*, const char*) {
  return new NativeApplication;
}

void Ending(NativeApplication&, int) {}

void CloseApplication(NativeApplication* application) { delete application; }

int RunEventLoop() {
  MSG message;
  int status = 0;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      status = got == 0 ? static_cast<int>(message.wParam) : 1;
      break;
    }
    if (win32::FilterKey(message) || IsDialogKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  // The windows unloaded last go before the program does.
  while (!Tasks().empty()) RunNextTask();
  return status;
}

void Later(std::function<void()> task) {
  Tasks().push_back(std::move(task));
  PostMessageW(TaskWindow(), kRunTask, 0, 0);
}

void QuitEventLoop() { PostQuitMessage(0); }

}  // namespace native
}  // namespace forms
