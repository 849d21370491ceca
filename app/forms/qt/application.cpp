// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "forms/native.h"
#include "process_end.h"
#include "style.h"

namespace forms {

class NativeApplication {
 public:
  NativeApplication(char** argv, const char* name, const char* version)
      : application_(argc_, argv) {
    QApplication::setApplicationName(QString::fromUtf8(name));
    QApplication::setApplicationVersion(QString::fromUtf8(version));
    qt::SetUpLook(application_);
  }

 private:
  // Qt is handed only the program's name.
  int argc_ = 1;
  QApplication application_;
};

namespace native {

NativeApplication* OpenApplication(char** argv, const char* name, const char* version) {
  return new NativeApplication(argv, name, version);
}

void Ending(NativeApplication&, int status) { qt::EndWhereTearDownMayHang(status); }

void CloseApplication(NativeApplication* application) { delete application; }

}  // namespace native
}  // namespace forms
