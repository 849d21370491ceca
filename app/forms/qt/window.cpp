// SPDX-FileCopyrightText: 2026 The Velmara developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window.h"

#include <qdrawutil.h>
#include <QApplication>
#include <QCloseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include "controls.h"
#include "forms/native.h"
#include "window_title.h"

namespace forms {
namespace {

bool IsWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

// Runs its task when Qt deletes it, at the point where Qt deletes what deleteLater marked.
class DeferredTask : public QObject {
 public:
  explicit DeferredTask(std::function<void()> task) : task_(std::move(task)) {}
  ~DeferredTask() override { task_(); }

 private:
  std::function<void()> task_;
};

}  // namespace

NativeForm::NativeForm(Form& form, BorderStyle border)
    : form_(form), border_(border), client_(new QWidget(this)) {
  client_->setObjectName(QStringLiteral("client"));
}

int NativeForm::FrameWidth() const {
  return border_ == BorderStyle::FixedNoTitle ? PixelsFromTwips(kFixedFrame) : 0;
}

void NativeForm::ResizeTo(QSize size) {
  size_.Set(size, [this, size] { resize(size); });
}

void NativeForm::Show() {
  show();
  size_.Shown(size());
  if (windowTitle().isEmpty() && windowHandle()) qt::ShowEmptyTitle(*windowHandle());
  raise();
  activateWindow();
}

void NativeForm::changeEvent(QEvent* event) {
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
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* other = dynamic_cast<NativeForm*>(window);
      if (other && other != this && other->isVisible() && other->isEnabled()) {
        other->raise();
        other->activateWindow();
        break;
      }
    }
  }
  // A window that lost the keyboard while disabled starts again from its first Tab stop; Qt
  // would pick the first control in the order the widgets were made.
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && isEnabled() &&
      !focusWidget()) {
    if (Control* first = form_.FirstTabStop()) first->Native().Widget().setFocus();
  }
  QWidget::changeEvent(event);
}

void NativeForm::closeEvent(QCloseEvent* event) {
  event->accept();
  form_.Unload();
}

void NativeForm::resizeEvent(QResizeEvent* event) {
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

void NativeForm::paintEvent(QPaintEvent* event) {
  if (border_ == BorderStyle::FixedNoTitle) {
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), false);
  }
  QWidget::paintEvent(event);
}

namespace native {

void DestroyForm(NativeForm* window) { delete window; }

void Show(NativeForm& window) { window.Show(); }
void Hide(NativeForm& window) { window.hide(); }
bool IsVisible(const NativeForm& window) { return window.isVisible(); }
void SetEnabled(NativeForm& window, bool enabled) { window.setEnabled(enabled); }
bool IsEnabled(const NativeForm& window) { return window.isEnabled(); }

// Qt places widgets in pixels of the standard resolution and scales them itself.
int Dpi(const NativeForm&) { return kStandardDpi; }
int ClientHeight(const NativeForm& window) { return window.height(); }

void SetClientHeight(NativeForm& window, int twips) {
  window.ResizeTo({window.width(), PixelsFromTwips(twips)});
}

int RunEventLoop() { return QApplication::exec(); }

void Later(std::function<void()> task) { (new DeferredTask(std::move(task)))->deleteLater(); }

void QuitEventLoop() { QCoreApplication::quit(); }

}  // namespace native
}  // namespace forms
