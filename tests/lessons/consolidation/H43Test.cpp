#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "lessons/consolidation/Creep.h"
#include "lessons/consolidation/H43.h"
#include "shell/RadioGroup.h"
#include "tests/lessons/consolidation/FigureChecks.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

using checks::ExpectPixels;
using checks::InkIn;

constexpr int W = 332, H = 195;
constexpr int kLessonNumber = 17;

Canvas Drawn(void (*draw)(Canvas&, int, int)) {
  Canvas canvas;
  draw(canvas, W, H);
  return canvas;
}

// ---- the linear time axis ----

TEST(FH43Figure, LinearCurvePoints) {
  const CreepFrame f = CreepLinearFrameOf(W, H);
  EXPECT_EQ(f.top, 32);
  EXPECT_EQ(f.bottom, 163);
  EXPECT_EQ(f.range, 131);
  EXPECT_EQ(f.left, 41);
  struct Case {
    int day;
    Point p;
  };
  // x = 41 + nearest(6.6 day), y = 32 + 26 + nearest(16 log10(day)); day 1
  // is the primary deformation alone, a fifth of the range below the top.
  const Case cases[] = {{0, {41, 32}},   {1, {48, 58}},   {2, {54, 63}},
                        {10, {107, 74}}, {20, {173, 79}}, {40, {305, 84}}};
  for (const Case& c : cases) EXPECT_EQ(CreepLinearPoint(f, c.day), c.p) << c.day;
}

TEST(FH43Figure, LinearGraph) {
  const Canvas c = Drawn(DrawCreepLinear);
  ASSERT_EQ(c.Width(), W);
  ExpectPixels(c, {
      {0, 0, clBlack}, {W - 1, 100, clBlack}, {5, 100, clWhite},
      // the top line to one past the last column
      {45, 32, clBlack}, {305, 32, clBlack}, {306, 32, clWhite},
      // columns 41 + nearest(6.6 i): 48, 54, 74, 107, 305
      {48, 152, clBlack}, {54, 152, clBlack}, {74, 152, clBlack}, {305, 152, clBlack},
      {49, 152, clWhite}, {306, 152, clWhite}, {41, 162, clBlack},
      // rows 32 + nearest(13.1 i); 65.5 rounds to the even 66 (row 98)
      {200, 45, clBlack}, {200, 98, clBlack}, {200, 97, clWhite}, {200, 163, clBlack},
      {304, 163, clBlack}, {305, 163, clWhite},
      // the red curve, two pixels wide: (41, 32) straight down to day 1 at
      // (48, 58), then through (107, 74) and (173, 79) to (305, 84)
      {41, 32, clRed}, {42, 33, clRed}, {47, 55, clRed}, {48, 58, clRed},
      {107, 74, clRed}, {173, 79, clRed}, {174, 80, clRed}, {304, 84, clRed},
      {200, 120, clWhite}, {102, 60, clWhite},
  });
}

// ---- the logarithmic time axis ----

TEST(FH43Figure, LogarithmicGridColumns) {
  const CreepFrame f = CreepLogFrameOf(W, H);
  EXPECT_EQ(f.step, 83);
  const std::vector<int> columns = CreepLogColumns(f);
  // Day i of the first decade at 41 + nearest(83 log10 i), then one and two
  // decades to the right.
  const int firstDecade[] = {41, 66, 81, 91, 99, 106, 111, 116, 120, 124};
  ASSERT_EQ(columns.size(), 30u);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(columns[3 * i], firstDecade[i]) << i + 1;
    EXPECT_EQ(columns[3 * i + 1], firstDecade[i] + 83) << i + 1;
    EXPECT_EQ(columns[3 * i + 2], firstDecade[i] + 166) << i + 1;
  }
  // The decade marks inside are drawn twice, the ends of the axis once.
  auto times = [&](int x) { return std::count(columns.begin(), columns.end(), x); };
  EXPECT_EQ(times(124), 2);
  EXPECT_EQ(times(207), 2);
  EXPECT_EQ(times(41), 1);
  EXPECT_EQ(times(290), 1);
}

TEST(FH43Figure, LogarithmicGraphIsOneStraightRedLine) {
  const Canvas c = Drawn(DrawCreepLog);
  ExpectPixels(c, {
      {45, 32, clBlack}, {290, 32, clBlack}, {291, 32, clWhite},
      {66, 152, clBlack}, {124, 152, clBlack}, {207, 152, clBlack}, {290, 152, clBlack},
      {67, 152, clWhite}, {291, 152, clWhite},
      // the rows run to x3 + 1 = 291, which the line leaves out
      {290, 45, clBlack}, {291, 45, clWhite}, {290, 163, clBlack}, {200, 98, clBlack},
      // from day 1 at (41, 58) to day 1000 at (290, 110)
      {41, 58, clRed}, {42, 59, clRed}, {165, 84, clRed}, {289, 110, clRed},
  });
  // Straight: in each column its red pixels lie on the chord.
  for (int x = 45; x < 288; x += 9) {
    const long double exact = 58 + (x - 41) * 52.0L / 249;
    bool red = false;
    for (int y = static_cast<int>(exact) - 1; y <= static_cast<int>(exact) + 2; ++y)
      red = red || c.Pixel(x, y) == clRed;
    EXPECT_TRUE(red) << x;
    for (int y = 40; y < static_cast<int>(exact) - 2; ++y) ASSERT_NE(c.Pixel(x, y), clRed);
    for (int y = static_cast<int>(exact) + 4; y < 160; ++y) ASSERT_NE(c.Pixel(x, y), clRed);
  }
}

