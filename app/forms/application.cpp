// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include "native.h"

namespace forms {

void NativeApplicationDeleter::operator()(NativeApplication* native) const {
  native::CloseApplication(native);
}

Application::Application(char** argv, const char* name, const char* version)
    : native_(native::OpenApplication(argv, name, version)) {}

int Application::Ended(int status) {
  native::Ending(*native_, status);
  return status;
}

}  // namespace forms
