#pragma once

class QApplication;

namespace forms {

// Gives the application the look its window designs were drawn for: the same style on every
// desktop, a small sans-serif font whose widths fit the designs, and compact indicators.
void SetUpLook(QApplication& application);

}  // namespace forms
