// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "colour.h"
#include "key_code.h"
#include "keys.h"
#include "window.h"

namespace forms::qt {
namespace {

void FireClick(const NativeControl& native) {
  static_cast<const Clickable&>(native.Api()).FireClick();
}

}  // namespace

CommandButtonWidget::CommandButtonWidget(QWidget* parent)
    : QPushButton(parent), NativeControl(this) {
  // Enter presses the focused button, as on the platform the design was drawn for.
  setAutoDefault(true);
  connect(this, &QPushButton::clicked, this, [this] { FireClick(*this); });
}

TextBoxWidget::TextBoxWidget(QWidget* parent) : QLineEdit(parent), NativeControl(this) {}

void TextBoxWidget::ApplyBackColor() {
  const QColor colour = ColourFromValue(Box().BackColor(), QApplication::palette());
  QPalette p = palette();
  bool changed = false;
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    changed = changed || p.color(group, QPalette::Base) != colour;
    p.setColor(group, QPalette::Base, colour);
  }
  if (changed) setPalette(p);
}

void TextBoxWidget::changeEvent(QEvent* event) {
  // A system colour follows the palette when the desktop's colours change. Qt tells a widget of
  // its own palette so only by a change of its palette, which its own setting also makes.
  if ((event->type() == QEvent::ApplicationPaletteChange ||
       event->type() == QEvent::PaletteChange) &&
      SystemColourOf(Box().BackColor())) {
    ApplyBackColor();
  }
  QLineEdit::changeEvent(event);
}

void TextBoxWidget::keyPressEvent(QKeyEvent* event) {
  // Alt with a letter is an access key, never typed: the window answers it.
  if (AccessLetterOf(*event)) {
    event->ignore();
    return;
  }
  if (Box().HasKeyPress()) {
    const auto code = KeyCodeFor(*event);
    const QString text = event->text();
    if (!code && !text.isEmpty() && text.front().category() != QChar::Other_Control) {
      // A character without a key code never enters the box past its KeyPress handler.
      event->ignore();
      return;
    }
    if (code) {
      const auto entered = Judged(*code, text);
      if (!entered) {
        event->accept();
        return;
      }
      if (*entered != text) {
        insert(*entered);
        return;
      }
    }
  }
  QLineEdit::keyPressEvent(event);
}

std::optional<QString> TextBoxWidget::Judged(std::int16_t code, const QString& typed) {
  const std::int16_t keyAscii = Box().FireKeyPress(code);
  if (keyAscii == 0) return std::nullopt;
  if (keyAscii != code) return QString(QChar(static_cast<char16_t>(keyAscii)));
  return typed;
}

void TextBoxWidget::inputMethodEvent(QInputMethodEvent* event) {
  // Characters composed by an input method are typed characters too: each goes through the
  // KeyPress handler like a key.
  if (Box().HasKeyPress() && !event->commitString().isEmpty()) {
    bool replaced = false;
    for (const char32_t character : event->commitString().toUcs4()) {
      QString one = QString::fromUcs4(&character, 1);
      if (const auto code = KeyCodeFor(Qt::Key_unknown, Qt::NoModifier, one)) {
        const auto entered = Judged(*code, one);
        if (!entered) continue;
        one = *entered;
      }
      // Each character enters before the next one is judged.
      QInputMethodEvent single;
      if (replaced) {
        single.setCommitString(one);
      } else {
        single.setCommitString(one, event->replacementStart(), event->replacementLength());
        replaced = true;
      }
      QLineEdit::inputMethodEvent(&single);
    }
    QInputMethodEvent rest(event->preeditString(), event->attributes());
    if (!replaced) {
      rest.setCommitString(QString(), event->replacementStart(), event->replacementLength());
    }
    QLineEdit::inputMethodEvent(&rest);
    return;
  }
  QLineEdit::inputMethodEvent(event);
}

LabelWidget::LabelWidget(QWidget* parent) : QLabel(parent), NativeControl(this) {
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

OptionButtonWidget::OptionButtonWidget(QWidget* parent)
    : QRadioButton(parent), NativeControl(this) {
  connect(this, &QRadioButton::toggled, this, [this](bool checked) {
    if (checked) FireClick(*this);
  });
}

// Qt moves the choice to the button that lies in the arrow's direction, and not past the last
// one; the window's rule steps through the group in its order instead.
void OptionButtonWidget::keyPressEvent(QKeyEvent* event) {
  const auto arrow = ArrowOf(event->key());
  if (!arrow || !FormOf(*this).Api().ArrowKey(*arrow)) QRadioButton::keyPressEvent(event);
}

CheckBoxWidget::CheckBoxWidget(QWidget* parent) : QCheckBox(parent), NativeControl(this) {
  connect(this, &QCheckBox::toggled, this, [this] { FireClick(*this); });
}

ImageWidget::ImageWidget(QWidget* parent, const QPixmap& picture)
    : QLabel(parent), NativeControl(this) {
  setPixmap(picture);
  setScaledContents(true);
}

}  // namespace forms::qt
