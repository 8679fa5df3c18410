// Cone resistance: the plot's geometry, the curve's trend, scatter and jump
// drawn from the shared generator, the figure at its coordinates, the window's
// new scatter at every activation and repaint, and the theory pane.

#include <gtest/gtest.h>

#include <QLabel>
#include <algorithm>
#include <vector>

#include "course/Lessons.h"
#include "lessons/foundations/ConeResistance.h"
#include "lessons/foundations/H75.h"
#include "shell/Random.h"
#include "tests/support/FigureTables.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int W = 332, H2 = 390;
constexpr int kLesson = 35;
// The standard plot: xl = 33, xr = 299, yt = 39, yb = 351, yl = 287.
constexpr int xl = 33, xr = 299, yt = 39, yb = 351, yl = 287, jump = 156;
constexpr int kRows = yb - yt + 1;

ConeResistanceModel Sampled(std::uint64_t seed) {
  SeedRandom(seed);
  ConeResistanceModel m;
  m.Sample(W, H2);
  return m;
}

// A model with a curve of our own: `upper` pixels right of the frame down to
// yl, `lower` pixels below it.
ConeResistanceModel Steps(int upper, int lower) {
  ConeResistanceModel m;
  m.W = W;
  m.H2 = H2;
  for (int y = yt; y <= yb; ++y) m.CurveX.push_back(xl + (y > yl ? lower : upper));
  return m;
}

Canvas Picture(const ConeResistanceModel& m) {
  Canvas c;
  DrawConeResistance(c, m);
  return c;
}

TEST(H75Model, PlotOfTheDoubleHeightArea) {
  const ConeResistancePlot p = ConeResistancePlot::Of(W, H2, 16, 12);
  const test::WorkedValue cases[] = {{"xl", p.xl, xl}, {"xr", p.xr, xr},  {"yt", p.yt, yt},
               {"yb", p.yb, yb}, {"yl", p.yl, yl},  {"jump", p.jump, jump}};
  test::ExpectWorkedValues(cases);
}

TEST(H75Model, TrendRisesFromZeroToAnEighthOfThePlotWidth) {
  const ConeResistanceModel m = Sampled(1);
  const struct {
    int y, trend;
  } cases[] = {{yt, 0}, {yt + 9, 1}, {yt + 156, 17}, {yl, 26}, {yb, 33}};
  for (const auto& c : cases) EXPECT_EQ(m.Trend(c.y), c.trend) << c.y;
}

TEST(H75Model, ScatterIsDrawnRowByRowWithTheSandsSecondNumberAfterTheFirst) {
  const ConeResistanceModel m = Sampled(42);
  ASSERT_EQ(m.CurveX.size(), static_cast<std::size_t>(kRows));
  SeedRandom(42);
  for (int y = yt; y <= yb; ++y) {
    int expected = xl + m.Trend(y) + Random(15);
    if (y > yl) expected += jump + Random(12);
    ASSERT_EQ(m.CurveX[y - yt], expected) << "row " << y;
  }
}

TEST(H75Model, SuccessiveCurvesShareTrendAndJumpButNotTheirScatter) {
  SeedRandom(5);
  ConeResistanceModel m;
  m.Sample(W, H2);
  const std::vector<int> first = m.CurveX;
  m.Sample(W, H2);
  EXPECT_NE(m.CurveX, first);
  const std::vector<int>* curves[] = {&first, &m.CurveX};
  for (const std::vector<int>* curve : curves) {
    int upperMax = 0, lowerMax = 0;
    for (int y = yt; y <= yb; ++y) {
      const bool sand = y > yl;
      const int scatter = (*curve)[y - yt] - xl - m.Trend(y) - (sand ? jump : 0);
      ASSERT_GE(scatter, 0) << y;
      ASSERT_LE(scatter, sand ? 25 : 14) << y;
      int& highest = sand ? lowerMax : upperMax;
      highest = std::max(highest, scatter);
    }
    EXPECT_EQ(upperMax, 14);  // the full range of the scatter is used
    EXPECT_GE(lowerMax, 20);
  }
}

TEST(H75Model, TooSmallAnAreaHasNoTrendRatherThanADivisionByZero) {
  ConeResistanceModel m;
  m.Sample(5, 0);
  ASSERT_EQ(m.CurveX.size(), 1u);
  EXPECT_EQ(m.Trend(0), 0);
}

TEST(H75Figure, FrameAndGridOfThePlot) {
  const Canvas c = Picture(Steps(20, 200));
  ASSERT_EQ(c.Width(), W);
  ASSERT_EQ(c.Height(), H2);
  const struct {
    int x, y;
    Rgb colour;
    const char* what;
  } cases[] = {
      {0, 0, clBlack, "border"},
      {0, 389, clBlack, "bottom of the double-height bitmap"},
      {331, 389, clBlack, "corner of the bitmap"},
      {1, 388, clWhite, "inside the border"},
      {xl, 200, clBlack, "plot frame, left"},
      {xr - 1, 200, clBlack, "plot frame, right"},
      {xr, 200, clWhite, "right of the plot frame"},
      {150, yb - 1, clBlack, "plot frame, bottom"},
      {150, yb, clWhite, "below the plot frame"},
      {99, 100, clBlack, "grid at 5 MPa"},
      {166, 100, clBlack, "grid at 10 MPa"},
      {232, 100, clBlack, "grid at 15 MPa"},
      {100, 100, clWhite, "between the grid lines"},
      {150, 117, clBlack, "grid at 5 m"},
      {150, 195, clBlack, "grid at 10 m"},
      {150, 273, clBlack, "grid at 15 m"},
      {150, 118, clWhite, "between the grid lines"},
  };
  for (const auto& p : cases)
    EXPECT_EQ(c.Pixel(p.x, p.y), static_cast<long long>(p.colour))
        << p.what << " at (" << p.x << ", " << p.y << ")\n"
        << test::Ascii(c, p.x - 3, p.y - 3, p.x + 4, p.y + 4);
}

