#include <gtest/gtest.h>

#include <QImage>

#include "lessons/flow/H34.h"
#include "lessons/flow/Well.h"
#include "tests/lessons/flow/StillPicture.h"
#include "tests/support/FigureTables.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

constexpr int W = 332;
constexpr int H = 195;
constexpr int kLessonNumber = 13;

Canvas Drawn(int width = W, int height = H) {
  Canvas c;
  DrawWell(c, width, height);
  return c;
}

// ------------------------------------------------------------------ figure

TEST(FH34Figure, WorkedGeometryOfTheDrawingArea) {
  const WellGeometry g = WellLayout(W, H);
  const test::WorkedValue cases[] = {
      {"b", g.b, 3},     {"yb", g.yb, 163}, {"ya", g.ya, 115}, {"yg", g.yg, 67},
      {"yl", g.yl, 79},  {"yw", g.yw, 107}, {"xi", g.xi, 27},  {"x1", g.x1, 163},
      {"x2", g.x2, 169}, {"yt", g.yt, 32},  {"xe", g.xe, 229}, {"xa", g.xa, 253},
  };
  test::ExpectWorkedValues(cases);
}

TEST(FH34Figure, PipeHalfWidthIsNeverZero) {
  const struct {
    int width, b;
  } cases[] = {{120, 1}, {199, 1}, {200, 2}, {W, 3}};
  for (const auto& c : cases) EXPECT_EQ(WellLayout(c.width, H).b, c.b) << c.width;
}

TEST(FH34Figure, LevelsOfLakeAndWell) {
  // The lake a quarter of the way from the ground down to the aquifer top,
  // the well's water a fifth of the way from the aquifer top up to the lake.
  for (const int height : {150, 195, 240, 401}) {
    const WellGeometry g = WellLayout(W, height);
    SCOPED_TRACE(height);
    EXPECT_LT(g.yg, g.yl);
    EXPECT_LT(g.yl, g.yw);
    EXPECT_LT(g.yw, g.ya);
    EXPECT_EQ(g.yl, (3 * g.yg + g.ya) / 4);
    EXPECT_EQ(g.yw, (4 * g.ya + g.yl) / 5);
  }
}

TEST(FH34Figure, DecisivePixelsOfTheCrossSection) {
  const Canvas c = Drawn();
  const test::NamedPixel cases[] = {
      {"border", 0, 0, clBlack},
      {"air", 1, 1, clWhite},
      {"left lake", 10, 100, clBlue},
      {"lake level", 10, 79, clBlack},
      {"above the lake", 10, 78, clWhite},
      {"lake bottom", 10, 162, clBlack},
      {"base layer", 10, 170, clMaroon},
      {"top of the base layer", 10, 163, clBlack},
      {"right lake", 320, 100, clBlue},
      {"right lake's shore", 304, 100, clBlack},
      {"top layer", 100, 90, clMaroon},
      {"ground", 100, 67, clBlack},
      {"above the ground", 100, 66, clWhite},
      {"aquifer", 100, 140, clYellow},
      {"aquifer top", 100, 115, clBlack},
      {"well, left wall", 163, 100, clBlack},
      {"well, right wall", 169, 100, clBlack},
      {"well, right wall in the aquifer", 169, 140, clBlack},
      {"empty part of the well", 166, 90, clWhite},
      {"empty part, beside the right wall", 168, 90, clWhite},
      {"water surface in the well", 166, 107, clBlue},
      {"just above it", 166, 106, clWhite},
      {"water in the well", 168, 140, clBlue},
      {"top layer beside the well", 170, 90, clMaroon},
      {"aquifer beside the well", 170, 140, clYellow},
      {"top of the well", 166, 32, clBlack},
      {"above the well", 166, 31, clWhite},
      {"pipe, upper side", 200, 32, clBlack},
      {"pipe, lower side", 200, 38, clBlack},
      {"inside the pipe", 200, 35, clWhite},
      {"pipe end, upper side", 228, 32, clBlack},
      {"past the pipe's end", 229, 32, clWhite},
      {"arrow tail", 223, 35, clBlack},
      {"before the arrow", 222, 35, clWhite},
      {"arrow", 240, 35, clBlack},
      {"arrow tip", 253, 35, clBlack},
      {"past the tip", 254, 35, clWhite},
      {"upper head stroke", 251, 34, clBlack},
      {"lower head stroke", 251, 36, clBlack},
      {"upper head stroke end", 248, 32, clBlack},
      {"lower head stroke end", 248, 38, clBlack},
  };
  test::ExpectNamedPixels(c, cases);
}

TEST(FH34Figure, BothWellWallsStandFromThePipeToTheBase) {
  // The water and the empty part are filled between the walls, so neither
  // wall is painted over.
  for (const int width : {150, W, 600}) {
    const WellGeometry g = WellLayout(width, H);
    const Canvas c = Drawn(width);
    SCOPED_TRACE(width);
    for (int y = g.yt + 2 * g.b; y <= g.yb; ++y) {
      EXPECT_EQ(c.Pixel(g.x1, y), clBlack) << y;
      EXPECT_EQ(c.Pixel(g.x2, y), clBlack) << y;
    }
    for (int x = g.x1 + 1; x < g.x2; ++x) {
      EXPECT_EQ(c.Pixel(x, g.yw - 1), clWhite) << x;
      EXPECT_EQ(c.Pixel(x, g.yw), clBlue) << x;
      EXPECT_EQ(c.Pixel(x, g.yb - 1), clBlue) << x;
    }
  }
}

// -------------------------------------------------------------------- pane

TEST(FH34Pane, LinesAndTheirIndexLetters) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLessonNumber).RichEdit();
  const test::PaneLine expected[] = {
      {"Flow to a well.", ""},
      {" ", ""},
      {"In the case of radial flow of groundwater to a well in the center of a homogeneous "
       "circular island, the solution of the Laplace equation is :",
       ""},
      {"   h = ho + (Qo/2πkH) ln(r/R),", "8:o:Garamond:8 14:o:Garamond:8 17:π:Symbol:10"},
      {"where", ""},
      {"   h    : groundwater head in aquifer,", ""},
      {"   ho  : water level in lake surrounding the island,", "4:o:Garamond:8"},
      {"   Qo  : discharge of well,", "4:o:Garamond:8"},
      {"   k    : permeability,", ""},
      {"   H   : thickness of aquifer,", ""},
      {"   r    : variable distance from the well,", ""},
      {"   R   : radius of island.", ""},
      {"   ", ""},
      {"The quantity T = kH is called the transmissivity of the aquifer.", ""},
  };
  test::ExpectAllPaneLines(pane, expected);
  test::ExpectCaretAtStart(pane);
}

// ------------------------------------------------------------------ window

TEST(FH34Window, ShowsTheSamePictureAtEveryPaint) {
  test::ExpectTheSamePictureAtEveryPaint(kLessonNumber, "Flow to a well", test::AsShown(Drawn()));
}

}  // namespace
}  // namespace kavenor
