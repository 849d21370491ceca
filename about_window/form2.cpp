// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form2.h"

#include "main_window/form1.h"

Form2::Form2()
    : forms::Form(kForm2Design),
      Label1(Named<forms::Label>("Label1")),
      Label2(Named<forms::Label>("Label2")),
      Image1(Named<forms::Image>("Image1")),
      Label4(Named<forms::Label>("Label4")),
      Label3(Named<forms::Label>("Label3")),
      Command1(Named<forms::CommandButton>("Command1")) {
  Command1.OnClick([this] { Command1_Click(); });
}

void Form2::Command1_Click() {
  if (auto* main = forms::IfLoaded<Form1>()) main->SetEnabled(true);
  Unload();
}

// Whatever closes the About window (a system close key, the window system) gives the main
// window its input back, so it is never left disabled.
void Form2::Form_Unload() {
  if (auto* main = forms::IfLoaded<Form1>()) main->SetEnabled(true);
}
