// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
/* Keeps the Windows clipboard open, as a busy program does, until its standard input closes:
   says "held" on standard output once it has it, then waits for the end of its input. Exits 0
   once it has let go, 1 when the clipboard stayed taken for ten seconds, 2 without its input. */
#include <windows.h>

static void say(HANDLE out, const char* text) {
  DWORD written;
  WriteFile(out, text, lstrlenA(text), &written, NULL);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show) {
  (void)instance, (void)previous, (void)command_line, (void)show;
  HANDLE in = GetStdHandle(STD_INPUT_HANDLE), out = GetStdHandle(STD_OUTPUT_HANDLE);
  if (in == NULL || in == INVALID_HANDLE_VALUE) return 2;
  int tries = 0;
  while (!OpenClipboard(NULL)) {
    if (++tries == 200) {
      say(out, "busy\n");
      return 1;
    }
    Sleep(50);
  }
  say(out, "held\n");
  char buffer[64];
  DWORD got;
  while (ReadFile(in, buffer, sizeof buffer, &got, NULL) && got > 0) continue;
  CloseClipboard();
  say(out, "released\n");
  return 0;
}
