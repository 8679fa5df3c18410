// Rankine: the soil element and the Mohr diagram at the worked values of the
// 332 x 176 pictures, the geometry of the circle and its envelopes checked
// against Rankine's active relation, the window's two bitmaps, and the pane.

#include <gtest/gtest.h>

#include <cmath>
#include <span>

#include "course/Lessons.h"
#include "lessons/earthpressure/H63.h"
#include "lessons/earthpressure/Rankine.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int kLesson = 27;
constexpr int W = 332, H = 176;

std::string Around(const Canvas& canvas, int x, int y) {
  return "\n" + test::Ascii(canvas, x - 5, y - 5, x + 6, y + 6);
}

bool InkIn(const Canvas& canvas, int l, int t, int r, int b) {
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x)
      if (canvas.Pixel(x, y) == clBlack) return true;
  return false;
}

struct Probe {
  int x, y;
  Rgb color;
  const char* what;
};

void ExpectPixels(const Canvas& canvas, std::span<const Probe> probes) {
  for (const Probe& p : probes)
    EXPECT_EQ(canvas.Pixel(p.x, p.y), p.color) << p.what << " (" << p.x << "," << p.y << ")"
                                               << Around(canvas, p.x, p.y);
}

TEST(H63Figure, PicturesAreNineTenthsOfTheAreaHigh) {
  EXPECT_EQ(RankinePictureHeight(195), 176);  // 175.5 rounds to the even 176
  EXPECT_EQ(RankinePictureHeight(45), 40);    // 40.5 rounds to the even 40
  Canvas soil, mohr;
  DrawRankineSoil(soil, W, H);
  DrawRankineMohr(mohr, W, H);
  EXPECT_EQ(soil.Width(), W);
  EXPECT_EQ(soil.Height(), H);
  EXPECT_EQ(mohr.Width(), W);
  EXPECT_EQ(mohr.Height(), H);
}

TEST(H63Figure, SoilElementWithAnArrowAtEachFace) {
  Canvas canvas;
  DrawRankineSoil(canvas, W, H);
  // Surface at 58; the element's box from (158, 99) to (174, 115).
  const Probe probes[] = {
      {0, 0, clBlack, "frame"},
      {1, 57, clWhite, "above the surface"},
      {1, 58, clBlack, "the surface"},
      {1, 59, clYellow, "the soil"},
      {330, 174, clYellow, "the soil's far corner"},
      {158, 110, clBlack, "element, left face"},
      {173, 110, clBlack, "element, right face"},
      {162, 99, clBlack, "element, top face"},
      {162, 114, clBlack, "element, bottom face"},
      {162, 105, clYellow, "inside the element"},
      {174, 110, clYellow, "right of the element"},
      {166, 82, clYellow, "above the arrow from above"},
      {166, 83, clBlack, "tail of the arrow from above, 16 long"},
      {165, 97, clBlack, "its head"},
      {167, 97, clBlack, "its head"},
      {166, 136, clYellow, "below the arrow from below"},
      {166, 135, clBlack, "tail of the arrow from below, 20 long"},
      {166, 116, clBlack, "its shaft"},
      {139, 107, clYellow, "left of the arrow from the left"},
      {140, 107, clBlack, "tail of the arrow from the left, 18 long"},
      {157, 107, clBlack, "its shaft at the face"},
      {193, 107, clYellow, "right of the arrow from the right"},
      {192, 107, clBlack, "tail of the arrow from the right, 18 long"},
      {175, 107, clBlack, "its shaft at the face"},
  };
  ExpectPixels(canvas, probes);
}

