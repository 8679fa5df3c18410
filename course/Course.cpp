#include "course/Course.h"

#include <QApplication>
#include <QDialog>
#include <QWindow>

#include "course/FigureDescriptions.h"
#include "course/Lessons.h"
#include "shell/Accessibility.h"
#include "shell/LessonTools.h"
#include "shell/TheoryPane.h"
#include "shell/Widgets.h"

namespace kavenor {

Course::Course() {
  // The menu's creation fills the layout the lesson windows read, so it comes
  // first; then the lessons, in lesson order.
  InstallAccessibleInterfaces();
  menu_ = std::make_unique<TFMainKavenor>(Lessons());
  MakeMenuAccessible(*menu_, Lessons());
  menu_->OnLessonButton([this](int number) { OpenLesson(number); });
  // Leave the event loop directly: quit() would first ask every window to
  // close, and the course's windows answer a close with the Menu button or
  // the exit question.
  menu_->OnExit([] { QCoreApplication::exit(0); });
  for (const LessonEntry& e : Lessons()) {
    lessons_[e.number - 1] = e.make(e);
    lessons_[e.number - 1]->RichEdit()->EndComposition();
    lessons_[e.number - 1]->SetNavigator(this);
    MakeLessonAccessible(*lessons_[e.number - 1], QString::fromUtf8(FigureDescription(e.window)));
  }
  for (const ControlName& c : ControlNames())
    if (LessonWindow* lesson = Find(QString::fromLatin1(c.window)))
      if (auto* control = lesson->findChild<QWidget*>(QString::fromLatin1(c.control)))
        control->setAccessibleName(QString::fromUtf8(c.name));
  connect(qApp, &QGuiApplication::focusWindowChanged, this, &Course::FocusMovedTo);
}

Course::~Course() = default;

LessonWindow* Course::Find(const QString& window) {
  for (auto& lesson : lessons_)
    if (lesson->objectName() == window) return lesson.get();
  return nullptr;
}

void Course::OpenLesson(int number) {
  // The opening is the lesson's activation. Focus that comes to it later is
  // not coming back from a dialog, even when the menu never had the focus
  // back after one (a window manager that withholds the focus).
  lastFocusWasDialog_ = false;
  menu_->hide();
  Lesson(number).Open();
}

void Course::ShowMenu() {
  menu_->show();
  BringToFront(menu_.get());
}

void Course::Start() { ShowMenu(); }

void Course::FocusMovedTo(QWindow* window) {
  // Focus coming back to a lesson from one of the program's dialogs
  // activates it; focus coming back from another application does not.
  if (!window) return;
  QWidget* widget = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets())
    if (top->windowHandle() == window) widget = top;
  if (!widget) return;
  if (lastFocusWasDialog_)
    if (auto* lesson = qobject_cast<LessonWindow*>(widget)) lesson->Activate();
  lastFocusWasDialog_ = qobject_cast<QDialog*>(widget) != nullptr && !IsToolDialog(widget);
}

}  // namespace kavenor
