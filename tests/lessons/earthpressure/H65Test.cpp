// Coulomb passive: the wedge pushed up along its slip line as the window
// shows it, the restarts of the animation, and the theory pane's dressing.
// The passive geometry itself is checked beside the active one (H64Test).

#include <gtest/gtest.h>

#include "course/Lessons.h"
#include "lessons/earthpressure/H65.h"
#include "shell/LessonTimer.h"
#include "tests/lessons/earthpressure/CoulombChecks.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int W = 332, H = 195;
constexpr int kLesson = 29;

Canvas Drawn(int k) {
  Canvas canvas;
  DrawCoulombWedge(canvas, CoulombModel{k}, CoulombCase::Passive, W, H);
  return canvas;
}

std::string Around(const Canvas& canvas, int x, int y) {
  return "\n" + test::Ascii(canvas, x - 4, y - 4, x + 5, y + 5);
}

TEST(H65Figure, WallPushedInAndWedgeRaisedAfterSixSteps) {
  struct Case {
    int k, x, y;
    Rgb color;
    const char* what;
  };
  const Case cases[] = {
      {0, 40, 100, clWhite, "left of the wall"},
      {0, 41, 100, clBlack, "wall's left face"},
      {0, 82, 100, clBlack, "wall's right face"},
      {0, 83, 100, clYellow, "wedge beside the wall"},
      {6, 46, 100, clWhite, "left of the pushed wall"},
      {6, 47, 100, clBlack, "pushed left face"},
      {6, 87, 100, clGray, "inside the pushed wall"},
      {6, 88, 100, clBlack, "pushed right face"},
      {0, 150, 64, clWhite, "above the surface at rest"},
      {0, 150, 65, clBlack, "surface, the wedge's top at rest"},
      {6, 150, 58, clWhite, "above the raised wedge"},
      {6, 150, 59, clBlack, "wedge's top edge, 6 above the surface"},
      {6, 150, 64, clYellow, "the raised wedge over the old surface line"},
      {6, 88, 59, clBlack, "the wedge's top meets the wall's face"},
      {6, 87, 62, clWhite, "above the wall top, left of the wedge"},
      // Slip line at rest from (82, 156) to (268, 65); the raised wedge's
      // corner is (280, 59), right of the slip line's top.
      {0, 272, 61, clWhite, "above the surface beyond the slip line"},
      {6, 272, 61, clYellow, "the wedge's corner beyond the slip line's top"},
      {6, 283, 60, clWhite, "beyond the wedge's corner"},
      {6, 290, 65, clBlack, "surface right of the slip line stays"},
      {6, 290, 66, clYellow, "soil right of the slip line stays"},
  };
  for (const Case& c : cases) {
    const Canvas canvas = Drawn(c.k);
    EXPECT_EQ(canvas.Pixel(c.x, c.y), c.color)
        << c.what << " (k = " << c.k << ", " << c.x << "," << c.y << ")" << Around(canvas, c.x, c.y);
  }
}

TEST(H65Figure, ShearHeadAtTheLowerEndAndWallForceAQuarterOfTheHeight) {
  const Canvas canvas = Drawn(0);
  // Shear shaft from (132, 135) up to (164, 119). Lines leave out their end
  // pixel, so an end is painted only where head strokes start from it.
  struct Probe {
    int x, y;
    Rgb color;
    const char* what;
  };
  const Probe probes[] = {
      {132, 135, clBlack, "lower end, the tip"},
      {137, 134, clBlack, "first head stroke, towards (138, 134)"},
      {136, 132, clBlack, "second head stroke, towards (137, 131)"},
      {164, 119, clYellow, "upper end, no tip"},
      {163, 124, clYellow, "no stroke back down from the upper end"},
      {160, 123, clYellow, "no second stroke at the upper end"},
  };
  for (const Probe& p : probes)
    EXPECT_EQ(canvas.Pixel(p.x, p.y), p.color) << p.what << Around(canvas, p.x, p.y);

  // The wall force: 48 pixels from x = 34 onto the wall's face at x = 82,
  // across the white ground left of the wall and through the wall.
  EXPECT_EQ(canvas.Pixel(33, 125), clWhite) << Around(canvas, 34, 125);
  for (int x = 34; x < 82; ++x) EXPECT_EQ(canvas.Pixel(x, 125), clBlack) << x;
  EXPECT_EQ(canvas.Pixel(37, 124), clWhite);
  EXPECT_EQ(canvas.Pixel(37, 126), clWhite);
}