TEST(H63Figure, MohrGeometryAtTheWorkedValues) {
  const RankineMohrGeometry g = ComputeRankineMohr(W, H);
  EXPECT_EQ(g.yc, 88);
  EXPECT_EQ(g.xa, 83);
  EXPECT_EQ(g.axisReach, 58);
  EXPECT_EQ(g.xc, 166);
  EXPECT_EQ(g.R, 55);
  EXPECT_EQ(g.vertex, (Point{56, 88}));
  EXPECT_EQ(g.e, 95);  // 165 tan 30 degrees = 95.26
  // cos 120 degrees with the lesson's pi is a hair above -1/2: -27.49999 -> -27.
  EXPECT_EQ(g.upperTouch, (Point{139, 40}));
  EXPECT_EQ(g.lowerTouch, (Point{139, 136}));
  EXPECT_EQ(g.sigma1, (Point{221, 88}));
  EXPECT_EQ(g.sigma3, (Point{111, 88}));
  // The vertex lies left of the tau axis: the soil has cohesion.
  EXPECT_LT(g.vertex.x, g.xa);
}

TEST(H63Figure, MohrDiagramPixels) {
  Canvas canvas;
  DrawRankineMohr(canvas, W, H);
  const Probe probes[] = {
      {40, 88, clWhite, "left of the sigma axis"},
      {41, 88, clBlack, "sigma axis's tail"},
      {200, 88, clBlack, "sigma axis"},
      {289, 87, clBlack, "sigma axis's head"},
      {289, 89, clBlack, "sigma axis's head"},
      {291, 88, clBlack, "sigma axis's tip, where the head starts"},
      {292, 88, clWhite, "right of the sigma axis"},
      {83, 29, clWhite, "above the tau axis"},
      {83, 30, clBlack, "tau axis's upper tip"},
      {82, 32, clBlack, "upper head"},
      {84, 32, clBlack, "upper head"},
      {83, 146, clBlack, "tau axis's lower tip"},
      {82, 144, clBlack, "lower head"},
      {84, 144, clBlack, "lower head"},
      {83, 147, clWhite, "below the tau axis"},
      {166, 33, clBlack, "circle's top"},
      {166, 32, clWhite, "above the circle"},
      {166, 143, clBlack, "circle's bottom"},
      {166, 144, clWhite, "below the circle"},
      {100, 63, clBlack, "upper envelope"},
      {100, 113, clBlack, "lower envelope"},
      {56, 88, clBlack, "the vertex"},
      // The dotted radii: every other pixel, the gaps in the white brush.
      {139, 40, clBlack, "upper radius at the contact point"},
      {140, 41, clWhite, "upper radius, a gap"},
      {140, 42, clBlack, "upper radius, a dot"},
      {164, 85, clWhite, "upper radius, a gap near the centre"},
      {165, 86, clBlack, "upper radius, a dot near the centre"},
      {139, 136, clBlack, "lower radius at the contact point"},
      {140, 135, clWhite, "lower radius, a gap"},
      {140, 134, clBlack, "lower radius, a dot"},
  };
  ExpectPixels(canvas, probes);
}

TEST(H63Figure, PrincipalStressesHaveTheSameClosedDiamondAndTheirLabels) {
  Canvas canvas;
  DrawRankineMohr(canvas, W, H);
  const RankineMohrGeometry g = ComputeRankineMohr(W, H);
  const Point corners[] = {{2, 0}, {1, -1}, {0, -2}, {-1, -1}, {-2, 0}, {-1, 1}, {0, 2}, {1, 1}};
  for (const Point p : {g.sigma1, g.sigma3}) {
    SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
    for (const Point d : corners)
      EXPECT_EQ(canvas.Pixel(p.x + d.x, p.y + d.y), clBlack)
          << d.x << "," << d.y << Around(canvas, p.x, p.y);
    // The sigma above the point, its index right of it and lower.
    EXPECT_TRUE(InkIn(canvas, p.x - 4, p.y - 13, p.x + 2, p.y - 3)) << Around(canvas, p.x, p.y - 8);
    EXPECT_TRUE(InkIn(canvas, p.x + 3, p.y - 9, p.x + 10, p.y - 1)) << Around(canvas, p.x + 5, p.y - 5);
  }
}

