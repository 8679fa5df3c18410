// The lesson tools as a person reaches them on a real X server: the context
// menu by a right click, the Menu key and Shift+F10; Pause, Step and Copy
// picture through the keyboard; the copied picture read by another program.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QProcess>
#include <QPushButton>

#include "course/Course.h"
#include "course/Lessons.h"
#include "shell/LessonTimer.h"
#include "shell/LessonTools.h"
#include "tests/x11/XSupport.h"

namespace kavenor {
namespace {

using xtest::waitFor;
using xtest::xdotool;

QString xid(QWidget* w) { return QString::number(w->winId()); }

QMenu* openMenu() {
  return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

class Tools : public ::testing::Test {
 protected:
  void SetUp() override {
    course.Start();
    ASSERT_TRUE(waitFor([&] { return course.Menu().isActiveWindow(); }, 5000));
    QTest::qWait(300);  // the menu settles at its place before it is clicked
    // Darcy: its drops fall with every tick.
    xdotool({"mousemove", "--window", xid(&course.Menu()), "0", "0"});
    const QPushButton* button = course.Menu().ButtonLesson(darcy.number);
    const QPoint at = button->mapTo(&course.Menu(), button->rect().center());
    xdotool({"mousemove", "--window", xid(&course.Menu()), QString::number(at.x()),
             QString::number(at.y()), "click", "1"});
    ASSERT_TRUE(waitFor([&] { return lesson().isActiveWindow(); }, 5000));
    for (int i = 0; i < 40; ++i) lesson().Timer()->Fire();
    QTest::qWait(200);
  }
  void TearDown() override {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
  }
  LessonWindow& lesson() { return course.Lesson(darcy.number); }
  void key(const char* keys) { xdotool({"key", "--clearmodifiers", keys}); }

  const LessonEntry& darcy = *FindLesson("FH31");
  Course course;
};

TEST_F(Tools, RightClickOnTheFigureAndTheMenuKeysOpenTheMenu) {
  const QRect figure = lesson().PictureRect();
  ASSERT_FALSE(figure.isEmpty());
  xdotool({"mousemove", "--window", xid(&lesson()), QString::number(figure.center().x()),
           QString::number(figure.center().y()), "click", "3"});
  ASSERT_TRUE(waitFor([] { return openMenu() != nullptr; }, 5000)) << "no menu on a right click";
  EXPECT_EQ(openMenu(), &lesson().Tools().Menu());
  key("Escape");
  ASSERT_TRUE(waitFor([] { return openMenu() == nullptr; }, 5000));
  EXPECT_TRUE(waitFor([&] { return lesson().isActiveWindow(); }, 5000));

  for (const char* keys : {"Menu", "shift+F10"}) {
    SCOPED_TRACE(keys);
    key(keys);
    ASSERT_TRUE(waitFor([] { return openMenu() != nullptr; }, 5000));
    key("Escape");
    ASSERT_TRUE(waitFor([] { return openMenu() == nullptr; }, 5000));
  }
  EXPECT_TRUE(lesson().isVisible());
  EXPECT_FALSE(lesson().Held()) << "opening and closing the menu changed the lesson";
}

TEST_F(Tools, PauseStepAndCopyPictureByKeyboardGiveTheFigureToAnotherProgram) {
  LessonTools& tools = lesson().Tools();
  key("ctrl+shift+p");
  ASSERT_TRUE(waitFor([&] { return lesson().Held(); }, 5000)) << "Ctrl+Shift+P did not pause";
  const QImage held = tools.Picture();
  for (int i = 0; i < 20; ++i) lesson().Timer()->Fire();
  EXPECT_EQ(tools.Picture(), held);

  key("ctrl+shift+n");
  ASSERT_TRUE(waitFor([&] { return tools.Picture() != held; }, 5000)) << "no step";
  EXPECT_TRUE(lesson().Held());

  // Through the menu: Shift+F10, then down to Copy picture and Enter.
  key("shift+F10");
  ASSERT_TRUE(waitFor([] { return openMenu() != nullptr; }, 5000));
  QMenu* menu = openMenu();
  // Opened from the keyboard, the menu highlights Step, the likeliest next.
  ASSERT_TRUE(waitFor([&] { return menu->activeAction() != nullptr; }, 2000));
  EXPECT_EQ(menu->activeAction(), tools.Action(LessonTools::Step));
  for (int guard = 0; guard < 10 && menu->activeAction() != tools.Action(LessonTools::CopyPicture);
       ++guard) {
    key("Down");
    QTest::qWait(100);
  }
  ASSERT_EQ(menu->activeAction(), tools.Action(LessonTools::CopyPicture));
  key("Return");
  ASSERT_TRUE(waitFor([] { return openMenu() == nullptr; }, 5000));

  // Another program asks for the clipboard as a PNG; this one serves it.
  QProcess reader;
  reader.start("xclip", {"-selection", "clipboard", "-t", "image/png", "-o"});
  ASSERT_TRUE(waitFor([&] { return reader.state() == QProcess::NotRunning; }, 20000));
  const QImage served = QImage::fromData(reader.readAllStandardOutput(), "PNG");
  ASSERT_FALSE(served.isNull()) << reader.readAllStandardError().toStdString();
  EXPECT_EQ(served.convertToFormat(QImage::Format_RGB32), tools.Picture());

  // Resume by keyboard; the lesson runs again.
  key("ctrl+shift+p");
  ASSERT_TRUE(waitFor([&] { return !lesson().Held(); }, 5000));
}

}  // namespace
}  // namespace kavenor
