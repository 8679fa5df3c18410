// The density lesson and the measuring cylinder it shares with three others:
// the fill and the compaction, the drawing at its worked coordinates, the
// theory pane and the window's button, timer and activation.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTextCursor>
#include <tuple>

#include "course/Lessons.h"
#include "lessons/composition/Cylinder.h"
#include "lessons/composition/H12.h"
#include "shell/LessonTimer.h"
#include "shell/Random.h"
#include "tests/lessons/composition/CylinderCheck.h"
#include "tests/support/FigureTables.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

using test::kGlass;
constexpr int kLessonNumber = 2;

ShakeModel Activated(const ShakeSetup& setup = kDensityShake) {
  SeedRandom(7);
  ShakeModel m(setup);
  m.Activate();
  return m;
}

void TickTimes(ShakeModel& m, int n) {
  for (int i = 0; i < n; ++i) m.Tick();
}

// Filled, the button pressed.
ShakeModel Shaking(const ShakeSetup& setup = kDensityShake) {
  ShakeModel m = Activated(setup);
  TickTimes(m, kFillTicks + 1);
  m.Shake();
  return m;
}

auto State(const ShakeModel& m) {
  return std::make_tuple(m.Fill.Tick, m.Fill.Falling, m.Shaking, m.Compaction, m.ShakeTicks,
                         m.Jiggle, m.NextStep, m.Interval, m.ButtonVisible, m.ButtonEnabled,
                         m.ButtonShift);
}

// ------------------------------------------------------------------ model

TEST(FH12Model, GeometryOfTheStandardArea) {
  const test::WorkedValue cases[] = {
      {"dx", kGlass.dx, 33},           {"dy", kGlass.dy, 19},
      {"yG", kGlass.yG, 176},          {"xa", kGlass.xa, 132},
      {"xb", kGlass.xb, 198},          {"inner left", kGlass.InnerLeft, 137},
      {"inner right", kGlass.InnerRight, 193}, {"yI", kGlass.yI, 173},
      {"top", kGlass.Top, 19},         {"initial water", kGlass.InitialWater(), 79},
  };
  test::ExpectWorkedValues(cases);
}

TEST(FH12Model, ActivationScattersTheGrainsAndStartsFromWater) {
  ShakeModel m = Activated();
  EXPECT_EQ(State(m), std::make_tuple(0, 0, 0, 0, 0, 3, 10, 50, false, false, 0));
  // Random(100) x 0.01 for each grain, its X first.
  SeedRandom(7);
  Randomize();
  for (int k = 0; k < kFallingGrains; ++k) {
    EXPECT_EQ(m.Fill.Grains.X[k], static_cast<double>(Random(100) * 0.01L)) << k;
    EXPECT_EQ(m.Fill.Grains.Y[k], static_cast<double>(Random(100) * 0.01L)) << k;
  }
  const CylinderScene s = m.Scene(kGlass);
  EXPECT_EQ(s.WaterTop, 79);
  EXPECT_EQ(s.SandTop, 173) << "no sand yet";
  EXPECT_FALSE(s.Falling);
  EXPECT_NE(Activated().Fill.Grains, [] {
    ShakeModel again(kDensityShake);
    again.Activate();  // the next reseed: new places
    return again.Fill.Grains;
  }());
}

TEST(FH12Model, FillThenWait) {
  const struct {
    int ticks, tick, falling, water, sand, interval;
    bool button;
  } rows[] = {
      {1, 1, 1, 79, 173, 50, false},   {5, 5, 1, 78, 171, 50, false},
      {60, 60, 1, 67, 149, 50, false}, {119, 119, 1, 55, 125, 50, false},
      {120, 120, 1, 55, 125, 50, false}, {121, 120, 0, 55, 125, 10, true},
      {500, 120, 0, 55, 125, 10, true},
  };
  ShakeModel m = Activated();
  int done = 0;
  for (const auto& r : rows) {
    TickTimes(m, r.ticks - done);
    done = r.ticks;
    SCOPED_TRACE(testing::Message() << "after tick " << r.ticks);
    const CylinderScene s = m.Scene(kGlass);
    EXPECT_EQ(m.Fill.Tick, r.tick);
    EXPECT_EQ(m.Fill.Falling, r.falling);
    EXPECT_EQ(s.Falling, r.falling == 1);
    EXPECT_EQ(s.WaterTop, r.water);
    EXPECT_EQ(s.SandTop, r.sand);
    EXPECT_EQ(m.Interval, r.interval);
    EXPECT_EQ(m.ButtonVisible, r.button);
    EXPECT_EQ(m.ButtonEnabled, r.button);
    EXPECT_EQ(m.ButtonShift, 0) << "nothing shakes before the button is pressed";
  }
}