// Distance of point (px, py) from the line through a and b.
double DistanceFromLine(double px, double py, Point a, Point b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  return std::abs(dy * (px - a.x) - dx * (py - a.y)) / std::hypot(dx, dy);
}

TEST(H63Figure, CircleTouchesBothEnvelopesWhereTheDottedRadiiEnd) {
  for (const int w : {332, 240, 500}) {
    SCOPED_TRACE(w);
    const RankineMohrGeometry g = ComputeRankineMohr(w, H);
    const Point upperEnd{g.xc + g.R, g.yc - g.e}, lowerEnd{g.xc + g.R, g.yc + g.e};
    EXPECT_NEAR(DistanceFromLine(g.xc, g.yc, g.vertex, upperEnd), g.R, 0.5);
    EXPECT_NEAR(DistanceFromLine(g.xc, g.yc, g.vertex, lowerEnd), g.R, 0.5);
    for (const auto& [touch, end] : {std::pair{g.upperTouch, upperEnd}, std::pair{g.lowerTouch, lowerEnd}}) {
      EXPECT_NEAR(std::hypot(touch.x - g.xc, touch.y - g.yc), g.R, 1.0);
      EXPECT_LE(DistanceFromLine(touch.x, touch.y, g.vertex, end), 1.0);
    }
    EXPECT_LT(g.vertex.x, g.xa);
  }
}

// Rankine's active state read off the diagram: with the tau axis as origin,
// the circle's ends are the principal stresses and the envelope cuts the tau
// axis at the cohesion c; then s3 = Ka s1 - 2 c sqrt(Ka) for phi = 30 degrees.
TEST(H63Figure, DiagramObeysRankinesActiveRelation) {
  const RankineMohrGeometry g = ComputeRankineMohr(W, H);
  const double s1 = g.sigma1.x - g.xa;  // 138
  const double s3 = g.sigma3.x - g.xa;  // 28
  const double run = (g.xc + g.R) - g.vertex.x;
  const double c = g.e * (g.xa - g.vertex.x) / run;  // the upper envelope at x = xa: 15.5
  const double phi = 3.1415926 / 6;
  const double ka = (1 - std::sin(phi)) / (1 + std::sin(phi));
  EXPECT_NEAR(ka, 1.0 / 3, 1e-7);
  // Whole pixels for the centre, the radius and the axis, and e rounded:
  // within a pixel.
  EXPECT_NEAR(s3, ka * s1 - 2 * c * std::sqrt(ka), 1.0);
  // And the passive one, read the other way round; its rounding grows by Kp.
  const double kp = 1 / ka;
  EXPECT_NEAR(s1, kp * s3 + 2 * c * std::sqrt(kp), 3.0);
  // The slope of the envelope is the friction angle's.
  EXPECT_NEAR(std::atan(g.e / run), phi, 0.005);
}

struct H63Window : test::LessonWindowTest<TFH63, kLesson> {
  void SetUp() override { Open(); }
  QImage Region(int top, int height) { return Window().Surface().copy(10, top, W, height); }
};

TEST_F(H63Window, TwoBitmapsShownOneAreaHeightApart) {
  Canvas soil, mohr;
  DrawRankineSoil(soil, W, H);
  DrawRankineMohr(mohr, W, H);
  EXPECT_EQ(Window().SoilBitmap().Image(), soil.Image());
  EXPECT_EQ(Window().MohrBitmap().Image(), mohr.Image());
  EXPECT_EQ(Region(45, H), soil.Image().convertToFormat(Window().Surface().format()));
  EXPECT_EQ(Region(240, H), mohr.Image().convertToFormat(Window().Surface().format()));
  // Between them the window's own background: nothing is copied there.
  for (int y = 45 + H; y < 240; ++y) EXPECT_EQ(qAlpha(Window().Surface().pixel(100, y)), 0) << y;
  EXPECT_EQ(qAlpha(Window().Surface().pixel(100, 240 + H)), 0);
}

