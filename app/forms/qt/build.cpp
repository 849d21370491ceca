// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A window and its controls as Qt widgets, from the window's design table.
#include <QIcon>

#include "controls.h"
#include "font.h"
#include "forms/native.h"
#include "line.h"
#include "style.h"
#include "text.h"
#include "window.h"

namespace forms {
namespace {

QRect PixelRect(int left, int top, int width, int height) {
  return {PixelsFromTwips(left), PixelsFromTwips(top), PixelsFromTwips(width),
          PixelsFromTwips(height)};
}

Qt::Alignment QtAlignment(Align align) {
  switch (align) {
    case Align::Right:
      return Qt::AlignRight;
    case Align::Centre:
      return Qt::AlignHCenter;
    case Align::Left:
      break;
  }
  return Qt::AlignLeft;
}

// The widget of a row's kind, with its settings from the design.
NativeControl* Widget(const ControlDesign& row, QWidget* container) {
  using namespace qt;
  const Extras& x = row.extras;
  switch (row.kind) {
    case Kind::CommandButton:
      return new CommandButtonWidget(container);
    case Kind::TextBox: {
      auto* box = new TextBoxWidget(container);
      box->setAlignment(QtAlignment(x.alignment) | Qt::AlignVCenter);
      box->setReadOnly(x.readOnly);
      if (x.maxLength > 0) box->setMaxLength(x.maxLength);
      return box;
    }
    case Kind::Label: {
      auto* label = new LabelWidget(container);
      label->setAlignment(QtAlignment(x.alignment) | Qt::AlignTop);
      if (x.border) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setAlignment(QtAlignment(x.alignment) | Qt::AlignVCenter);
      }
      label->setAutoFillBackground(!x.transparent);
      return label;
    }
    case Kind::OptionButton:
      return new OptionButtonWidget(container);
    case Kind::CheckBox:
      return new CheckBoxWidget(container);
    case Kind::Frame:
      return new FrameWidget(container);
    case Kind::Line: {
      const QPoint from(PixelsFromTwips(row.left), PixelsFromTwips(row.top));
      const QPoint to(PixelsFromTwips(x.x2), PixelsFromTwips(x.y2));
      const QRect box = QRect(from, to).normalized().adjusted(0, 0, 1, 1);
      auto* line = new LineWidget(container, from - box.topLeft(), to - box.topLeft());
      line->setGeometry(box);
      return line;
    }
    case Kind::Image:
      return new ImageWidget(container, Picture(x.picture ? x.picture : ""));
  }
  return nullptr;
}

}  // namespace

namespace native {

NativeForm* CreateForm(Form& form, const FormDesign& design) {
  auto* window = new NativeForm(form, design.border);
  window->setObjectName(QString::fromLatin1(design.name));
  window->setWindowTitle(QString::fromUtf8(design.caption));
  if (design.icon) window->setWindowIcon(QIcon(qt::Picture(design.icon)));

  const QSize client(PixelsFromTwips(design.clientWidth), PixelsFromTwips(design.clientHeight));
  switch (design.border) {
    case BorderStyle::Sizable:
      window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                             Qt::WindowCloseButtonHint);
      window->ResizeTo(client);
      break;
    case BorderStyle::FixedNoTitle: {
      window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
      const int frame = 2 * PixelsFromTwips(kFixedFrame);
      window->setFixedSize(client + QSize(frame, frame));
      break;
    }
  }
  return window;
}

NativeControl& CreateControl(NativeForm& window, const ControlDesign& row, NativeControl* container,
                             Control& control) {
  NativeControl& native = *Widget(row, container ? &container->Widget() : &window.Client());
  native.SetApi(control);
  QWidget& widget = native.Widget();
  widget.setObjectName(QString::fromLatin1(row.name));
  if (row.kind != Kind::Line)
    widget.setGeometry(PixelRect(row.left, row.top, row.width, row.height));
  if (row.extras.toolTip) widget.setToolTip(QString::fromUtf8(row.extras.toolTip));
  qt::ApplyFont(widget, row.extras);
  SetText(native, StringFromUtf8(row.caption ? row.caption : ""));
  // Chosen once the control knows its object: the Click it fires finds no handler yet.
  if (row.extras.selected) static_cast<QAbstractButton&>(widget).setChecked(true);
  return native;
}

void Built(NativeForm& window) {
  // Frames are drawn under the controls placed over them on the window.
  for (auto* frame : window.Client().findChildren<qt::FrameWidget*>(Qt::FindDirectChildrenOnly))
    frame->lower();
  if (Control* first = window.Api().FirstTabStop()) first->Native().Widget().setFocus();
}

}  // namespace native
}  // namespace forms