TEST(FH12Model, TwentyCompactionStepsOfGrowingLength) {
  // Step n ends after 10 + 15 + ... + (5 + 5n) shake ticks; the sand sinks one
  // pixel with each of the first ten steps only.
  const struct {
    int shakeTicks, compaction, sand, shift;
  } rows[] = {
      {1, 0, 125, -3},    {2, 0, 125, 0},     {9, 0, 125, -3},    {10, 1, 126, 0},
      {24, 1, 126, 0},    {25, 2, 127, -3},   {325, 10, 135, -3}, {384, 10, 135, 0},
      {385, 11, 135, -3}, {1149, 19, 135, -3}, {1150, 20, 135, 0},
  };
  ShakeModel m = Shaking();
  int done = 0;
  for (const auto& r : rows) {
    TickTimes(m, r.shakeTicks - done);
    done = r.shakeTicks;
    SCOPED_TRACE(testing::Message() << "after shake tick " << r.shakeTicks);
    EXPECT_EQ(m.Compaction, r.compaction);
    EXPECT_EQ(m.Scene(kGlass).SandTop, r.sand);
    EXPECT_EQ(m.Scene(kGlass).WaterTop, 55) << "the water level stays";
    EXPECT_EQ(m.ButtonShift, r.shift);
    EXPECT_TRUE(m.ButtonVisible);
  }
  EXPECT_EQ(m.Jiggle, 0) << "the button stops shaking";
  EXPECT_TRUE(m.Done());
}

TEST(FH12Model, NothingChangesAfterTheLastStep) {
  ShakeModel m = Shaking();
  TickTimes(m, 1150);
  const auto done = State(m);
  // Also the shake ticks stay counted where they are, however long it runs.
  for (int i = 0; i < 100000; ++i) EXPECT_FALSE(m.Tick());
  m.Shake();
  EXPECT_FALSE(m.Tick());
  EXPECT_EQ(State(m), done);
  EXPECT_EQ(m.Scene(kGlass).SandTop, 135) << "10 pixels below the level at the end of the fill";
}

TEST(FH12Model, PressingShakeAgainChangesNothing) {
  ShakeModel once = Shaking();
  ShakeModel again = Shaking();
  for (int i = 0; i < 400; ++i) {
    once.Tick();
    if (i % 7 == 0) again.Shake();
    again.Tick();
  }
  EXPECT_EQ(State(again), State(once));
}

TEST(FH12Model, ActivationRestartsTheFillWithTheButtonAtItsPlace) {
  ShakeModel m = Shaking();
  TickTimes(m, 31);  // an odd count: the button stands 3 pixels left
  ASSERT_EQ(m.ButtonShift, -3);
  m.Activate();
  EXPECT_EQ(State(m), std::make_tuple(0, 0, 0, 0, 0, 3, 10, 50, false, false, 0));
  TickTimes(m, kFillTicks + 1);
  m.Shake();
  m.Tick();
  EXPECT_EQ(m.ButtonShift, -3) << "the jiggle starts again from the button's place";
}

