#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <QWindow>

#include "course/Course.h"
#include "tests/support/ProbeLesson.h"

namespace kavenor {
namespace {

using test::kProbeEntry;
using test::ProbeLesson;

// Runs the event loop for a while, so the window system's answers arrive.
void wait(int ms) { QTest::qWait(ms); }

bool windowManagerRunning() {
  QProcess p;
  p.start("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"});
  p.waitForFinished(5000);
  return p.readAllStandardOutput().contains("window id");
}

// Gives the keyboard focus to an X window as a person would: through the
// window manager where there is one, directly otherwise.
void focusXWindow(const QString& id) {
  const QString verb = windowManagerRunning() ? "windowactivate" : "windowfocus";
  QProcess::execute("xdotool", {verb, "--sync", id});
}

// Another application's window, covering the top left of the screen.
class OtherApplication {
 public:
  OtherApplication() {
    process_.start("xmessage", {"-geometry", "900x700+0+0", "another application"});
    QElapsedTimer clock;
    clock.start();
    while (id_.isEmpty() && clock.elapsed() < 10000) {
      QProcess search;
      search.start("xdotool", {"search", "--onlyvisible", "--classname", "^xmessage$"});
      search.waitForFinished(5000);
      id_ = QString::fromLatin1(search.readAllStandardOutput()).section('\n', 0, 0).trimmed();
      if (id_.isEmpty()) wait(100);
    }
  }
  ~OtherApplication() {
    process_.kill();
    process_.waitForFinished(5000);
  }
  const QString& id() const { return id_; }
  void raise() { focusXWindow(id_); QProcess::execute("xdotool", {"windowraise", id_}); }

 private:
  QProcess process_;
  QString id_;
};

class WindowSystem : public ::testing::Test {
 protected:
  void SetUp() override {
    course.Start();
    wait(300);
  }
  Course course;
};

TEST_F(WindowSystem, OpeningFromTheMenuActivatesExactlyOnce) {
  ProbeLesson probe(kProbeEntry, true);
  probe.SetNavigator(&course);
  for (int round = 1; round <= 3; ++round) {
    course.Menu().hide();
    probe.Open();
    wait(400);
    EXPECT_EQ(probe.activations, round);
    EXPECT_TRUE(probe.isActiveWindow());
    probe.ReturnButtonClick();
    wait(200);
    EXPECT_TRUE(course.Menu().isVisible());
  }
}

TEST_F(WindowSystem, SwitchingToAnotherApplicationAndBackDoesNotActivate) {
  ProbeLesson probe(kProbeEntry, false);
  probe.SetNavigator(&course);
  course.Menu().hide();
  probe.Open();
  wait(400);
  ASSERT_EQ(probe.activations, 1);
  OtherApplication other;
  ASSERT_FALSE(other.id().isEmpty());
  focusXWindow(other.id());
  wait(400);
  EXPECT_FALSE(probe.isActiveWindow());
  focusXWindow(QString::number(probe.winId()));
  wait(400);
  EXPECT_TRUE(probe.isActiveWindow());
  EXPECT_EQ(probe.activations, 1);
  probe.ReturnButtonClick();
}

TEST_F(WindowSystem, UncoveringRunsThePaintHandlerOrShowsTheLastPicture) {
  for (bool paintConnected : {true, false}) {
    SCOPED_TRACE(paintConnected ? "paint handler" : "no paint handler");
    ProbeLesson probe(kProbeEntry, paintConnected);
    probe.SetNavigator(&course);
    course.Menu().hide();
    probe.Open();
    probe.Draw(clBlue);
    wait(400);
    const int paints = probe.paints;
    {
      OtherApplication other;
      ASSERT_FALSE(other.id().isEmpty());
      other.raise();
      wait(400);
    }  // the other window goes away: the lesson is uncovered
    focusXWindow(QString::number(probe.winId()));
    wait(600);
    if (paintConnected) {
      EXPECT_GT(probe.paints, paints);
      EXPECT_EQ(probe.Surface().pixel(15, 50) & 0xFFFFFF, clRed);
    } else {
      EXPECT_EQ(probe.paints, 0);
      EXPECT_EQ(probe.Surface().pixel(15, 50) & 0xFFFFFF, clBlue);
    }
    EXPECT_EQ(probe.activations, 1);
    probe.ReturnButtonClick();
  }
}

// A showing runs the paint handler once; a real uncovering once more. The
// program's own raise and the window's configure are not repaints.
TEST_F(WindowSystem, AShowingAndAnUncoveringEachRunThePaintHandlerOnce) {
  ProbeLesson probe(kProbeEntry, true);
  probe.SetNavigator(&course);
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round == 0 ? "first opening" : "second opening");
    course.Menu().hide();
    probe.paints = 0;
    probe.Open();
    wait(600);
    EXPECT_EQ(probe.paints, 1);
    {
      OtherApplication other;
      ASSERT_FALSE(other.id().isEmpty());
      other.raise();
      wait(400);
    }
    wait(600);
    EXPECT_EQ(probe.paints, 2);
    probe.ReturnButtonClick();
    wait(200);
  }
}

}  // namespace
}  // namespace kavenor
