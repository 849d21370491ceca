#pragma once

class QString;

namespace forms::Clipboard {

// The system clipboard. Where it cannot be written the calls do nothing: the program goes on
// and the clipboard stays as it was.
void Clear();
void SetText(const QString& text);

}  // namespace forms::Clipboard
