#pragma once
// The course as one object: the main menu, created first, then the 36 lesson
// windows in lesson order. It owns them all for the whole run and moves
// between them: at every moment exactly one of the 37 windows is visible.

#include <QObject>
#include <array>
#include <memory>

#include "shell/Application.h"
#include "shell/LessonTable.h"
#include "shell/LessonWindow.h"
#include "shell/MainKavenor.h"

class QWindow;

namespace kavenor {

class Course : public QObject, public Navigator {
  Q_OBJECT

 public:
  Course();
  ~Course() override;

  TFMainKavenor& Menu() { return *menu_; }
  LessonWindow& Lesson(int number) { return *lessons_.at(number - 1); }
  // The lesson of a window name, or nullptr.
  LessonWindow* Find(const QString& window);

  // What a lesson button does: hide the menu, open lesson N.
  void OpenLesson(int number);
  void ShowMenu() override;
  // Shows the menu as at start-up.
  void Start();
  // The window system moved the keyboard focus to `window` (nullptr: to
  // another application).
  void FocusMovedTo(QWindow* window);

 private:
  std::unique_ptr<TFMainKavenor> menu_;
  std::array<std::unique_ptr<LessonWindow>, kLessonCount> lessons_;
  bool lastFocusWasDialog_ = false;
};

}  // namespace kavenor