TEST(H75Figure, CurveRunsFromTheSurfaceThroughOnePointARow) {
  // With a curve of our own: 20 pixels right down to yl, 200 below it.
  const Canvas c = Picture(Steps(20, 200));
  EXPECT_EQ(c.Pixel(xl + 20, 150), clBlack);
  EXPECT_EQ(c.Pixel(xl + 19, 150), clWhite);
  EXPECT_EQ(c.Pixel(xl + 21, 150), clWhite);
  EXPECT_EQ(c.Pixel(xl + 200, 320), clBlack);
  EXPECT_EQ(c.Pixel(xl + 20, 320), clWhite);
  // The jump is one segment between rows yl and yl + 1.
  for (int x = xl + 21; x < xl + 200; ++x)
    ASSERT_TRUE(c.Pixel(x, yl) == clBlack || c.Pixel(x, yl + 1) == clBlack) << x;
  // The curve leaves the frame's corner (xl, yt) along its top edge and turns
  // down at its first point.
  EXPECT_EQ(c.Pixel(xl + 20, yt + 1), clBlack);

  // A sampled curve passes through each of its points but the last, whose
  // end pixel is left out.
  const ConeResistanceModel m = Sampled(3);
  const Canvas s = Picture(m);
  for (int y = yt + 1; y < yb; ++y) ASSERT_EQ(s.Pixel(m.CurveX[y - yt], y), clBlack) << y;
}

TEST(H75Figure, LabelsAndDepthScaleWhereTheyBelong) {
  const Canvas c = Picture(Steps(20, 200));
  const struct {
    int x, y;
    const char* text;
  } labels[] = {
      {100, 6, "Cone resistance (MPa)"}, {30, 27, "0"},   {160, 27, "10"},  {293, 27, "20"},
      {2, 150, "z (m)"},                 {16, 33, "0"},   {16, 111, "5"},   {12, 189, "10"},
      {12, 267, "15"},                   {12, 345, "20"},
  };
  for (const auto& l : labels) {
    Canvas reference;
    reference.SetSize(W, H2);
    reference.TextOut(0, 0, QString::fromLatin1(l.text));
    const QString text = QString::fromLatin1(l.text);
    const QImage cell = reference.Image().copy(0, 0, reference.TextWidth(text), reference.TextHeight(text));
    EXPECT_EQ(c.Image().copy(l.x, l.y, cell.width(), cell.height()), cell) << l.text;
  }
}

// The lesson opened from the menu; back to the menu afterwards.
struct H75Window : test::LessonWindowTest<TFH75, kLesson> {
  void SetUp() override { Open(11); }
  static QImage Shown() { return test::ShownArea(Window(), W, H2); }
  static QImage Expected() { return test::AsShown(Picture(Window().Model())); }
};

TEST_F(H75Window, EveryActivationAndRepaintDrawsNewScatter) {
  EXPECT_EQ(Window().Panel()->text().toStdString(), "Cone Resistance");
  EXPECT_EQ(Window().Timer(), nullptr);
  EXPECT_TRUE(Window().PaintConnected());
  EXPECT_EQ(Window().RichEdit()->geometry(), QRect(408, 45, 332, 280));
  EXPECT_EQ(Shown(), Expected());

  std::vector<std::vector<int>> curves{Window().Model().CurveX};
  Repaint();
  EXPECT_EQ(Shown(), Expected());
  curves.push_back(Window().Model().CurveX);
  Window().Activate();  // the focus back from a dialog of the program
  test::Settle();
  EXPECT_EQ(Shown(), Expected());
  curves.push_back(Window().Model().CurveX);
  Leave();
  Open();
  EXPECT_EQ(Shown(), Expected());
  curves.push_back(Window().Model().CurveX);
  for (std::size_t i = 1; i < curves.size(); ++i) EXPECT_NE(curves[i], curves[i - 1]) << i;
}

TEST(H75Pane, TwoParagraphsReadingTheDiagram) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLesson).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 5) << lines.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(lines[0], QStringLiteral("Cone Resistance."));
  EXPECT_EQ(lines[1], QStringLiteral(" "));
  EXPECT_TRUE(lines[2].startsWith(QStringLiteral("A typical result of a cone penetration test ")));
  EXPECT_TRUE(lines[2].endsWith(QStringLiteral("gradually with depth, as the effective stress increases.")));
  EXPECT_EQ(lines[3], QStringLiteral(" "));
  EXPECT_TRUE(lines[4].startsWith(QStringLiteral("At a depth of about 16 m the cone resistance suddenly ")));
  EXPECT_TRUE(lines[4].contains(QStringLiteral(
      "the maximum bearing capacity of a foundation pile is also about 15 Mpa.  The ")));
  EXPECT_TRUE(lines[4].endsWith(QStringLiteral("safety factor must be used, of course.")));
  for (int line = 0; line < lines.size(); ++line) EXPECT_EQ(test::Dressing(pane, line), "") << line;
  test::ExpectCaretAtStart(pane);
}

}  // namespace
}  // namespace kavenor
