// Input as a person gives it on a real X server: pasting into a theory pane,
// with and without another program owning the clipboard, and keys typed
// faster than the windows come and go.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTemporaryFile>
#include <unistd.h>

#include "course/Course.h"
#include "shell/TheoryPane.h"
#include "tests/x11/XSupport.h"

namespace kavenor {
namespace {

using xtest::wait;
using xtest::waitFor;
using xtest::xdotool;

QString xid(QWidget* w) { return QString::number(w->winId()); }

// The course windows Qt shows, and the X windows of this process the X
// server maps: both must be exactly one.
QStringList visibleWindows(Course& course) {
  QStringList out;
  if (course.Menu().isVisible()) out << course.Menu().objectName();
  for (int n = 1; n <= kLessonCount; ++n)
    if (course.Lesson(n).isVisible()) out << course.Lesson(n).objectName();
  return out;
}
QStringList mappedWindows() {
  const QString ids = xdotool({"search", "--all", "--onlyvisible", "--pid",
                               QString::number(QCoreApplication::applicationPid()), "."});
  QStringList names;
  for (const QString& id : ids.split('\n', Qt::SkipEmptyParts))
    names << xdotool({"getwindowname", id}).trimmed();
  return names;
}

// A click at a point of a window, through the X server.
void click(QWidget* window, QPoint at) {
  xdotool({"mousemove", "--window", xid(window), QString::number(at.x()), QString::number(at.y()),
           "click", "1"});
}
void click(QWidget* control) {
  click(control->window(), control->mapTo(control->window(), control->rect().center()));
}

class Input : public ::testing::Test {
 protected:
  void SetUp() override {
    course.Start();
    ASSERT_TRUE(waitFor([&] { return course.Menu().isActiveWindow(); }, 5000));
  }
  // Opens Porosity with its button and clicks into its theory pane.
  TheoryPane& openPorosityPane() {
    click(course.Menu().ButtonLesson(1));
    LessonWindow& porosity = course.Lesson(1);
    EXPECT_TRUE(waitFor([&] { return porosity.isActiveWindow(); }, 5000));
    click(porosity.RichEdit());
    EXPECT_TRUE(waitFor([&] { return porosity.RichEdit()->hasFocus(); }, 5000));
    return *porosity.RichEdit();
  }
  // The Menu button answers: the program still takes input.
  void expectResponsive() {
    click(course.Lesson(1).ReturnButton());
    EXPECT_TRUE(waitFor([&] { return course.Menu().isVisible(); }, 10000));
    EXPECT_EQ(visibleWindows(course), QStringList{"FMainKavenor"});
  }
  Course course;
};

TEST_F(Input, PasteWithNoClipboardOwnerInsertsNothing) {
  // Nobody owns the clipboard: this process gives up any ownership it had.
  QGuiApplication::clipboard()->clear();
  wait(200);
  TheoryPane& pane = openPorosityPane();
  const QString before = pane.toPlainText();
  xdotool({"key", "ctrl+v"});
  wait(1000);
  EXPECT_EQ(pane.toPlainText(), before);
  expectResponsive();
}

TEST_F(Input, PastingAMegabyteFromAnotherProgramWorks) {
  QByteArray text;
  for (int line = 0; text.size() < (1 << 20); ++line)
    text += QByteArray::number(line).rightJustified(8, '0') + " the grains settle in the box\n";
  QProcess owner;  // owns the clipboard and serves it until it is killed
  owner.start("xclip", {"-quiet", "-selection", "clipboard", "-i"});
  ASSERT_TRUE(owner.waitForStarted(5000));
  owner.write(text);
  owner.closeWriteChannel();
  wait(500);

  TheoryPane& pane = openPorosityPane();
  pane.moveCursor(QTextCursor::End);
  const qsizetype before = pane.toPlainText().size();
  xdotool({"key", "ctrl+v"});
  EXPECT_TRUE(waitFor([&] { return pane.toPlainText().size() >= before + text.size(); }, 30000))
      << pane.toPlainText().size() - before << " of " << text.size() << " characters arrived";
  EXPECT_TRUE(pane.toPlainText().endsWith(QString::fromLatin1(text.right(200))));
  expectResponsive();
  owner.kill();
  owner.waitForFinished(5000);
}

TEST_F(Input, KeysTypedFasterThanTheWindowsChangeLeaveOneWindowVisible) {
  // "Density", then Space and Tab alternately, 1 ms apart: every Space on a
  // focused button opens a lesson or goes back to the menu.
  click(course.Menu().ButtonLesson(2));
  ASSERT_TRUE(waitFor([&] { return course.Lesson(2).isActiveWindow(); }, 5000));
  QString keys;
  for (int i = 0; i < 100; ++i) keys += QStringLiteral(" \t");
  // The race is lost now and then, not every time: three rounds.
  for (int round = 1; round <= 3; ++round) {
    SCOPED_TRACE(round);
    QProcess typist;
    typist.start("xdotool", {"type", "--delay", "1", keys});
    ASSERT_TRUE(waitFor([&] { return typist.state() == QProcess::NotRunning; }, 60000));
    wait(1000);
    const QStringList visible = visibleWindows(course);
    ASSERT_EQ(visible.size(), 1) << visible.join(' ').toStdString();
    const QStringList mapped = mappedWindows();
    ASSERT_EQ(mapped.size(), 1) << mapped.join(", ").toStdString();
  }
}

}  // namespace
}  // namespace kavenor
