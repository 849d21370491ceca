// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
/* Reads the program's controls as a screen reader does, through their accessible objects: prints
   "role<TAB>name" in UTF-8 for every shown control of every shown window of class VelmaraForm.
   Exits 0, or 1 when it found no such window. */
#define COBJMACROS
#include <windows.h>

/* The interface ids are defined here rather than taken from a library. */
#include <initguid.h>

#include <oleacc.h>

static HANDLE out;

static void say_wide(const wchar_t* text) {
  char buffer[512];
  int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, buffer, sizeof buffer, NULL, NULL);
  DWORD written;
  if (length > 1) WriteFile(out, buffer, (DWORD)(length - 1), &written, NULL);
}

static BOOL CALLBACK read_control(HWND control, LPARAM unused) {
  (void)unused;
  if (!IsWindowVisible(control)) return TRUE;
  IAccessible* accessible = NULL;
  if (FAILED(
          AccessibleObjectFromWindow(control, OBJID_CLIENT, &IID_IAccessible, (void**)&accessible)))
    return TRUE;
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT role;
  VariantInit(&role);
  wchar_t role_text[128] = L"?";
  if (SUCCEEDED(IAccessible_get_accRole(accessible, self, &role)) && role.vt == VT_I4)
    GetRoleTextW((DWORD)role.lVal, role_text, 128);
  BSTR name = NULL;
  IAccessible_get_accName(accessible, self, &name);
  say_wide(role_text);
  say_wide(L"\t");
  say_wide(name ? name : L"");
  say_wide(L"\n");
  SysFreeString(name);
  IAccessible_Release(accessible);
  return TRUE;
}

static BOOL CALLBACK read_window(HWND window, LPARAM found) {
  wchar_t class_name[32];
  if (IsWindowVisible(window) && GetClassNameW(window, class_name, 32) &&
      lstrcmpW(class_name, L"VelmaraForm") == 0) {
    *(int*)found = 1;
    EnumChildWindows(window, read_control, 0);
  }
  return TRUE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
  (void)instance, (void)previous, (void)command_line, (void)show;
  out = GetStdHandle(STD_OUTPUT_HANDLE);
  CoInitialize(NULL);
  int found = 0;
  EnumWindows(read_window, (LPARAM)&found);
  CoUninitialize();
  return found ? 0 : 1;
}
