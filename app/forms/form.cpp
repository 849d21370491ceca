// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include <algorithm>
#include <vector>

#include <qdrawutil.h>
#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QTimer>
#include <QWindow>

#include "style.h"
#include "window_title.h"

namespace forms {
namespace {

// The frame the design counts around a sizable window's client area: 345 for the title bar and
// top edge, 60 at the bottom.
constexpr int kSizableFrameHeight = 345 + 60;
// The thin fixed frame of a window without a title bar, on every side.
constexpr int kFixedFrame = 45;

bool IsWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

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

QWidget* Create(const ControlDesign& row, QWidget* container) {
  const Extras& x = row.extras;
  const QString caption = QString::fromUtf8(row.caption ? row.caption : "");
  QWidget* widget = nullptr;
  switch (row.kind) {
    case Kind::CommandButton: {
      auto* button = new CommandButton(container);
      button->SetCaption(caption);
      widget = button;
      break;
    }
    case Kind::TextBox: {
      auto* box = new TextBox(container);
      box->SetText(caption);
      box->setAlignment(QtAlignment(x.alignment) | Qt::AlignVCenter);
      box->setReadOnly(x.readOnly);
      if (x.maxLength > 0) box->setMaxLength(x.maxLength);
      if (x.backColor) box->SetBackColor(*x.backColor);
      widget = box;
      break;
    }
    case Kind::Label: {
      auto* label = new Label(container);
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
      auto* option = new OptionButton(container);
      option->setText(caption);
      option->setChecked(x.selected);
      widget = option;
      break;
    }
    case Kind::CheckBox: {
      auto* check = new CheckBox(container);
      check->setText(caption);
      check->setChecked(x.selected);
      widget = check;
      break;
    }
    case Kind::Frame: {
      auto* frame = new Frame(container);
      frame->setTitle(caption);
      widget = frame;
      break;
    }
    case Kind::Line: {
      const QPoint from(PixelsFromTwips(row.left), PixelsFromTwips(row.top));
      const QPoint to(PixelsFromTwips(x.x2), PixelsFromTwips(x.y2));
      const QRect box = QRect(from, to).normalized().adjusted(0, 0, 1, 1);
      widget = new Line(container, from - box.topLeft(), to - box.topLeft());
      widget->setGeometry(box);
      break;
    }
    case Kind::Image:
      widget = new Image(container, QString::fromUtf8(x.picture ? x.picture : ""));
      break;
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
  return widget;
}

}  // namespace

int PixelsFromTwips(int twips) {
  return (twips + (twips >= 0 ? kTwipsPerPixel / 2 : -kTwipsPerPixel / 2)) / kTwipsPerPixel;
}

Form::Form(const FormDesign& design) : border_(design.border), client_(new QWidget(this)) {
  Build(design);
}

void Form::Build(const FormDesign& design) {
  setObjectName(QString::fromLatin1(design.name));
  setWindowTitle(QString::fromUtf8(design.caption));
  if (design.icon) setWindowIcon(QIcon(PngPixmap(QString::fromUtf8(design.icon))));
  client_->setObjectName(QStringLiteral("client"));

  const QSize client(PixelsFromTwips(design.clientWidth), PixelsFromTwips(design.clientHeight));
  switch (border_) {
    case BorderStyle::Sizable:
      setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                     Qt::WindowCloseButtonHint);
      ResizeTo(client);
      break;
    case BorderStyle::FixedNoTitle: {
      setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
      const int frame = 2 * PixelsFromTwips(kFixedFrame);
      setFixedSize(client + QSize(frame, frame));
      break;
    }
  }

  std::vector<std::pair<int, QWidget*>> focusOrder;
  for (const ControlDesign& row : design.controls) {
    QWidget* container =
        row.container ? findChild<QWidget*>(QString::fromLatin1(row.container)) : client_;
    Q_ASSERT_X(container, row.name, "container must come before the controls it holds");
    QWidget* widget = Create(row, container);
    if (row.tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus) {
      focusOrder.emplace_back(row.tabIndex, widget);
    }
  }
  for (auto* option : findChildren<OptionButton*>()) {
    if (option->isChecked()) option->MakeTabStopOfGroup();
  }
  // Frames are drawn under the controls placed over them on the window.
  for (auto* frame : client_->findChildren<Frame*>(Qt::FindDirectChildrenOnly)) frame->lower();

  std::sort(focusOrder.begin(), focusOrder.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < focusOrder.size(); ++i) {
    QWidget::setTabOrder(focusOrder[i - 1].second, focusOrder[i].second);
  }
  if (!focusOrder.empty()) focusOrder.front().second->setFocus();
}

int Form::FrameWidth() const {
  return border_ == BorderStyle::FixedNoTitle ? PixelsFromTwips(kFixedFrame) : 0;
}

int Form::Height() const {
  const int frame = border_ == BorderStyle::Sizable ? kSizableFrameHeight : 0;
  return height() * kTwipsPerPixel + frame;
}

void Form::SetHeight(int twips) {
  if (border_ == BorderStyle::Sizable)
    ResizeTo({width(), PixelsFromTwips(twips - kSizableFrameHeight)});
}

void Form::ResizeTo(QSize size) {
  size_.Set(size, [this, size] { resize(size); });
}

void Form::SetVisible(bool visible) {
  if (!visible) {
    hide();
    return;
  }
  show();
  size_.Shown(size());
  if (windowTitle().isEmpty() && windowHandle()) ShowEmptyTitle(*windowHandle());
  raise();
  activateWindow();
}

std::vector<Form*> Form::OtherForms() const {
  std::vector<Form*> forms;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* form = dynamic_cast<Form*>(window); form && form != this) forms.push_back(form);
  }
  return forms;
}

void Form::Unload() {
  if (unloading_) return;
  unloading_ = true;
  Form_Unload();
  hide();
  deleteLater();
  if (!startup_) return;
  for (Form* form : OtherForms()) form->Unload();
  QCoreApplication::quit();
}

void Form::changeEvent(QEvent* event) {
  // Qt's own title bar on Wayland draws a maximise button whatever buttons the window asks for;
  // a window without one stays at its size.
  if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized) &&
      !(windowFlags() & Qt::WindowMaximizeButtonHint)) {
    QTimer::singleShot(0, this, [this] { setWindowState(windowState() & ~Qt::WindowMaximized); });
  }
  // X11 activates a window that is clicked even while it is disabled. The window that disabled
  // it takes the activation back, so its keys (Enter on OK) keep working. A Wayland compositor
  // may refuse the request, which comes without a user's input of its own: there the disabled
  // window stays active and takes no keys until the user picks the other one.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && !isEnabled()) {
    for (Form* form : OtherForms()) {
      if (form->isVisible() && form->isEnabled()) {
        form->raise();
        form->activateWindow();
        break;
      }
    }
  }
  QWidget::changeEvent(event);
}

void Form::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

void Form::resizeEvent(QResizeEvent* event) {
  // A Wayland compositor sends its last requested size again with later changes of state; the
  // window takes back the size it was given since, at once, before the old one is painted.
  if (border_ == BorderStyle::Sizable && IsWayland() &&
      !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
    if (size_.Resized(event->size())) {
      ResizeTo(size_.Held());
      return;
    }
  }
  const int frame = FrameWidth();
  client_->setGeometry(rect().adjusted(frame, frame, -frame, -frame));
  QWidget::resizeEvent(event);
}

void Form::paintEvent(QPaintEvent* event) {
  if (border_ == BorderStyle::FixedNoTitle) {
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), false);
  }
  QWidget::paintEvent(event);
}

}  // namespace forms
