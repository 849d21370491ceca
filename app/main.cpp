// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/application.h"
#include "main_window/form1.h"
#include "velmara_version.h"

int main(int, char** argv) {
  forms::Application application(argv, "Velmara", VELMARA_DISPLAY_VERSION);
  return application.Run<Form1>();
}