// The lesson opened from the menu; back to the menu afterwards.
struct H65Window : test::LessonWindowTest<TFH65, kLesson> {
  void SetUp() override { Open(); }
  int Step() { return Window().Model().k; }
  // The wall's right face, black, at xR = 82 + k.
  void ExpectWallAt(int k) {
    EXPECT_EQ(ShownAt(82 + k - 1, 100), clGray) << k;
    EXPECT_EQ(ShownAt(82 + k, 100), clBlack) << k;
    EXPECT_EQ(ShownAt(82 + k + 1, 100), clYellow) << k;
  }
};

TEST_F(H65Window, PushesTheWallOnePixelEveryHalfSecondUpToSix) {
  EXPECT_EQ(Step(), 0);
  EXPECT_EQ(Window().Timer()->Interval(), 500);
  EXPECT_TRUE(Window().Timer()->Running());
  ExpectWallAt(0);
  Fire(2);
  EXPECT_EQ(Step(), 2);
  ExpectWallAt(2);
  Fire(4);
  EXPECT_EQ(Step(), 6);
  ExpectWallAt(6);
  const QImage last = Window().Surface().copy();
  Fire(5);
  EXPECT_EQ(Step(), 6);
  EXPECT_EQ(Window().Surface(), last);
}

TEST_F(H65Window, RepaintAndReopeningRestartAtRest) {
  Fire(6);
  Repaint();
  EXPECT_EQ(Step(), 0);
  ExpectWallAt(0);

  Fire(3);
  Leave();
  Fire(2);
  EXPECT_EQ(Step(), 5);  // the animation runs on while hidden
  Open();
  EXPECT_EQ(Step(), 0);
  EXPECT_EQ(Window().Timer()->Interval(), 500);
  ExpectWallAt(0);
}

TEST_F(H65Window, CreationEndsAsAPaintDoes) {
  const std::unique_ptr<LessonWindow> window = MakeFH65(*FindLesson("FH65"));
  test::ExpectCreationEndsAsAPaint<TFH65>(*window);
}

TEST(H65Pane, LinesAndTheirDressing) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLesson).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 7) << lines.join(QLatin1Char('|')).toStdString();
  const test::PaneLine head[] = {
      {"Coulomb's method for passive lateral stresses.", ""},
      {" ", ""},
  };
  test::ExpectPaneLines(pane, head);

  const QString ending = QStringLiteral(
      "deformation, the lateral stress reaches its maximum, the passive  lateral stress.");
  ASSERT_TRUE(lines[2].endsWith(ending)) << lines[2].toStdString();
  EXPECT_TRUE(lines[2].contains(QStringLiteral("pushed into the soil")));
  EXPECT_EQ(test::Dressing(pane, 2), test::EmphasisDressing(lines[2], ending, "passive"));

  EXPECT_TRUE(lines[3].contains(QStringLiteral(
      "two assumptions : the homogeneous upward movement of the wedge and the ")));
  EXPECT_TRUE(lines[3].contains(QStringLiteral("with the stress acting in downward direction")));
  test::ExpectCoulombsLawAtTheEnd(pane);

  EXPECT_TRUE(lines[4].contains(QStringLiteral("giving the smallest value of the lateral force")));
  EXPECT_TRUE(lines[4].endsWith(QString::fromUtf8(
      "The critical slope angle is found to be π/4 - φ/2. For a perfectly smooth vertical wall "
      "of height h, and a horizontal soil surface, the corresponding horizontal force is ")))
      << lines[4].toStdString();
  EXPECT_EQ(test::Dressing(pane, 4), test::GreekDressing(lines[4], QString::fromUtf8("πφ")));

  const test::PaneLine formula[] = {
      {"    Q = ½ Kpγ h² + 2 c h √Kp.",
       "11:p:Garamond:8 12:γ:Symbol:10 25:√:Symbol:10 27:p:Garamond:8"},
      {"For more general problems the passive coefficient Kp can be found in tables.",
       "51:p:Garamond:8"},
  };
  test::ExpectPaneLines(pane, formula, 5);

  // Ten Greek letters in all, one emphasised word, three index letters.
  int greek = 0, index = 0;
  for (int line = 0; line < lines.size(); ++line)
    for (int c = 0; c < lines[line].size(); ++c) {
      const test::CharStyle s = test::StyleAt(pane, line, c);
      greek += s.family == QLatin1String("Symbol");
      index += s.family == QLatin1String("Garamond");
    }
  EXPECT_EQ(greek, 10);
  EXPECT_EQ(index, 3);

  test::ExpectCaretAtStart(pane);
}

}  // namespace
}  // namespace kavenor
