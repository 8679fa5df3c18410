// Sheet pile wall: the levels and the picture at the worked values of the
// 332 x 195 area, the step counter that redraws the same picture, and the
// pane with its five-step procedure.

#include <gtest/gtest.h>


#include "course/Lessons.h"
#include "lessons/earthpressure/H66.h"
#include "shell/LessonTimer.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int kLesson = 30;
constexpr int W = 332, H = 195;

std::string Around(const Canvas& canvas, int x, int y) {
  return "\n" + test::Ascii(canvas, x - 5, y - 5, x + 6, y + 6);
}

TEST(H66Model, StepsUpToSixThenHolds) {
  struct Case {
    int from, ticks, expected;
    bool lastChanged;
  };
  const Case cases[] = {{0, 1, 1, true}, {0, 6, 6, true}, {0, 7, 6, false}, {6, 100, 6, false}};
  for (const Case& c : cases) {
    SheetPileModel model{c.from};
    bool changed = false;
    for (int i = 0; i < c.ticks; ++i) changed = model.Tick();
    EXPECT_EQ(model.k, c.expected) << c.from << " + " << c.ticks;
    EXPECT_EQ(changed, c.lastChanged) << c.from << " + " << c.ticks;
  }
}

TEST(H66Figure, LevelsAtTheWorkedValues) {
  const SheetPileGeometry g = ComputeSheetPile(W, H);
  EXPECT_EQ(g.cx, 166);
  EXPECT_EQ(g.yh, 38);
  EXPECT_EQ(g.ya, 57);
  EXPECT_EQ(g.ym, 47);
  EXPECT_EQ(g.yw, 87);
  EXPECT_EQ(g.ye, 137);
  EXPECT_EQ(g.yf, 185);
}

TEST(H66Figure, WaterFillsTheExcavationAndTheWallLiesOverBothSides) {
  Canvas canvas;
  DrawSheetPileWall(canvas, W, H);
  struct Probe {
    int x, y;
    Rgb color;
    const char* what;
  };
  const Probe probes[] = {
      {0, 0, clBlack, "frame"},
      {100, 86, clWhite, "air above the excavation"},
      {100, 87, clBlack, "water surface"},
      {1, 87, clBlack, "water surface at the left edge"},
      {100, 88, clBlue, "water just below its surface"},
      {100, 136, clBlue, "water just above the excavation bottom"},
      {165, 120, clBlue, "water against the wall"},
      {100, 137, clBlack, "excavation bottom"},
      {100, 138, clYellow, "soil below the excavation"},
      {165, 160, clYellow, "soil below the excavation, against the wall"},
      {100, 184, clYellow, "soil above the bottom strip"},
      {100, 185, clYellow, "bottom strip"},
      {300, 193, clYellow, "bottom strip, right"},
      {100, 194, clBlack, "frame below the strip"},
      {250, 37, clWhite, "air on the high side"},
      {250, 38, clBlack, "ground surface on the high side"},
      {250, 39, clYellow, "soil on the high side"},
      {250, 46, clYellow, "soil above the groundwater"},
      {250, 47, clBlue, "groundwater level, 2 wide"},
      {250, 48, clBlue, "groundwater level, 2 wide"},
      {250, 49, clYellow, "soil below the groundwater level"},
      {168, 47, clBlue, "groundwater from beside the wall"},
      {164, 57, clBlack, "anchor rod, from two left of the wall"},
      {163, 57, clWhite, "left of the rod"},
      {250, 57, clBlack, "anchor rod"},
      {321, 57, clBlack, "anchor rod's end"},
      {322, 57, clYellow, "beyond the rod"},
      {320, 46, clYellow, "above the plate"},
      {320, 49, clBlack, "anchor plate"},
      {320, 67, clBlack, "anchor plate's foot"},
      {320, 68, clYellow, "below the plate"},
      // The wall, 2 wide from (166, 38) to the foot, over every edge it meets.
      {166, 37, clWhite, "above the wall"},
      {166, 38, clBlack, "top of the wall on the surface line"},
      {167, 38, clBlack, "top of the wall, second column"},
      {167, 47, clBlack, "wall over the groundwater line's start"},
      {167, 57, clBlack, "wall over the rod"},
      {166, 100, clBlack, "wall over the high side's edge"},
      {167, 100, clBlack, "wall, second column"},
      {168, 100, clYellow, "soil right of the wall"},
      {166, 137, clBlack, "wall beside the excavation bottom"},
      {167, 185, clBlack, "the wall's foot"},
      {166, 186, clYellow, "below the foot"},
  };
  for (const Probe& p : probes)
    EXPECT_EQ(canvas.Pixel(p.x, p.y), p.color) << p.what << " (" << p.x << "," << p.y << ")"
                                               << Around(canvas, p.x, p.y);
  // Water from the surface line down to the bottom line over the whole width
  // of the excavation.
  for (int x = 2; x < 166; ++x)
    for (int y = 88; y < 137; ++y)
      ASSERT_EQ(canvas.Pixel(x, y), clBlue) << x << "," << y << Around(canvas, x, y);
}