TEST(FH43Figure, LabelsInTheirPlaces) {
  struct Label {
    int x, y, w, h;
  };
  const Label linear[] = {{37, 17, 6, 12},  {97, 17, 12, 12}, {163, 17, 12, 12},
                          {229, 17, 12, 12}, {295, 17, 12, 12}, {141, 0, 50, 13},
                          {23, 89, 14, 14}, {31, 26, 6, 12},  {17, 157, 20, 12}};
  const Label log[] = {{37, 17, 6, 12},  {118, 17, 12, 12}, {199, 17, 18, 12},
                       {280, 17, 24, 12}, {141, 0, 50, 13},  {23, 89, 14, 14},
                       {31, 26, 6, 12},  {17, 157, 20, 12}};
  const Canvas a = Drawn(DrawCreepLinear);
  for (const Label& l : linear)
    EXPECT_TRUE(InkIn(a, l.x, l.y + 1, l.x + l.w, l.y + l.h)) << l.x << "," << l.y;
  const Canvas b = Drawn(DrawCreepLog);
  for (const Label& l : log)
    EXPECT_TRUE(InkIn(b, l.x, l.y + 1, l.x + l.w, l.y + l.h)) << l.x << "," << l.y;
  EXPECT_FALSE(InkIn(a, 1, 40, 16, 150));
  EXPECT_FALSE(InkIn(b, 1, 40, 16, 150));
}

TEST(FH43Figure, OptionsChooseTheirAxis) {
  const Canvas linear = Drawn(DrawCreepLinear);
  const Canvas log = Drawn(DrawCreepLog);
  struct Case {
    int item;
    const Canvas* expected;
  };
  const Case cases[] = {{0, &linear}, {1, &log}, {-1, &log}, {5, &log}};
  Canvas reused;
  for (const Case& c : cases) {
    DrawCreepOption(reused, c.item, W, H);
    EXPECT_EQ(reused.Image(), c.expected->Image()) << c.item;
    EXPECT_EQ(reused.Font.Name, QStringLiteral("MS Sans Serif"));
  }
}

// ---- the theory pane ----

TEST(FH43Pane, LinesAndTheirGreekAndIndexLetters) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLessonNumber).RichEdit();
  const test::PaneLine expected[] = {
      {"Creep.", ""},
      {"", ""},
  };
  test::ExpectPaneLines(pane, expected);
  const QStringList lines = test::PaneLines(pane);
  ASSERT_GE(lines.size(), 11);
  // The paragraph on creep, one line in the default style.
  EXPECT_TRUE(lines[2].startsWith("If a soil layer is loaded by a constant load,"));
  for (const char* point : {"creep", "microscale", "sands", "disregarded", "clays",
                            "subsidence of soft soils"})
    EXPECT_TRUE(lines[2].contains(QString::fromLatin1(point))) << point;
  EXPECT_EQ(test::Dressing(pane, 2), "");
  const test::PaneLine rest[] = {
      {"", ""},
      {"Experimental results indicate that creep can be approximated by a logarithmic "
       "relation with time,",
       ""},
      {"   ε = - εp-εs log(t/to).",
       "3:ε:Symbol:10 9:ε:Symbol:10 10:p:Garamond:8 12:ε:Symbol:10 13:s:Garamond:8 "
       "22:o:Garamond:8"},
      {"Here to is a reference time, usually 1 day. The value of time t must be larger than "
       "to.",
       "6:o:Garamond:8 85:o:Garamond:8"},
      {"", ""},
      {"The formula expresses that there is a deformation εp after 1 day, and that there is "
       "an additional deformation εs after 10 days, and again after 100 days, 1000 days, "
       "etcetera. Of course this can not continue forever, but on a human time scale (say up "
       "to 1000 years) the formula remains applicable.",
       "50:ε:Symbol:10 51:p:Garamond:8 110:ε:Symbol:10 111:s:Garamond:8"},
      {"", ""},
      {"In saturated soils the deformation is retarded by consolidation, especially for small "
       "values of time.",
       ""},
  };
  test::ExpectPaneLines(pane, rest, 3);
  test::ExpectCaretAtStart(pane);
}

// ---- the window ----

QImage Expected(int item) {
  Canvas canvas;
  DrawCreepOption(canvas, item, W, H);
  return test::AsShown(canvas);
}

struct FH43Window : test::LessonWindowTest<TFH43, kLessonNumber> {};

TEST_F(FH43Window, RadioGroupAndPaneAsCreated) {
  const std::unique_ptr<LessonWindow> made = test::MadeFresh("FH43");
  auto* w = dynamic_cast<TFH43*>(made.get());
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Timer(), nullptr);
  EXPECT_TRUE(w->PaintConnected());
  // The pane is ContentBottom - nearest(0.9 AreaTop) = 455 - 40 high.
  EXPECT_EQ(w->RichEdit()->height(), 415);
  test::ExpectOptionGroup(*w, w->RadioGroup1(),
                          {"Scale",
                           QRect(760 / 8, 560 / 2, 145, 57),
                           {"Linear scale", "Logarithmic scale"}});
}

TEST_F(FH43Window, ClicksRedrawAtOnceAndTheChoiceStays) {
  Open();
  EXPECT_EQ(Shown(), Expected(0));
  test::ExpectClicksRedraw(Window(), *Window().RadioGroup1(), {1, 1, 0, 1}, Expected);
  Leave();
  Open();
  EXPECT_EQ(Window().RadioGroup1()->ItemIndex(), 1);
  EXPECT_EQ(Shown(), Expected(1));

  Window().RadioGroup1()->Item(0)->click();
  Leave();
}

}  // namespace
}  // namespace kavenor
