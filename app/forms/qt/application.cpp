// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/application.h"

#include <QApplication>

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

void NativeApplicationDeleter::operator()(NativeApplication* native) const { delete native; }

Application::Application(char** argv, const char* name, const char* version)
    : native_(new NativeApplication(argv, name, version)) {}

int Application::Ended(int status) {
  qt::EndWhereTearDownMayHang(status);
  return status;
}

}  // namespace forms