TEST_F(H63Window, PicturesAreTheSameAfterAnyActivationsAndPaints) {
  const QImage first = Window().Surface().copy();
  for (int i = 0; i < 3; ++i) {
    Repaint();
    Window().ReturnButtonClick();
    Open();
  }
  EXPECT_EQ(Window().Surface(), first);
}

TEST_F(H63Window, CreationDrawsBothPicturesForTheFirstShowing) {
  // A window just made, shown without an activation: both pictures its
  // creation drew are there.
  const std::unique_ptr<LessonWindow> window = MakeFH63(*FindLesson("FH63"));
  window->show();
  test::Settle();
  Canvas soil, mohr;
  DrawRankineSoil(soil, W, H);
  DrawRankineMohr(mohr, W, H);
  const QImage& shown = window->Surface();
  EXPECT_EQ(shown.copy(10, 45, W, H), soil.Image().convertToFormat(shown.format()));
  EXPECT_EQ(shown.copy(10, 240, W, H), mohr.Image().convertToFormat(shown.format()));
  window->hide();
}

TEST(H63Pane, LinesAndTheirDressing) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLesson).RichEdit();
  EXPECT_EQ(pane.geometry(), QRect(408, 45, 332, 401));
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 10) << lines.join(QLatin1Char('|')).toStdString();
  EXPECT_EQ(lines[0], QStringLiteral("Rankine."));
  EXPECT_EQ(lines[1], QStringLiteral(" "));
  EXPECT_TRUE(lines[2].startsWith(QStringLiteral("In a homogeneous soil mass with a horizontal upper ")));
  EXPECT_TRUE(lines[2].endsWith(QStringLiteral("by considering the extreme state of stress in a Mohr's circle.")));
  for (const char* point : {"increases linearly with depth", "smallest", "largest horizontal"})
    EXPECT_TRUE(lines[2].contains(QLatin1String(point))) << point;
  EXPECT_EQ(test::Dressing(pane, 2), "");
  EXPECT_EQ(lines[3], QStringLiteral(" "));

  const test::PaneLine formulas[] = {
      {"The radius of the circle is (σ1-σ3)/2, and the distance from the vertex to the center of "
       "the circle is c cot φ + (σ1+σ3)/2. This means that :",
       "29:σ:Symbol:10 30:1:Garamond:8 32:σ:Symbol:10 33:3:Garamond:8 "
       "109:φ:Symbol:8 114:σ:Symbol:10 115:1:Garamond:8 117:σ:Symbol:10 118:3:Garamond:8"},
      {"  sin φ = (σ1-σ3)/(σ1+σ3 + 2 c cot φ).",
       "6:φ:Symbol:8 11:σ:Symbol:10 12:1:Garamond:8 14:σ:Symbol:10 15:3:Garamond:8 "
       "19:σ:Symbol:10 20:1:Garamond:8 22:σ:Symbol:10 23:3:Garamond:8 35:φ:Symbol:8"},
      {"It follows that :    σ3 = Ka σ1 - 2 c √Ka,",
       "21:σ:Symbol:10 22:3:Garamond:8 29:σ:Symbol:10 30:1:Garamond:8 38:√:Symbol:10"},
      {"where Ka = (1-sin φ)/(1+sin φ), the coefficient of active earth pressure.",
       "18:φ:Symbol:8 28:φ:Symbol:8"},
      {"Conversely :       σ1 = Kp σ3 + 2 c √Kp,",
       "19:σ:Symbol:10 20:1:Garamond:8 27:σ:Symbol:10 28:3:Garamond:8 36:√:Symbol:10"},
      {"where Kp = (1+sin φ)/(1-sin φ), the coefficient of passive earth pressure.",
       "18:φ:Symbol:8 28:φ:Symbol:8"},
  };
  test::ExpectPaneLines(pane, formulas, 4);

  test::ExpectCaretAtStart(pane);
}

}  // namespace
}  // namespace kavenor
