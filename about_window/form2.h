// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/form.h"

// The About window: the program's name, date and version, and where to send comments. It is
// created afresh each time it opens and keeps the main window disabled while it is shown.
class Form2 : public forms::Form {
 public:
  Form2();

 protected:
  void Form_Unload() override;

 private:
  void Command1_Click();

 public:
  forms::Label& Label1;
  forms::Label& Label2;
  forms::Image& Image1;
  forms::Label& Label4;
  forms::Label& Label3;
  forms::CommandButton& Command1;
};

extern const forms::FormDesign kForm2Design;
