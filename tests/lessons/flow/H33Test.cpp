#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <algorithm>
#include <vector>

#include "lessons/flow/Darcy.h"
#include "lessons/flow/H33.h"
#include "shell/LessonTimer.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int W = 332;
constexpr int H = 195;
constexpr int kLessonNumber = 12;

ApparatusModel AfterTicks(int ticks) {
  ApparatusModel m(kContinuitySetup);
  for (int i = 0; i < ticks; ++i) m.Tick(H);
  return m;
}

Canvas Drawn(const ApparatusModel& m) {
  Canvas c;
  DrawApparatus(c, m, W, H);
  return c;
}

// The drops seen in one pixel column, from t to b: each drop is a run of
// outline pixels on white, 3 rows high unless the range cuts it. Returns the
// top rows of the runs, and in `whole` those of the uncut ones.
std::vector<int> DropTops(const Canvas& c, int x, int t, int b, std::vector<int>* whole = nullptr) {
  std::vector<int> tops;
  int run = 0;
  for (int y = t; y <= b; ++y) {
    const bool ink = y < b && c.Pixel(x, y) != clWhite;
    if (ink) {
      if (run++ == 0) tops.push_back(y);
    } else {
      if (whole && run == 3 && tops.back() > t) whole->push_back(tops.back());
      run = 0;
    }
  }
  return tops;
}

TEST(FH33Figure, FiveDropsSpacedAFifthOfTheHeight) {
  // The drops show above the inflow basin (x = 125, down to its rim at 29)
  // and between the spout and the water in the vessel (x = 222, from 54
  // down); nothing else is drawn there.
  std::size_t most = 0;
  ApparatusModel m(kContinuitySetup);
  m.Tick(H);
  for (int ticks = 2; ticks < 400; ++ticks) {
    m.Tick(H);
    const Canvas c = Drawn(m);
    std::vector<int> whole;
    const std::size_t seen = DropTops(c, 125, 1, 29).size() +
                             DropTops(c, 222, 54, m.VesselLevel(H), &whole).size();
    EXPECT_LE(seen, 5u) << ticks;
    most = std::max(most, seen);
    for (std::size_t i = 1; i < whole.size(); ++i)
      EXPECT_EQ(whole[i] - whole[i - 1], 39) << ticks;
  }
  EXPECT_EQ(most, 5u);
}

TEST(FH33Figure, LowerLayerHidesTheBottomEdgeOfTheUpperOne) {
  // The upper (yellow) layer ends at yB - 6 = 157, so its dotted bottom edge
  // would run along row 156; the lower (olive) layer from (65 + 163) div 2 =
  // 114 down covers it.
  const Canvas c = Drawn(AfterTicks(1));
  for (int x = 145; x < 188; ++x) {
    EXPECT_EQ(c.Pixel(x, 156), clOlive) << x;
    EXPECT_EQ(c.Pixel(x, 113), clYellow) << x;
  }
  // The boundary itself is the lower layer's dotted top edge.
  EXPECT_EQ(c.Pixel(146, 114), clBlack);
  EXPECT_EQ(c.Pixel(147, 114), clOlive);
}

TEST(FH33Figure, VesselFillsAtOnePixelPerHundredTicks) {
  const struct {
    int flowTicks, level;
  } cases[] = {{99, 192}, {100, 191}, {3000, 162}, {6199, 131}, {6200, 130}, {19695, 130}};
  for (const auto& v : cases) {
    const Canvas c = Drawn(AfterTicks(v.flowTicks + 1));
    SCOPED_TRACE(v.flowTicks);
    EXPECT_EQ(c.Pixel(218, v.level - 1), clWhite);
    EXPECT_EQ(c.Pixel(218, v.level), clBlack);
    if (v.level < 190) {
      EXPECT_EQ(c.Pixel(218, v.level + 2), clBlue);
    }
  }
}

// ------------------------------------------------------------------- model

