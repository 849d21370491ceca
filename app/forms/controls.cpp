#include "controls.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>

#include "colour.h"
#include "key_code.h"

namespace forms {
namespace {
constexpr std::uint32_t kWindowBackground = 0x80000005;
}

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent) {
  // Enter presses the focused button, as on the platform the design was drawn for.
  setAutoDefault(true);
  connect(this, &QPushButton::clicked, this, [this] {
    if (click_) click_();
  });
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent), backColor_(kWindowBackground) {}

void TextBox::SetBackColor(std::uint32_t value) {
  backColor_ = value;
  ApplyBackColor();
}

void TextBox::ApplyBackColor() {
  QPalette p = palette();
  const QColor colour = ColourFromValue(backColor_, QPalette());
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(group, QPalette::Base, colour);
  }
  setPalette(p);
}

void TextBox::changeEvent(QEvent* event) {
  // A system colour follows the palette when the desktop's colours change.
  if (event->type() == QEvent::ApplicationPaletteChange && (backColor_ & kSystemColourFlag)) {
    ApplyBackColor();
  }
  QLineEdit::changeEvent(event);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
  if (keyPress_) {
    if (const auto code = KeyCodeFor(*event)) {
      std::int16_t keyAscii = *code;
      keyPress_(keyAscii);
      if (keyAscii == 0) {
        event->accept();
        return;
      }
      if (keyAscii != *code) {
        insert(QString(QChar(static_cast<char16_t>(keyAscii))));
        return;
      }
    }
  }
  QLineEdit::keyPressEvent(event);
}

void TextBox::inputMethodEvent(QInputMethodEvent* event) {
  // Characters composed by an input method are typed characters too: each goes through the
  // KeyPress handler like a key.
  if (keyPress_ && !event->commitString().isEmpty()) {
    QString accepted;
    for (const char32_t character : event->commitString().toUcs4()) {
      const QString one = QString::fromUcs4(&character, 1);
      if (const auto code = KeyCodeFor(Qt::Key_unknown, Qt::NoModifier, one)) {
        std::int16_t keyAscii = *code;
        keyPress_(keyAscii);
        if (keyAscii == 0) continue;
        if (keyAscii != *code) {
          accepted += QChar(static_cast<char16_t>(keyAscii));
          continue;
        }
      }
      accepted += one;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(accepted, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    return;
  }
  QLineEdit::inputMethodEvent(event);
}

Label::Label(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
  connect(this, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked && click_) click_();
  });
}

CheckBox::CheckBox(QWidget* parent) : QCheckBox(parent) {
  connect(this, &QCheckBox::toggled, this, [this] {
    if (click_) click_();
  });
}

Line::Line(QWidget* parent, QPoint from, QPoint to) : QWidget(parent), from_(from), to_(to) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  painter.drawLine(from_, to_);
}

Image::Image(QWidget* parent, const QString& picture) : QLabel(parent) {
  setPixmap(QPixmap(picture));
  setScaledContents(true);
}

}  // namespace forms
