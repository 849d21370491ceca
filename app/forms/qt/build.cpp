// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A window and its controls as Qt widgets, from the window's design table.
#include <algorithm>
#include <cassert>
#include <utility>

#include <QIcon>

#include "controls.h"
#include "forms/native.h"
#include "style.h"
#include "text.h"
#include "window.h"

namespace forms {
namespace {

QRect PixelRect(int left, int top, int width, int height) {
  return {PixelsFromTwips(left), PixelsFromTwips(top), PixelsFromTwips(width),
          PixelsFromTwips(height)};
}

QString WithoutAccessKeys(const char* caption) {
  QString text = QString::fromUtf8(caption);
  text.remove(QLatin1Char('&'));
  return text;
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

void ApplyFont(QWidget& widget, const Extras& extras) {
  if (!extras.fontFamily && extras.fontPoints <= 0 && !extras.bold) return;
  QFont font = widget.font();
  if (extras.fontFamily) font.setFamilies({QString::fromUtf8(extras.fontFamily)});
  if (extras.fontPoints > 0) font.setPointSizeF(extras.fontPoints);
  if (extras.bold) font.setBold(true);
  widget.setFont(font);
}

// The control's object with its widget's native side, each knowing the other.
template <class C>
std::unique_ptr<Control> Paired(const ControlDesign& row, NativeControl& native) {
  auto control = std::make_unique<C>(row.name, native);
  native.SetApi(*control);
  return control;
}

std::unique_ptr<Control> Create(const ControlDesign& row, QWidget* container) {
  using namespace qt;
  const Extras& x = row.extras;
  const QString caption = QString::fromUtf8(row.caption ? row.caption : "");
  std::unique_ptr<Control> control;
  QWidget* widget = nullptr;
  switch (row.kind) {
    case Kind::CommandButton: {
      auto* button = new CommandButtonWidget(container);
      control = Paired<CommandButton>(row, *button);
      button->SetCaption(caption);
      widget = button;
      break;
    }
    case Kind::TextBox: {
      auto* box = new TextBoxWidget(container);
      control = Paired<TextBox>(row, *box);
      box->setText(caption);
      box->setAlignment(QtAlignment(x.alignment) | Qt::AlignVCenter);
      box->setReadOnly(x.readOnly);
      if (x.maxLength > 0) box->setMaxLength(x.maxLength);
      if (x.backColor) static_cast<TextBox&>(*control).SetBackColor(*x.backColor);
      widget = box;
      break;
    }
    case Kind::Label: {
      auto* label = new LabelWidget(container);
      control = Paired<Label>(row, *label);
      label->SetCaption(caption);
      label->setAlignment(QtAlignment(x.alignment) | Qt::AlignTop);
      if (x.border) {
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setLineWidth(1);
        label->setAlignment(QtAlignment(x.alignment) | Qt::AlignVCenter);
      }
      label->setAutoFillBackground(!x.transparent);
      widget = label;
      break;
    }
    case Kind::OptionButton: {
      auto* option = new OptionButtonWidget(container);
      control = Paired<OptionButton>(row, *option);
      option->setText(caption);
      option->setChecked(x.selected);
      widget = option;
      break;
    }
    case Kind::CheckBox: {
      auto* check = new CheckBoxWidget(container);
      control = Paired<CheckBox>(row, *check);
      check->setText(caption);
      check->setChecked(x.selected);
      widget = check;
      break;
    }
    case Kind::Frame: {
      auto* frame = new FrameWidget(container);
      control = Paired<Frame>(row, *frame);
      frame->setTitle(caption);
      widget = frame;
      break;
    }
    case Kind::Line: {
      const QPoint from(PixelsFromTwips(row.left), PixelsFromTwips(row.top));
      const QPoint to(PixelsFromTwips(x.x2), PixelsFromTwips(x.y2));
      const QRect box = QRect(from, to).normalized().adjusted(0, 0, 1, 1);
      auto* line = new LineWidget(container, from - box.topLeft(), to - box.topLeft());
      control = Paired<Line>(row, *line);
      line->setGeometry(box);
      widget = line;
      break;
    }
    case Kind::Image: {
      auto* image = new ImageWidget(container, Picture(x.picture ? x.picture : ""));
      control = Paired<Image>(row, *image);
      widget = image;
      break;
    }
  }
  widget->setObjectName(QString::fromLatin1(row.name));
  if (row.kind != Kind::Line)
    widget->setGeometry(PixelRect(row.left, row.top, row.width, row.height));
  if (x.toolTip) widget->setToolTip(QString::fromUtf8(x.toolTip));
  if (x.accessibleName) {
    widget->setAccessibleName(QString::fromUtf8(x.accessibleName));
  } else if (row.caption && row.kind != Kind::TextBox) {
    widget->setAccessibleName(WithoutAccessKeys(row.caption));
  }
  ApplyFont(*widget, x);
  return control;
}

}  // namespace

std::unique_ptr<NativeForm, NativeFormDeleter> native::Build(
    Form& form, const FormDesign& design, std::vector<std::unique_ptr<Control>>& controls) {
  std::unique_ptr<NativeForm, NativeFormDeleter> window(new NativeForm(form, design.border));
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

  std::vector<std::pair<int, QWidget*>> focusOrder;
  for (const ControlDesign& row : design.controls) {
    QWidget* container = row.container
                             ? window->findChild<QWidget*>(QString::fromLatin1(row.container))
                             : &window->Client();
    assert(container && "a container comes before the controls it holds");
    controls.push_back(Create(row, container));
    QWidget& widget = controls.back()->Native().Widget();
    if (row.tabIndex >= 0 && widget.focusPolicy() != Qt::NoFocus) {
      focusOrder.emplace_back(row.tabIndex, &widget);
    }
  }
  for (auto* option : window->findChildren<qt::OptionButtonWidget*>()) {
    if (option->isChecked()) option->MakeTabStopOfGroup();
  }
  // Frames are drawn under the controls placed over them on the window.
  for (auto* frame : window->Client().findChildren<qt::FrameWidget*>(Qt::FindDirectChildrenOnly))
    frame->lower();

  std::sort(focusOrder.begin(), focusOrder.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < focusOrder.size(); ++i) {
    QWidget::setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
  }
  if (!focusOrder.empty()) focusOrder.front().second->setFocus();
  return window;
}

}  // namespace forms
