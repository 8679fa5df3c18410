// The course's windows in this process as a Wayland compositor treats them:
// an opening is one activation and one run of the paint handler, the
// compositor lists the one window shown, and keys typed faster than the
// windows come and go leave one window.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPushButton>

#include "course/Course.h"
#include "tests/support/ProbeLesson.h"
#include "tests/wayland/WaylandSupport.h"

namespace kavenor {
namespace {

using test::kProbeEntry;
using test::ProbeLesson;
using wltest::views;
using wltest::wait;
using wltest::waitFor;

qint64 self() { return QCoreApplication::applicationPid(); }

// The course windows the toolkit shows, and those the compositor lists: both
// must be exactly one.
QStringList shownWindows(Course& course) {
  QStringList out;
  if (course.Menu().isVisible()) out << course.Menu().windowTitle();
  for (int n = 1; n <= kLessonCount; ++n)
    if (course.Lesson(n).isVisible()) out << course.Lesson(n).windowTitle();
  return out;
}

class WaylandWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    course.Start();
    ASSERT_TRUE(waitFor([&] { return course.Menu().isActiveWindow(); }, 10000))
        << "the menu did not get the keyboard focus";
  }
  Course course;
};

TEST_F(WaylandWindows, AnOpeningActivatesOnceAndRunsThePaintHandlerOnce) {
  ProbeLesson probe(kProbeEntry, true);
  probe.SetNavigator(&course);
  for (int round = 1; round <= 3; ++round) {
    SCOPED_TRACE(round);
    course.Menu().hide();
    probe.paints = 0;
    probe.Open();
    ASSERT_TRUE(waitFor([&] { return probe.isActiveWindow(); }, 10000))
        << "the lesson did not get the keyboard focus";
    // Whatever the compositor still sends about the new window comes now.
    wait(800);
    EXPECT_EQ(probe.activations, round);
    EXPECT_EQ(probe.paints, 1);
    EXPECT_EQ(wltest::titles(views(self())), QStringList{"Probe"});
    probe.ReturnButtonClick();
    ASSERT_TRUE(waitFor([&] { return course.Menu().isActiveWindow(); }, 10000));
    EXPECT_EQ(probe.activations, round);
  }
}

TEST_F(WaylandWindows, KeysTypedFasterThanTheWindowsChangeLeaveOneWindow) {
  // Tab to Porosity and Space opens it; then Space and Tab alternately, 1 ms
  // apart: every Space on a focused button opens a lesson or goes back to
  // the menu.
  wltest::wtype({"-k", "Tab", "-k", "space"});
  ASSERT_TRUE(waitFor([&] { return course.Lesson(1).isActiveWindow(); }, 10000))
      << "Tab and Space did not open Porosity";
  QStringList keys{"-d", "1"};
  for (int i = 0; i < 100; ++i) keys << "-k" << "space" << "-k" << "Tab";
  // The race is lost now and then, not every time: three rounds.
  for (int round = 1; round <= 3; ++round) {
    SCOPED_TRACE(round);
    wltest::wtype(keys);
    wait(1000);
    const QStringList shown = shownWindows(course);
    ASSERT_EQ(shown.size(), 1) << shown.join(", ").toStdString();
    QStringList listed;
    // The compositor may still be taking the last window change in.
    waitFor([&] { return (listed = wltest::titles(views(self()))) == shown; }, 5000);
    ASSERT_EQ(listed, shown);
  }
}

}  // namespace
}  // namespace kavenor