TEST(FH12Model, AtRestExactlyWhenTicksChangeNothing) {
  struct Row {
    const char* what;
    bool activate;
    int fillTicks;
    bool shake;
    int shakeTicks;
    bool atRest;
  };
  const Row rows[] = {
      {"activated", true, 0, false, 0, false},
      {"filling", true, 60, false, 0, false},
      {"last fill tick, grains still drawn", true, 120, false, 0, false},
      {"waiting for the button", true, 121, false, 0, true},
      {"shaking", true, 121, true, 500, false},
      {"compaction complete", true, 121, true, 1150, true},
      {"never activated, filling", false, 60, false, 0, false},
      {"never activated, filled", false, 121, false, 0, true},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    ShakeModel m = r.activate ? Activated() : ShakeModel(kDensityShake);
    TickTimes(m, r.fillTicks);
    if (r.shake) m.Shake();
    TickTimes(m, r.shakeTicks);
    EXPECT_EQ(m.AtRest(), r.atRest);
    if (!r.atRest) continue;
    const ShakeModel rest = m;
    for (int i = 0; i < 50; ++i) EXPECT_FALSE(m.Tick());
    EXPECT_TRUE(m == rest);
  }
}

TEST(FH12Model, TicksBeforeTheFirstActivationOnlyFill) {
  // The window's timer runs from creation: the hidden lesson fills its glass
  // with grains that were never scattered, but the wait and the button only
  // come with an activation, which starts everything again.
  ShakeModel m(kDensityShake);
  TickTimes(m, 300);
  EXPECT_EQ(State(m), std::make_tuple(120, 0, 0, 0, 0, 0, 0, 0, false, false, 0));
}

// ----------------------------------------------------------------- figure

TEST(FH12Figure, TheEmptyGlassAtItsCoordinates) {
  const Canvas c = test::Drawn(Activated().Scene(kGlass));
  ASSERT_EQ(c.Width(), 332);
  ASSERT_EQ(c.Height(), 195);
  const struct {
    int x, y;
    Rgb colour;
    const char* what;
  } cases[] = {
      {0, 0, clBlack, "frame"},
      {331, 194, clBlack, "frame"},
      {1, 1, clWhite, "background"},
      {32, 176, clWhite, "left of the ground line"},
      {33, 176, clBlack, "ground line"},
      {298, 176, clBlack, "ground line"},
      {299, 176, clWhite, "its end pixel left out"},
      {127, 175, clWhite, "above the foot's left end"},
      {137, 173, clBlack, "foot, inner bottom"},
      {165, 173, clBlack, "foot, inner bottom"},
      {193, 173, clBlack, "foot, inner bottom"},
      {203, 175, clWhite, "above the foot's right end"},
      {137, 20, clBlack, "left wall"},
      {137, 19, clWhite, "above the left wall"},
      {193, 20, clBlack, "right wall"},
      {193, 19, clWhite, "above the right wall"},
      {136, 100, clWhite, "outside the left wall"},
      {194, 100, clWhite, "outside the right wall"},
      {138, 100, clBlue, "water at the left wall"},
      {192, 100, clBlue, "water at the right wall, between ticks"},
      {165, 172, clBlue, "water down to the bottom"},
      {188, 171, clBlack, "5-pixel tick, first"},
      {187, 171, clBlue, "left of it"},
      {188, 23, clBlack, "5-pixel tick, 75th"},
      {188, 21, clWhite, "no 76th"},
      {183, 163, clBlack, "10-pixel tick, first"},
      {182, 163, clBlue, "left of it"},
      {183, 23, clBlack, "10-pixel tick, 15th"},
      {183, 13, clWhite, "no 16th"},
  };
  for (const auto& p : cases)
    EXPECT_EQ(c.Pixel(p.x, p.y), static_cast<long long>(p.colour))
        << p.what << " at (" << p.x << ", " << p.y << ")\n"
        << test::Ascii(c, p.x - 3, p.y - 3, p.x + 4, p.y + 4);
}

TEST(FH12Figure, WaterAndSandLevels) {
  struct Row {
    const char* what;
    int fillTicks, shakeTicks, water, sand;
  };
  const Row rows[] = {
      {"activation", 0, 0, 79, 173},     {"half way", 60, 0, 67, 149},
      {"filled", 121, 0, 55, 125},       {"ten steps", 121, 325, 55, 135},
      {"twenty steps", 121, 1150, 55, 135},
  };
  for (const Row& r : rows) {
    ShakeModel m = Activated();
    TickTimes(m, r.fillTicks);
    if (r.shakeTicks) m.Shake();
    TickTimes(m, r.shakeTicks);
    CylinderScene s = m.Scene(kGlass);
    s.Falling = false;  // the grains aside
    test::ExpectLevels(test::Drawn(s), r.water, r.sand, r.what);
  }
}

