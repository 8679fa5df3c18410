#include <gtest/gtest.h>

#include <QImage>

#include "lessons/flow/H35.h"
#include "lessons/flow/Layers.h"
#include "tests/lessons/flow/StillPicture.h"
#include "tests/support/FigureTables.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

constexpr int W = 332;
constexpr int H = 195;
constexpr int kLessonNumber = 14;

Canvas Drawn(int height = H) {
  Canvas c;
  DrawLayers(c, W, height);
  return c;
}

// The first row at or below `from` in column x with the given colour.
int FirstRowOf(const Canvas& c, int x, int from, Rgb colour) {
  for (int y = from; y < c.Height(); ++y)
    if (c.Pixel(x, y) == colour) return y;
  return -1;
}

// ------------------------------------------------------------------ figure

TEST(FH35Figure, WorkedGeometryOfTheDrawingArea) {
  const LayersGeometry g = LayersLayout(W, H);
  const test::WorkedValue cases[] = {{"yc", g.yc, 130}, {"yt", g.yt, 65},  {"x1", g.x1, 164}, {"x2", g.x2, 168},
               {"yp", g.yp, 162}, {"ys", g.ys, 0},   {"yw", g.yw, 32}};
  test::ExpectWorkedValues(cases);
}

TEST(FH35Figure, DecisivePixelsOfTheCrossSection) {
  const Canvas c = Drawn();
  const test::NamedPixel cases[] = {
      {"border, top left", 0, 0, clBlack},
      {"border, bottom right", 331, 194, clBlack},
      {"border, left", 0, 100, clBlack},
      {"border, right", 331, 100, clBlack},
      {"border under the lower sand", 50, 194, clBlack},
      {"upper sand", 50, 30, clWhite},
      {"above the groundwater", 50, 62, clWhite},
      {"groundwater above the clay", 50, 63, clBlue},
      {"groundwater above the clay", 50, 64, clBlue},
      {"top of the clay", 50, 65, clOlive},
      {"bottom of the clay", 50, 129, clOlive},
      {"inside the right border", 330, 100, clOlive},
      {"top of the lower sand", 50, 130, clYellow},
      {"bottom of the lower sand", 50, 193, clYellow},
      {"standpipe, left wall", 164, 100, clBlack},
      {"standpipe, right wall", 168, 100, clBlack},
      {"standpipe, left wall at the top", 164, 1, clBlack},
      {"standpipe, bottom of the wall", 164, 162, clBlack},
      {"under the standpipe", 164, 163, clYellow},
      {"beside the standpipe in the clay", 163, 100, clOlive},
      {"beside the standpipe in the clay", 169, 100, clOlive},
      {"beside the standpipe above", 163, 50, clWhite},
      {"empty standpipe", 166, 31, clWhite},
      {"water level in the standpipe", 166, 32, clBlue},
      {"water in the standpipe", 165, 50, clBlue},
      {"water in the standpipe", 167, 100, clBlue},
      {"water at the bottom of the standpipe", 166, 161, clBlue},
      {"under the standpipe's water", 166, 162, clYellow},
  };
  test::ExpectNamedPixels(c, cases);
}

TEST(FH35Figure, ThreeLayersOfAThirdEachTheTopOneWithTheRemainder) {
  const struct {
    int height, top, third;
  } cases[] = {{195, 65, 65}, {196, 66, 65}, {197, 67, 65}, {300, 100, 100}};
  for (const auto& v : cases) {
    const Canvas c = Drawn(v.height);
    SCOPED_TRACE(v.height);
    const int clay = FirstRowOf(c, 50, 0, clOlive);
    const int sand = FirstRowOf(c, 50, 0, clYellow);
    EXPECT_EQ(clay, v.top);
    EXPECT_EQ(sand - clay, v.third);
    EXPECT_EQ(v.height - sand, v.third);
    // The standpipe runs from the top of the picture, at the remainder.
    const LayersGeometry g = LayersLayout(W, v.height);
    EXPECT_EQ(g.ys, v.height % 3);
  }
}

TEST(FH35Figure, StandpipeWaterStandsAboveTheClay) {
  // The head in the lower sand is higher than the groundwater level of the
  // upper sand, which lies on top of the clay: the flow goes upward.
  for (const int height : {150, 195, 197, 400}) {
    const LayersGeometry g = LayersLayout(W, height);
    const Canvas c = Drawn(height);
    SCOPED_TRACE(height);
    EXPECT_EQ(FirstRowOf(c, g.x1 + 2, 1, clBlue), g.yw);
    EXPECT_EQ(FirstRowOf(c, 50, 1, clBlue), g.yt - 2);
    EXPECT_LT(g.yw, g.yt - 2);
  }
}

// -------------------------------------------------------------------- pane

TEST(FH35Pane, ParagraphsAndTheGradient) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLessonNumber).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 5) << lines.join('|').toStdString();
  const test::PaneLine fixed[] = {{"Flow through a soil layer.", ""}, {" ", ""}};
  test::ExpectPaneLines(pane, fixed);

  const QString levels = lines[2];
  EXPECT_TRUE(levels.startsWith("In a layered soil, consisting of very permeable sand layers "
                                "and not so permeable clay layers,"));
  for (const char* point : {"different groundwater levels", "drained naturally", "pumped",
                            "water supply", "open water at a higher level"})
    EXPECT_TRUE(levels.contains(point)) << point;
  EXPECT_EQ(test::Dressing(pane, 2), "");
  EXPECT_EQ(lines[3].toStdString(), " ");

  const QString gradient = lines[4];
  const QString first =
      "The figure shows a case in which there will be an upward flow through the clay layer.";
  EXPECT_TRUE(gradient.startsWith(first));
  const qsizetype delta = gradient.indexOf("the gradient δh/δz is also constant. This ");
  ASSERT_GT(delta, 0);
  const int d1 = static_cast<int>(delta) + 13;
  EXPECT_EQ(test::Dressing(pane, 4), std::to_string(d1) + ":δ:Symbol:10 " +
                                         std::to_string(d1 + 3) + ":δ:Symbol:10");
  for (const char* point : {"continuity", "constant", "linearly", "middle", "average"})
    EXPECT_TRUE(gradient.contains(point)) << point;
  EXPECT_TRUE(gradient.endsWith("This determines the pressure in the groundwater."));
  test::ExpectCaretAtStart(pane);
}

// ------------------------------------------------------------------ window

TEST(FH35Window, ShowsTheSamePictureAtEveryPaint) {
  test::ExpectTheSamePictureAtEveryPaint(kLessonNumber, "Vertical flow in a layer",
                                         test::AsShown(Drawn()));
}

}  // namespace
}  // namespace kavenor
