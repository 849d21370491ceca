// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "form.h"

namespace forms {

class NativeApplication;
struct NativeApplicationDeleter {
  void operator()(NativeApplication* native) const;
};

// The program's connection to the window system, with the look its window designs were drawn
// for. One lives for the whole run, around every window.
class Application {
 public:
  // `argv` gives only the program's name: the program takes no command line.
  Application(char** argv, const char* name, const char* version);

  // Loads and shows the start-up window and delivers the events until it is unloaded; gives the
  // program's exit status.
  template <class F>
  int Run() {
    return Ended(forms::Run<F>());
  }

 private:
  int Ended(int status);
  std::unique_ptr<NativeApplication, NativeApplicationDeleter> native_;
};

}  // namespace forms