TEST(FH12Figure, GrainsSinkAndVanishInTheSand) {
  CylinderScene s;
  s.Tick = 11;
  s.WaterTop = 77;
  s.SandTop = 169;
  s.Falling = true;
  s.Grains.X.fill(0.5);
  s.Grains.Y.fill(0.5);
  // (x, y) fractions and the top left of the 2 x 2 grain: px = nearest(56 x)
  // + 137, py = nearest(150 y + 11) + 19, ties to even.
  const struct {
    double x, y;
    int px, py;  // -1: in the sand, not drawn
  } grains[] = {
      {0.5, 0.5, 165, 105},
      {0.25, 0.9, 151, 165},  // just above the sand
      {0.75, 0.25, 179, 67},  // 37.5 + 11 = 48.5 goes to 48: above the water
      {0.6, 0.98, -1, -1},    // 176, below the surface
  };
  for (int k = 0; k < 4; ++k) {
    s.Grains.X[k] = grains[k].x;
    s.Grains.Y[k] = grains[k].y;
  }
  const Canvas c = test::Drawn(s);
  for (const auto& g : grains) {
    if (g.px < 0) continue;
    SCOPED_TRACE(testing::Message() << "grain at (" << g.px << ", " << g.py << ")\n"
                                    << test::Ascii(c, g.px - 2, g.py - 2, g.px + 4, g.py + 4));
    for (int dy = 0; dy < 2; ++dy)
      for (int dx = 0; dx < 2; ++dx)
        EXPECT_EQ(c.Pixel(g.px + dx, g.py + dy), static_cast<long long>(clYellow));
    EXPECT_NE(c.Pixel(g.px + 2, g.py), static_cast<long long>(clYellow));
    EXPECT_NE(c.Pixel(g.px, g.py + 2), static_cast<long long>(clYellow));
    EXPECT_NE(c.Pixel(g.px - 1, g.py), static_cast<long long>(clYellow));
  }
  EXPECT_EQ(c.Pixel(170, 176), static_cast<long long>(clBlack)) << "ground line untouched";
  EXPECT_EQ(c.Pixel(170, 175), static_cast<long long>(clWhite)) << "nothing below the glass";

  s.Falling = false;
  EXPECT_EQ(test::Drawn(s).Pixel(165, 105), static_cast<long long>(clBlue))
      << "no grains once the fill is over";
}

// ------------------------------------------------------------------- pane

TEST(FH12Pane, Lines) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLessonNumber).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 5) << lines.join('|').toStdString();
  EXPECT_EQ(lines[0], "The density of soil.");
  EXPECT_EQ(lines[1], " ");
  EXPECT_EQ(lines[2],
            "One of the principles of soil mechanics is that the deformability of a soil is "
            "mainly caused by a rearrangement of the solid particles, and not by deformation "
            "of the solid particles themselves or deformation of the water.");
  EXPECT_EQ(lines[3], " ");
  EXPECT_TRUE(lines[4].startsWith(
      "This can be illustrated by shaking a sample of fully saturated sand. "));
  for (const TheoryPane::Run& run : pane.Runs()) {
    EXPECT_EQ(run.family, "MS Sans Serif") << "at " << run.start;
    EXPECT_EQ(run.size, 8) << "at " << run.start;
  }
  EXPECT_EQ(pane.textCursor().position(), pane.toPlainText().size()) << "caret left at the end";
  EXPECT_FALSE(pane.textCursor().hasSelection());
}

// ----------------------------------------------------------------- window

class FH12Window : public test::LessonWindowTest<TFH12, kLessonNumber> {
 protected:
  static void Open() { LessonWindowTest::Open(3); }
  QPushButton& Button() { return *Window().ButtonShake(); }
  bool ShowsItsModel() {
    return test::ShownArea(Window()) == test::Picture(Window().Model().Scene(kGlass));
  }
};