TEST(FH33Model, StreamDrainsAndComesToRest) {
  // Drops stop being restarted after 100 x H = 19500 ticks and are all gone
  // after 101 x H = 19695; from then on the counter stays where it is.
  ApparatusModel m = AfterTicks(19695 + 1);
  EXPECT_EQ(m.FlowTicks, 19695);
  EXPECT_TRUE(m.Still(H));
  const ApparatusModel rest = m;
  for (int i = 0; i < 3000; ++i) m.Tick(H);
  EXPECT_EQ(m.FlowTicks, rest.FlowTicks);
  EXPECT_EQ(m.DropY, rest.DropY);
  const Canvas c = Drawn(m);
  EXPECT_TRUE(DropTops(c, 125, 1, 29).empty());
  EXPECT_TRUE(DropTops(c, 222, 54, 130).empty());
  EXPECT_FALSE(AfterTicks(19695).Still(H));
}

// -------------------------------------------------------------------- pane

TEST(FH33Pane, LinesAndTheirDeltas) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLessonNumber).RichEdit();
  const test::PaneLine expected[] = {
      {"Groundwater flow.", ""},
      {" ", ""},
      {"The flow of a fluid through a porous medium is governed by two basic principles : "
       "Darcy's law, and the principle of conservation of mass, expressed by the equation of "
       "continuity.",
       ""},
      {"", ""},
      {"In the case of a fluid flowing through a system with two different permeabilities "
       "continuity of the flow requires that the outflow from the first element is the inflow "
       "in the second element.",
       ""},
      {"", ""},
      {"In general the combination of Darcy's law and the equation of continuity leads to a "
       "second order partial differential equation. In the case of a homogeneous porous medium "
       "this is Laplace's equation,",
       ""},
      {"   δ²h/δx² + δ²h/δy² + δ²h/δz² = 0.",
       "3:δ:Symbol:10 7:δ:Symbol:10 13:δ:Symbol:10 17:δ:Symbol:10 23:δ:Symbol:10 "
       "27:δ:Symbol:10"},
  };
  test::ExpectAllPaneLines(pane, expected);
  test::ExpectCaretAtStart(pane);
}

// ------------------------------------------------------------------ window

class FH33Window : public test::LessonWindowTest<TFH33, kLessonNumber> {
 protected:
  // Open and leave once, so every test starts from a restarted stream.
  void SetUp() override {
    Open();
    Leave();
  }
  static QImage Picture(const ApparatusModel& m) { return test::AsShown(Drawn(m)); }
};

TEST_F(FH33Window, TimerAndSetup) {
  LessonTimer* timer = Window().Timer();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(timer->Interval(), 50);
  EXPECT_TRUE(Window().PaintConnected());
  EXPECT_EQ(Window().Panel()->text().toStdString(), "Continuity");
  const ApparatusSetup& s = Window().Model().Setup();
  EXPECT_EQ(s.DropCount, 5);
  EXPECT_EQ(s.TicksPerPixel, 100);
  EXPECT_TRUE(s.TwoLayers);
}

TEST_F(FH33Window, RunsOnWhileHiddenAndReopeningGoesOn) {
  ASSERT_FALSE(Window().isVisible());
  Fire(250);
  Open();
  EXPECT_EQ(Window().Model().FlowTicks, 249);
  EXPECT_EQ(Shown(), Picture(AfterTicks(250)));

  // Focus coming back from a dialog of the program does not restart it.
  Window().Activate();
  Fire(50);
  EXPECT_EQ(Shown(), Picture(AfterTicks(300)));

  // A repaint without a tick shows the same state.
  Repaint();
  EXPECT_EQ(Window().Model().FlowTicks, 299);
  EXPECT_EQ(Shown(), Picture(AfterTicks(300)));
}

TEST_F(FH33Window, WayBackToTheMenuRestartsFromAnEmptyVessel) {
  Fire(7000);  // hidden: the vessel fills to its rim
  Open();
  EXPECT_EQ(ShownAt(218, 135), clBlue);
  Leave();
  EXPECT_FALSE(Window().Model().FlowReady);
  Open();  // the repaint on opening starts the stream again
  EXPECT_EQ(Window().Model().FlowTicks, 0);
  EXPECT_EQ(Shown(), Picture(AfterTicks(1)));
  EXPECT_EQ(ShownAt(218, 188), clWhite);
}

}  // namespace
}  // namespace kavenor
