// The whole course with the keyboard alone on a Wayland compositor, as a
// person without a mouse goes through it: the program itself, driven from
// outside with a virtual keyboard. F1 shows the help and its OK answers to
// Alt+O; End asks the exit question and Alt+N keeps the program going; then
// Tab and Space open every lesson in turn: it must be the program's only
// window in the compositor's tree, it must have the keyboard focus and,
// where the lesson draws, its drawing area on the output must not be blank;
// Enter on its Menu button goes back. Tab round to End, Space and Alt+Y
// end the program with exit code 0. Nothing the program printed may come
// from the toolkit's Wayland plugin.

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <set>

#include "course/Lessons.h"
#include "shell/LayoutMetrics.h"
#include "tests/wayland/WaylandMain.h"
#include "tests/wayland/WaylandSupport.h"

namespace kavenor {
namespace {

using wltest::View;
using wltest::views;
using wltest::waitFor;
using wltest::waitForOnly;
using wltest::wtype;

std::size_t colours(const QImage& picture) {
  std::set<QRgb> seen;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) seen.insert(picture.pixel(x, y));
  return seen.size();
}

// Saved where the suite keeps its pictures, if it keeps them.
void keep(const QImage& picture, const QString& name) {
  const QString folder = qEnvironmentVariable("SHOTS");
  if (!folder.isEmpty()) picture.save(QDir(folder).filePath(name + ".png"));
}

TEST(WaylandCourseTour, EveryLessonByKeyboardThenEndAndYesExit) {
  const LayoutRules rules = ComputeLayout(kFormWidth, kFormHeight, 32);
  const LayoutMetrics& m = rules.metrics;
  const QRect area(m.AreaLeft, m.AreaTop, m.AreaWidth, m.AreaHeight);

  QProcess program;
  program.setProcessChannelMode(QProcess::MergedChannels);
  program.start(wltest::ProgramPath(), QStringList{});
  ASSERT_TRUE(program.waitForStarted(10000));
  const qint64 pid = program.processId();
  const View menu = waitForOnly(pid, "Kavenor", 20000);
  ASSERT_FALSE(menu.title.isEmpty()) << "the menu did not appear with the keyboard focus";
  // The compositor lists a new window where it will show it a moment later.
  wltest::wait(1000);
  keep(wltest::grab(QRect(0, 0, 1024, 768)), "desktop-menu");

  // The help box has the menu's title too.
  wtype({"-k", "F1"});
  EXPECT_TRUE(waitFor([&] { return wltest::titles(views(pid)) == QStringList{"Kavenor", "Kavenor"}; },
                      10000))
      << "F1 did not show the help";
  wtype({"-M", "alt", "-k", "o", "-m", "alt"});
  EXPECT_FALSE(waitForOnly(pid, "Kavenor").title.isEmpty()) << "Alt+O did not close the help";

  // End has the focus at start.
  wtype({"-k", "space"});
  EXPECT_TRUE(waitFor([&] { return wltest::titles(views(pid)).contains("Confirm"); }, 10000))
      << "Space on End did not ask the exit question";
  wtype({"-M", "alt", "-k", "n", "-m", "alt"});
  EXPECT_FALSE(waitForOnly(pid, "Kavenor").title.isEmpty()) << "Alt+N did not keep the program";

  for (const LessonEntry& e : Lessons()) {
    const QString caption = QString::fromLatin1(e.caption);
    SCOPED_TRACE(e.window);
    wtype({"-k", "Tab", "-k", "space"});
    const View lesson = waitForOnly(pid, caption);
    ASSERT_FALSE(lesson.title.isEmpty())
        << "Tab and Space did not open the lesson as the only window: "
        << wltest::titles(views(pid)).join(", ").toStdString();
    // A lesson that has its unit draws in its area; a plain frame draws nothing.
    if (e.make != MakeFrame) {
      QImage shown;
      EXPECT_TRUE(waitFor(
          [&] {
            shown = wltest::grab(area.translated(lesson.contents.topLeft()));
            return colours(shown) > 1;
          },
          10000))
          << "the drawing area stayed blank";
      keep(shown, QString::fromLatin1(e.window));
      if (e.number == 1) keep(wltest::grab(QRect(0, 0, 1024, 768)), "desktop-lesson");
    }
    wtype({"-k", "Return"});
    ASSERT_FALSE(waitForOnly(pid, "Kavenor").title.isEmpty()) << "Menu did not go back";
  }

  // From the last lesson button Tab goes round to End.
  wtype({"-k", "Tab", "-k", "space"});
  EXPECT_TRUE(waitFor([&] { return wltest::titles(views(pid)).contains("Confirm"); }, 10000))
      << "Tab and Space on End did not ask the exit question";
  wtype({"-M", "alt", "-k", "y", "-m", "alt"});
  EXPECT_TRUE(program.waitForFinished(20000)) << "the program did not end after Alt+Y";
  const QString said = QString::fromLocal8Bit(program.readAll());
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0) << said.toStdString();
  QStringList plugin;
  for (const QString& line : said.split('\n'))
    if (line.contains(QLatin1String("wayland"), Qt::CaseInsensitive)) plugin << line;
  EXPECT_TRUE(plugin.isEmpty()) << plugin.join('\n').toStdString();
}

}  // namespace
}  // namespace kavenor