TEST_F(FH12Window, Creation) {
  TFH12 w(*FindLesson("FH12"));
  EXPECT_EQ(w.Panel()->text(), "Density");
  EXPECT_FALSE(w.PaintConnected());
  EXPECT_TRUE(w.Timer()->Enabled());
  EXPECT_EQ(w.Timer()->Interval(), 1000);
  const QPushButton& b = *w.ButtonShake();
  EXPECT_EQ(b.objectName(), "ButtonShake");
  EXPECT_EQ(b.text(), "Shake");
  EXPECT_EQ(b.geometry(), QRect(128, 235, 95, 28));
  EXPECT_TRUE(b.isHidden());
  EXPECT_FALSE(b.isEnabled());
}

TEST_F(FH12Window, TheButtonComesAfterTheFillAndShakes) {
  Open();
  EXPECT_EQ(Window().Timer()->Interval(), 50);
  EXPECT_TRUE(ShowsItsModel());
  EXPECT_TRUE(Button().isHidden());
  const int home = 128;
  EXPECT_EQ(Button().x(), home);

  Fire(60);
  EXPECT_TRUE(ShowsItsModel());
  Button().click();  // hidden and disabled: nothing happens
  EXPECT_EQ(Window().Model().Shaking, 0);

  Fire(61);
  EXPECT_EQ(Window().Timer()->Interval(), 10);
  EXPECT_FALSE(Button().isHidden());
  EXPECT_TRUE(Button().isEnabled());
  Button().setFocus();
  Button().click();
  EXPECT_EQ(Window().Model().Shaking, 1);
  EXPECT_EQ(Window().focusWidget(), Window().ReturnButton());

  Fire(1);
  EXPECT_EQ(Button().x(), home - 3);
  Fire(1);
  EXPECT_EQ(Button().x(), home);
  Fire(1148);
  EXPECT_EQ(Window().Model().Compaction, 20);
  EXPECT_EQ(Button().x(), home) << "back at its place after an even count";
  EXPECT_TRUE(ShowsItsModel());
}

TEST_F(FH12Window, ReopeningAndFocusFromADialogRestartTheFill) {
  // Switching to another application and back runs no activation (the shell's
  // rule); the two ways that do are checked here.
  Open();
  Fire(121);
  Button().click();
  Fire(41);  // odd: the button stands 3 pixels left
  const int shaken = Button().x();
  ASSERT_EQ(Window().Model().Compaction, 2);

  Window().ReturnButtonClick();
  Fire(20);  // runs on hidden
  EXPECT_EQ(Window().Model().Fill.Tick, 120);
  Open();
  EXPECT_EQ(Window().Model().Fill.Tick, 0);
  EXPECT_EQ(Window().Model().Compaction, 0);
  EXPECT_TRUE(Button().isHidden());
  EXPECT_FALSE(Button().isEnabled());
  EXPECT_EQ(Button().x(), 128) << "the reset puts the button back at its place, from " << shaken;
  Canvas water = test::Drawn(Window().Model().Scene(kGlass));
  test::ExpectLevels(water, 79, 173, "only water after reopening");
  EXPECT_TRUE(ShowsItsModel());

  Fire(80);
  test::FocusBackFromADialog(TheCourse(), Window());
  EXPECT_EQ(Window().Model().Fill.Tick, 0);
  EXPECT_EQ(Window().Timer()->Interval(), 50);
  EXPECT_TRUE(ShowsItsModel());
}

TEST_F(FH12Window, ReopeningsInMidJiggleNeverMoveTheButtonAway) {
  // Each row leaves the lesson after that many shake ticks, odd ones with the
  // button 3 pixels left of its place, then opens it again.
  for (int shakeTicks : {1, 2, 41, 7, 10, 3}) {
    SCOPED_TRACE(shakeTicks);
    Open();
    EXPECT_EQ(Button().x(), 128);
    Fire(kFillTicks + 1);
    Button().click();
    Fire(shakeTicks);
    EXPECT_EQ(Button().x(), shakeTicks % 2 ? 125 : 128);
    Leave();
  }
  Open();
  EXPECT_EQ(Button().x(), 128);
  Fire(kFillTicks + 1);
  EXPECT_EQ(Button().x(), 128) << "shown again at its place";
  Button().click();
  Fire(1);
  EXPECT_EQ(Button().x(), 125);
}

}  // namespace
}  // namespace kavenor
