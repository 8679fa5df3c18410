#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QClipboard>
#include <QScreen>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <random>

#include "shell/LessonTimer.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

// The names of the top-level windows of the course that are visible.
QStringList visibleWindows(Course& course) {
  QStringList out;
  if (course.Menu().isVisible()) out << course.Menu().objectName();
  for (int n = 1; n <= 36; ++n)
    if (course.Lesson(n).isVisible()) out << course.Lesson(n).objectName();
  return out;
}

// Answers the next message box with `button`, keeping its text and buttons.
struct DialogAnswer {
  QString title, text;
  QList<QMessageBox::StandardButton> buttons;
  QRect geometry;
  bool seen = false;
};
void answerNextDialog(QMessageBox::StandardButton button, DialogAnswer* answer,
                      std::function<void()> whileOpen = {}) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    answer->seen = true;
    answer->title = box->windowTitle();
    answer->text = box->text();
    answer->geometry = box->frameGeometry();
    for (QAbstractButton* b : box->buttons()) answer->buttons << box->standardButton(b);
    if (whileOpen) whileOpen();
    box->button(button)->click();
  });
}

class Navigation : public ::testing::Test {
 protected:
  void SetUp() override {
    course.Menu().OnExit([this] { ++exits; });
    for (int n = 1; n <= 36; ++n)
      if (course.Lesson(n).isVisible()) course.Lesson(n).ReturnButtonClick();
    course.Start();
    test::Settle();
  }
  void TearDown() override { course.Menu().OnExit([] { QCoreApplication::exit(0); }); }
  Course& course = test::SharedCourse();
  int exits = 0;
};

TEST_F(Navigation, LessonButtonShowsTheLessonWithMenuFocusedAndMenuReturns) {
  course.Menu().ButtonLesson(10)->click();
  test::Settle();
  LessonWindow& darcy = course.Lesson(10);
  EXPECT_EQ(visibleWindows(course), QStringList{"FH31"});
  EXPECT_EQ(darcy.focusWidget(), darcy.ReturnButton());
  darcy.ReturnSpeed()->click();
  EXPECT_EQ(visibleWindows(course), QStringList{"FMainKavenor"});
}

TEST_F(Navigation, EnterOrSpaceRightAfterOpeningGoesBackToTheMenu) {
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    course.OpenLesson(3);
    test::Settle();
    QWidget* focused = course.Lesson(3).focusWidget();
    ASSERT_EQ(focused, course.Lesson(3).ReturnButton());
    QTest::keyClick(focused, key);
    test::Settle();
    EXPECT_EQ(visibleWindows(course), QStringList{"FMainKavenor"}) << key;
  }
}

TEST_F(Navigation, WindowSystemCloseOfALessonActsAsItsMenuButton) {
  course.OpenLesson(20);
  test::Settle();
  EXPECT_FALSE(course.Lesson(20).close());
  test::Settle();
  EXPECT_EQ(visibleWindows(course), QStringList{"FMainKavenor"});
}

TEST_F(Navigation, WindowSystemCloseOfTheMenuAsksTheExitQuestion) {
  DialogAnswer answer;
  answerNextDialog(QMessageBox::No, &answer);
  EXPECT_FALSE(course.Menu().close());
  EXPECT_TRUE(answer.seen);
  EXPECT_EQ(answer.text, kExitQuestion);
  EXPECT_EQ(exits, 0);
  EXPECT_EQ(visibleWindows(course), QStringList{"FMainKavenor"});
}

TEST_F(Navigation, ExitQuestionYesEndsTheProgramAndNoChangesNothing) {
  DialogAnswer no, yes;
  const QRect before = course.Menu().ButtonLesson(7)->geometry();
  answerNextDialog(QMessageBox::No, &no);
  course.Menu().BitBtnEinde()->click();
  EXPECT_EQ(no.text, "Are you sure you want to exit the program now?");
  EXPECT_EQ(no.buttons, (QList<QMessageBox::StandardButton>{QMessageBox::Yes, QMessageBox::No}));
  EXPECT_EQ(exits, 0);
  EXPECT_EQ(course.Menu().ButtonLesson(7)->geometry(), before);
  answerNextDialog(QMessageBox::Yes, &yes);
  course.Menu().SpeedButtonEinde()->click();
  EXPECT_TRUE(yes.seen);
  EXPECT_EQ(exits, 1);
}

