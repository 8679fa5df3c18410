// The whole course as a student goes through it, on a real X server: the
// program itself, driven from outside with xdotool. From the menu every
// lesson is opened with its button; its first drawing must come, it must be
// the only window shown and, where the lesson draws, its drawing area must
// not be blank; the Menu button goes back. End and Yes end the program with
// exit code 0.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QScreen>
#include <set>

#include "course/Lessons.h"
#include "shell/LayoutMetrics.h"
#include "shell/LessonWindow.h"
#include "tests/x11/XSupport.h"

namespace kavenor {
namespace {

using xtest::waitFor;
using xtest::xdotool;

// The program's visible X windows, by title ("" for all of them).
QStringList visibleWindows(qint64 pid, const QString& title = {}) {
  const QString pattern =
      title.isEmpty() ? QStringLiteral(".") : "^" + QRegularExpression::escape(title) + "$";
  return xdotool({"search", "--all", "--onlyvisible", "--pid", QString::number(pid), "--name", pattern})
      .split('\n', Qt::SkipEmptyParts);
}

// The one visible window of the program with this title, waiting up to 10 s.
QString windowTitled(qint64 pid, const QString& title) {
  QString id;
  waitFor(
      [&] {
        const QStringList ids = visibleWindows(pid, title);
        if (ids.size() == 1) id = ids.front();
        return !id.isEmpty();
      },
      10000);
  return id;
}

void clickAt(const QString& window, QPoint at) {
  xdotool({"mousemove", "--window", window, QString::number(at.x()), QString::number(at.y()),
           "click", "1"});
}

// The colours in a rectangle of a window as the X server shows it.
std::size_t coloursIn(const QString& window, const QRect& area) {
  const QImage shot = QGuiApplication::primaryScreen()
                          ->grabWindow(window.toULongLong(), area.x(), area.y(), area.width(),
                                       area.height())
                          .toImage();
  std::set<QRgb> colours;
  for (int y = 0; y < shot.height(); ++y)
    for (int x = 0; x < shot.width(); ++x) colours.insert(shot.pixel(x, y));
  return colours.size();
}

TEST(CourseTour, EveryLessonOpensDrawsAndGoesBackThenEndAndYesExit) {
  const LayoutRules rules = ComputeLayout(kFormWidth, kFormHeight, 32);
  const LayoutMetrics& m = rules.metrics;
  const int lefts[3] = {m.MenuColumnX - 2 * m.ButtonWidth - 2 * m.Margin,
                        m.MenuColumnX - m.ButtonWidth - m.Margin, m.MenuColumnX};
  const QPoint menuButton(m.Margin + m.ButtonWidth / 2,
                          m.FormHeight - 3 * m.ButtonHeight + m.ButtonHeight / 2);
  const QRect area(m.AreaLeft, m.AreaTop, m.AreaWidth, m.AreaHeight);

  QProcess program;
  program.start(QStringLiteral(KAVENOR_PROGRAM), QStringList{});
  ASSERT_TRUE(program.waitForStarted(10000));
  const qint64 pid = program.processId();
  const QString menu = windowTitled(pid, "Kavenor");
  ASSERT_FALSE(menu.isEmpty()) << "the menu did not appear";

  for (const LessonEntry& e : Lessons()) {
    const QString caption = QString::fromLatin1(e.caption);
    SCOPED_TRACE(e.window);
    const QPoint button(lefts[e.column - 1] + m.ButtonWidth / 2,
                        rules.FirstButtonTop + (e.row - 1) * (m.ButtonHeight + rules.Gap) +
                            m.ButtonHeight / 2);
    clickAt(menu, button);
    const QString lesson = windowTitled(pid, caption);
    ASSERT_FALSE(lesson.isEmpty()) << "the lesson did not open";
    EXPECT_TRUE(waitFor([&] { return visibleWindows(pid).size() == 1; }, 5000))
        << visibleWindows(pid).size() << " windows visible";
    // A lesson that has its unit draws in its area; a plain frame draws nothing.
    if (e.make != MakeFrame) {
      EXPECT_TRUE(waitFor([&] { return coloursIn(lesson, area) > 1; }, 10000))
          << "the drawing area stayed blank";
    }
    clickAt(lesson, menuButton);
    ASSERT_FALSE(windowTitled(pid, "Kavenor").isEmpty()) << "Menu did not go back";
    EXPECT_TRUE(waitFor([&] { return visibleWindows(pid).size() == 1; }, 5000));
  }

  clickAt(menu, menuButton);  // End sits where a lesson's Menu button does
  const QString question = windowTitled(pid, "Confirm");
  ASSERT_FALSE(question.isEmpty()) << "the exit question did not appear";
  waitFor([&] { return xdotool({"getwindowfocus"}).trimmed() == question; }, 5000);
  xdotool({"key", "--window", question, "Return"});  // Yes is the default button
  EXPECT_TRUE(program.waitForFinished(10000)) << "the program did not end after Yes";
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0);
}

}  // namespace
}  // namespace kavenor
