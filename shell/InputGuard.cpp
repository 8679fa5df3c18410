#include "shell/InputGuard.h"

#include <QApplication>
#include <QList>
#include <QWidget>
#include <QWindow>

namespace kavenor {
namespace {

bool isInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

// Whether the window an input event is addressed to is hidden: a widget's
// top-level window, or the window-system window that forwards to it.
bool addressedToHiddenWindow(QObject* receiver) {
  if (receiver->isWidgetType()) return !static_cast<QWidget*>(receiver)->window()->isVisible();
  if (receiver->isWindowType()) return !static_cast<QWindow*>(receiver)->isVisible();
  return false;
}

class InputGuard : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (event->type() == QEvent::Close && receiver->isWindowType()) return closeOnce(receiver, event);
    return isInput(event->type()) && addressedToHiddenWindow(receiver);
  }

 private:
  // A window answering a close request (the menu asking its exit question)
  // gets no second one until it has answered: the toolkit would take the
  // second for an accepted close and take the window away, leaving no window
  // shown. The request is passed on here, marked, and a second one for the
  // same window meanwhile is ignored.
  bool closeOnce(QObject* window, QEvent* event) {
    if (event == passing_) return false;
    if (closing_.contains(window)) {
      event->ignore();
      return true;
    }
    closing_.append(window);
    QEvent* outer = passing_;
    passing_ = event;
    QCoreApplication::sendEvent(window, event);
    passing_ = outer;
    closing_.removeOne(window);
    return true;
  }

  QList<QObject*> closing_;
  QEvent* passing_ = nullptr;
};

}  // namespace

void InstallInputGuard() {
  static InputGuard* guard = nullptr;
  if (guard && guard->parent() == qApp) return;
  guard = new InputGuard(qApp);
  qApp->installEventFilter(guard);
}

}  // namespace kavenor
