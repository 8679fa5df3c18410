#pragma once
// TFMainKavenor: the main menu. Its creation computes the layout every window
// reads; its 36 buttons open the lessons; "End" asks before the program ends.

#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "shell/LessonTable.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace kavenor {

// The texts of the menu's two dialogs, exactly as shown.
extern const QString kHelpText;
extern const QString kExitQuestion;

class PictureBox;

class TFMainKavenor : public QWidget {
  Q_OBJECT

 public:
  explicit TFMainKavenor(const LessonList& lessons);

  // Called with the lesson number (1 .. 36) when a lesson button is clicked.
  void OnLessonButton(std::function<void(int)> handler) { onLesson_ = std::move(handler); }
  // Called when the user confirms the exit question.
  void OnExit(std::function<void()> handler) { onExit_ = std::move(handler); }

  void ButtonLessonClick(int number);
  void SpeedButtonHelpClick();
  void BitBtnEindeClick();

  QPushButton* ButtonLesson(int number) const { return lessonButtons_.at(number - 1); }
  QPushButton* BitBtnEinde() const { return bitBtnEinde_; }
  QToolButton* SpeedButtonEinde() const { return speedButtonEinde_; }
  QToolButton* SpeedButtonHelp() const { return speedButtonHelp_; }
  QLabel* LabelFig() const { return labelFig_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void SharePushButtonPalette();
  void FormCreate(const LessonList& lessons);
  void TakeFocusBack();

  std::function<void(int)> onLesson_;
  std::function<void()> onExit_;
  QLabel* panel_ = nullptr;
  QToolButton* speedButtonEinde_ = nullptr;
  QToolButton* speedButtonHelp_ = nullptr;
  QPlainTextEdit* memoMain_ = nullptr;
  PictureBox* image_ = nullptr;
  QLabel* labelFig_ = nullptr;
  QPushButton* bitBtnEinde_ = nullptr;
  std::array<QPushButton*, kLessonCount> lessonButtons_{};
};

}  // namespace kavenor