struct H66Window : test::LessonWindowTest<TFH66, kLesson> {
  void SetUp() override { Open(); }
  int Step() { return Window().Model().k; }
};

TEST_F(H66Window, SamePictureAtEveryTickActivationAndPaint) {
  EXPECT_EQ(Step(), 0);
  EXPECT_EQ(Window().Timer()->Interval(), 500);
  EXPECT_TRUE(Window().Timer()->Running());
  Canvas expected;
  DrawSheetPileWall(expected, W, H);
  const QImage first = Window().Surface().copy();
  EXPECT_EQ(first.copy(10, 45, W, H), expected.Image().convertToFormat(first.format()));
  for (int i = 1; i <= 8; ++i) {
    Fire(1);
    EXPECT_EQ(Step(), std::min(i, 6));
    EXPECT_EQ(Window().Surface(), first) << i;
  }
  Repaint();
  EXPECT_EQ(Step(), 0);
  EXPECT_EQ(Window().Surface(), first);

  Fire(4);
  Window().ReturnButtonClick();
  Open();
  EXPECT_EQ(Step(), 0);
  EXPECT_EQ(Window().Timer()->Interval(), 500);
  EXPECT_EQ(Window().Surface(), first);
}

TEST_F(H66Window, CreationEndsAsAPaintDoes) {
  const std::unique_ptr<LessonWindow> window = MakeFH66(*FindLesson("FH66"));
  EXPECT_EQ(dynamic_cast<const TFH66&>(*window).Model().k, 0);
  EXPECT_EQ(window->Timer()->Interval(), 500);
  EXPECT_TRUE(window->PaintConnected());
}

TEST(H66Pane, FiveStepProcedure) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLesson).RichEdit();
  EXPECT_EQ(pane.geometry(), QRect(408, 45, 332, 336));
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 10) << lines.join(QLatin1Char('|')).toStdString();
  EXPECT_TRUE(lines[2].startsWith(QStringLiteral("The pressure distributions at a sheet pile wall, in its ultimate ")));
  EXPECT_TRUE(lines[2].endsWith(QStringLiteral("entire length of the wall.")));
  for (const char* point : {"active state on the high side", "passive state on the lower side"})
    EXPECT_TRUE(lines[2].contains(QLatin1String(point))) << point;
  const test::PaneLine exact[] = {
      {"Sheet pile walls.", ""},
      {" ", ""},
  };
  test::ExpectPaneLines(pane, exact);
  const char* const procedure[] = {
      " ",
      "The lateral stresses can be calculated using the following procedure :",
      "1. Calculate the vertical total stress.",
      "2. Determine the pore water pressure.",
      "3. Determine the vertical effective stress, by subtracting the pore water pressure from "
      "the vertical total stress.",
      "4. Determine the horizontal effective stress, using the active or passive stress coefficient.",
      "5. Determine the horizontal total stress, by adding the pore water pressure to the "
      "horizontal effective stress.",
  };
  for (int i = 0; i < 7; ++i) EXPECT_EQ(lines[3 + i].toStdString(), procedure[i]) << i;
  for (const TheoryPane::Run& run : pane.Runs()) {
    EXPECT_EQ(run.family, QStringLiteral("MS Sans Serif")) << run.start;
    EXPECT_EQ(run.size, 8) << run.start;
  }
  test::ExpectCaretAtStart(pane);
}

}  // namespace
}  // namespace kavenor
