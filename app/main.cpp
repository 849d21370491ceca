// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "forms/process_end.h"
#include "forms/style.h"
#include "main_window/form1.h"
#include "velmara_version.h"

int main(int, char** argv) {
  // The program takes no command line: Qt is handed only the program's name.
  int argc = 1;
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Velmara"));
  QApplication::setApplicationVersion(QStringLiteral(VELMARA_DISPLAY_VERSION));
  forms::SetUpLook(application);
  const int status = forms::Run<Form1>();
  forms::EndWhereTearDownMayHang(status);
  return status;
}
