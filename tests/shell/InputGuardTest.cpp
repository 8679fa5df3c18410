// A hidden window acts on no input: keys, clicks and shortcuts still queued
// for a window that has just been hidden are dropped, so the window a person
// sees is the only one that answers.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTest>

#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

QStringList visibleWindows(Course& course) {
  QStringList out;
  if (course.Menu().isVisible()) out << course.Menu().objectName();
  for (int n = 1; n <= kLessonCount; ++n)
    if (course.Lesson(n).isVisible()) out << course.Lesson(n).objectName();
  return out;
}

class HiddenWindowInput : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int n = 1; n <= kLessonCount; ++n)
      if (course.Lesson(n).isVisible()) course.Lesson(n).ReturnButtonClick();
    course.Start();
    test::Settle();
  }
  void TearDown() override { SetUp(); }
  Course& course = test::SharedCourse();
};

TEST_F(HiddenWindowInput, KeysAndClicksForAHiddenWindowAreDropped) {
  struct Case {
    const char* name;
    // Leaves the course with the window `open` shown and sends input to a
    // window that was just hidden.
    std::function<void(Course&)> input;
    const char* open;
  };
  const Case cases[] = {
      {"Tab and Space for the menu, hidden by the lesson it opened",
       [](Course& c) {
         c.Menu().ButtonLesson(2)->setFocus();
         QTest::keyClick(c.Menu().windowHandle(), Qt::Key_Space);
         QTest::keyClick(c.Menu().windowHandle(), Qt::Key_Tab);
         QTest::keyClick(c.Menu().windowHandle(), Qt::Key_Space);
       },
       "FH12"},
      {"a click on a button of the hidden menu",
       [](Course& c) {
         c.OpenLesson(4);
         QPushButton* b = c.Menu().ButtonLesson(7);
         QTest::mouseClick(c.Menu().windowHandle(), Qt::LeftButton, {},
                           b->mapTo(&c.Menu(), b->rect().center()));
       },
       "FH14"},
      {"Enter for the Menu button of a lesson left for another",
       [](Course& c) {
         c.OpenLesson(2);
         c.Lesson(2).ReturnButtonClick();
         c.OpenLesson(3);
         QTest::keyClick(c.Lesson(2).windowHandle(), Qt::Key_Return);
       },
       "FH13"},
      {"Space sent to the hidden menu's focused button itself",
       [](Course& c) {
         c.OpenLesson(5);
         c.Menu().ButtonLesson(9)->setFocus();
         QTest::keyClick(c.Menu().ButtonLesson(9), Qt::Key_Space);
       },
       "FH21"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetUp();
    c.input(course);
    test::Settle();
    EXPECT_EQ(visibleWindows(course).join(" ").toStdString(), c.open);
  }
}

TEST_F(HiddenWindowInput, TypingAndShortcutsForAHiddenPaneChangeNothing) {
  LessonWindow& porosity = course.Lesson(1);
  course.OpenLesson(1);
  porosity.RichEdit()->setFocus();
  porosity.ReturnButtonClick();
  test::Settle();
  const QString before = porosity.RichEdit()->toPlainText();
  QTest::keyClicks(porosity.RichEdit(), QStringLiteral("sand"));
  QTest::keyClick(porosity.windowHandle(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(porosity.windowHandle(), Qt::Key_Delete);
  test::Settle();
  EXPECT_TRUE(porosity.RichEdit()->toPlainText() == before);
  EXPECT_FALSE(porosity.RichEdit()->textCursor().hasSelection());
}

TEST_F(HiddenWindowInput, TheShownWindowStillTakesKeysAndClicks) {
  course.OpenLesson(2);
  test::Settle();
  QTest::keyClick(course.Lesson(2).windowHandle(), Qt::Key_Space);
  test::Settle();
  EXPECT_EQ(visibleWindows(course).join(" ").toStdString(), "FMainKavenor");
  QPushButton* b = course.Menu().ButtonLesson(3);
  QTest::mouseClick(course.Menu().windowHandle(), Qt::LeftButton, {},
                    b->mapTo(&course.Menu(), b->rect().center()));
  test::Settle();
  EXPECT_EQ(visibleWindows(course).join(" ").toStdString(), "FH13");
}

TEST_F(HiddenWindowInput, ACloseRequestWhileTheExitQuestionEndsLeavesTheMenuShown) {
  // Alt+F4 twice: the second close arrives after No was clicked, before the
  // first question's loop has returned.
  course.Menu().OnExit([] {});
  bool asked = false;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    asked = true;
    box->button(QMessageBox::No)->click();
    QCloseEvent again;
    QCoreApplication::sendEvent(course.Menu().windowHandle(), &again);
  });
  QCloseEvent first;
  QCoreApplication::sendEvent(course.Menu().windowHandle(), &first);
  test::Settle();
  EXPECT_TRUE(asked);
  EXPECT_EQ(visibleWindows(course).join(" ").toStdString(), "FMainKavenor");
  course.Menu().OnExit([] { QCoreApplication::exit(0); });
}

}  // namespace
}  // namespace kavenor