TEST_F(Navigation, HelpBoxShowsTheCourseTextAndBlocksTheLessonButtons) {
  DialogAnswer answer;
  bool openedWhileModal = false;
  answerNextDialog(QMessageBox::Ok, &answer, [&] {
    // A click through the window system, which keeps modal dialogs modal.
    QPushButton* button = course.Menu().ButtonLesson(5);
    QTest::mouseClick(course.Menu().windowHandle(), Qt::LeftButton, {},
                      button->mapTo(&course.Menu(), button->rect().center()));
    test::Settle();
    openedWhileModal = course.Lesson(5).isVisible();
  });
  course.Menu().SpeedButtonHelp()->click();
  ASSERT_TRUE(answer.seen);
  EXPECT_FALSE(openedWhileModal);
  EXPECT_EQ(answer.title, "Kavenor");
  EXPECT_EQ(answer.text,
            "Kavenor\n\nThis is a program to show the main principles of soil mechanics.  By "
            "clicking on a button various topics will be presented, by text and graphics.\n\n");
  EXPECT_EQ(answer.buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
  EXPECT_EQ(visibleWindows(course), QStringList{"FMainKavenor"});
}

// Both dialogs come up in the middle of the screen, wherever the menu is.
TEST_F(Navigation, DialogsAreCentredOnTheScreenWithTheMenuInACorner) {
  const QPoint home = course.Menu().pos();
  const QPoint centre = course.Menu().screen()->geometry().center();
  struct Case {
    QAbstractButton* button;
    QMessageBox::StandardButton answer;
  };
  const Case cases[] = {{course.Menu().SpeedButtonHelp(), QMessageBox::Ok},
                        {course.Menu().BitBtnEinde(), QMessageBox::No}};
  for (const QPoint corner : {QPoint(0, 0), QPoint(200, 100)}) {
    course.Menu().move(corner);
    for (const Case& c : cases) {
      DialogAnswer answer;
      answerNextDialog(c.answer, &answer);
      c.button->click();
      ASSERT_TRUE(answer.seen);
      EXPECT_LE((answer.geometry.center() - centre).manhattanLength(), 1)
          << answer.text.toStdString() << " at " << answer.geometry.x() << ','
          << answer.geometry.y();
    }
  }
  course.Menu().move(home);
  EXPECT_EQ(exits, 0);
}

// The welcome text takes the focus by a click, so it can be selected and
// copied, but it stays read-only and out of the tab order.
TEST_F(Navigation, TheMemoTakesFocusByAClickAndStaysReadOnly) {
  auto* memo = course.Menu().findChild<QPlainTextEdit*>("MemoMain");
  ASSERT_TRUE(memo);
  const QString text = memo->toPlainText();
  QTest::mouseClick(memo->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
  test::Settle();
  EXPECT_TRUE(memo->hasFocus());
  QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(memo, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), text);
  QTest::keyClicks(memo, "typed");
  QTest::keyClick(memo, Qt::Key_Delete);
  EXPECT_EQ(memo->toPlainText(), text);
  course.Menu().BitBtnEinde()->setFocus();
  for (int i = 0; i < 40; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), memo) << i;
  }
  EXPECT_EQ(visibleWindows(course), QStringList{"FMainKavenor"});
}

TEST_F(Navigation, ExactlyOneWindowIsVisibleThroughRandomUse) {
  std::mt19937 random(2026);
  std::vector<QRect> layout;
  for (int n = 1; n <= 36; ++n) layout.push_back(course.Menu().ButtonLesson(n)->geometry());
  QString expected = "FMainKavenor";
  for (int step = 0; step < 300; ++step) {
    const int action = static_cast<int>(random() % 5);
    LessonWindow* open = course.Find(expected);
    if (!open) {
      if (action <= 2) {
        const int n = 1 + static_cast<int>(random() % 36);
        course.Menu().ButtonLesson(n)->click();
        expected = course.Lesson(n).objectName();
      } else {
        DialogAnswer answer;
        answerNextDialog(action == 3 ? QMessageBox::Ok : QMessageBox::No, &answer);
        if (action == 3)
          course.Menu().SpeedButtonHelp()->click();
        else
          course.Menu().BitBtnEinde()->click();
        ASSERT_TRUE(answer.seen);
      }
    } else {
      // A few ticks, then one of the three ways back.
      if (open->Timer())
        for (int i = 0; i < 3; ++i) open->Timer()->Fire();
      if (action == 0) open->ReturnButton()->click();
      else if (action == 1) open->ReturnSpeed()->click();
      else open->close();
      expected = "FMainKavenor";
    }
    test::Settle();
    ASSERT_EQ(visibleWindows(course), QStringList{expected}) << "step " << step;
  }
  EXPECT_EQ(exits, 0);
  for (int n = 1; n <= 36; ++n) EXPECT_EQ(course.Menu().ButtonLesson(n)->geometry(), layout[n - 1]);
}

}  // namespace
}  // namespace kavenor
