#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <iterator>

#include "lessons/consolidation/H41.h"
#include "lessons/consolidation/Oedometer.h"
#include "shell/RadioGroup.h"
#include "tests/lessons/consolidation/FigureChecks.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

using checks::ExpectPixels;
using checks::InkIn;

constexpr int W = 332, H = 195;
constexpr int kLessonNumber = 15;

Canvas Drawn(void (*draw)(Canvas&, int, int)) {
  Canvas canvas;
  draw(canvas, W, H);
  return canvas;
}

// ---- the apparatus ----

TEST(FH41Figure, Apparatus) {
  const Canvas c = Drawn(DrawOedometer);
  ASSERT_EQ(c.Width(), W);
  ASSERT_EQ(c.Height(), H);
  ExpectPixels(c, {
      // the white field and its border
      {0, 0, clBlack}, {W - 1, 60, clBlack}, {5, 5, clWhite},
      // the water, x 33 .. 298 and y 125 .. 189, its outline down the
      // inner sides of the walls and along the bottom
      {50, 125, clBlue}, {50, 124, clWhite}, {298, 150, clBlue}, {50, 189, clBlue},
      {33, 150, clBlack}, {299, 150, clBlack}, {50, 190, clBlack},
      // the silver walls and bottom, outlined outside
      {30, 150, clSilver}, {32, 125, clBlack}, {29, 150, clBlack}, {28, 150, clWhite},
      {301, 150, clSilver}, {300, 125, clBlack}, {303, 150, clBlack}, {304, 150, clWhite},
      {100, 191, clSilver}, {100, 193, clSilver}, {100, 194, clBlack},
      // the ring's walls at x 83 .. 86 and 246 .. 249, standing in the water
      {82, 170, clBlue}, {83, 170, clBlack}, {84, 170, clSilver}, {85, 170, clSilver},
      {86, 170, clBlack}, {249, 170, clBlack}, {247, 170, clSilver}, {250, 170, clBlue},
      {83, 187, clBlack}, {84, 188, clBlue},
      // the bottom stone y 185 .. 190, the sample 143 .. 184, the plate 137 .. 142
      {100, 185, clBlack}, {100, 187, clOlive}, {87, 187, clBlack}, {245, 187, clBlack},
      {100, 184, clYellow}, {87, 160, clYellow}, {245, 160, clYellow}, {100, 143, clYellow},
      {100, 142, clBlack}, {100, 140, clOlive}, {100, 137, clBlack}, {87, 140, clBlack},
      {245, 140, clBlack}, {246, 141, clBlack}, {100, 136, clBlue},
      // the loading rod x 163 .. 168, y 39 .. 136, and the load arrow
      {163, 80, clBlack}, {165, 80, clSilver}, {167, 80, clSilver}, {168, 80, clBlack},
      {162, 80, clWhite}, {169, 80, clWhite}, {165, 39, clBlack}, {165, 136, clBlack},
      {166, 3, clWhite}, {166, 4, clBlack}, {166, 38, clBlack}, {164, 33, clBlack},
      {168, 33, clBlack}, {163, 33, clWhite}, {169, 33, clWhite},
  });
}

TEST(FH41Figure, RingWallsAreNotMirrorImages) {
  // The left wall's slanted top rises to y 139, the right one's to y 140.
  const Canvas c = Drawn(DrawOedometer);
  ExpectPixels(c, {{86, 139, clBlack}, {86, 138, clBlue}, {246, 140, clBlack},
                   {246, 139, clBlue}, {83, 148, clBlack}, {249, 148, clBlack}});
  int leftTop = -1, rightTop = -1;
  for (int y = 130; y < 150 && (leftTop < 0 || rightTop < 0); ++y) {
    if (leftTop < 0 && c.Pixel(86, y) == clBlack) leftTop = y;
    if (rightTop < 0 && c.Pixel(246, y) == clBlack) rightTop = y;
  }
  EXPECT_EQ(rightTop - leftTop, 1);
}

// ---- the graphs ----

TEST(FH41Figure, LinearGraphGridAndCurve) {
  const Canvas c = Drawn(DrawLinearResult);
  ExpectPixels(c, {
      // the top line reaches one past the right grid line
      {41, 32, clBlack}, {305, 32, clBlack}, {306, 32, clWhite},
      // columns at 41 + nearest(13.2 i): 41, 54, 107, 173, 305
      {41, 100, clBlack}, {54, 100, clBlack}, {53, 100, clWhite}, {55, 100, clWhite},
      {173, 150, clBlack}, {305, 150, clBlack}, {306, 150, clWhite}, {41, 162, clBlack},
      // rows at 32 + nearest(6.55 i); 65.5 rounds to the even 66 (row 98)
      {47, 39, clBlack}, {47, 38, clWhite}, {60, 98, clBlack}, {60, 97, clWhite},
      {200, 163, clBlack}, {304, 163, clBlack}, {305, 163, clWhite}, {40, 163, clWhite},
      // the red curve, two pixels wide, from (41, 163) through
      // P(1) = (61, 160), P(9) = (107, 134), P(20) = (128, 97), P(39) = (147, 35)
      {41, 163, clRed}, {42, 164, clRed}, {61, 160, clRed}, {62, 161, clRed},
      {107, 134, clRed}, {128, 97, clRed}, {129, 98, clRed}, {147, 35, clRed},
      // cells away from the curve stay white
      {200, 100, clWhite}, {47, 35, clWhite},
  });
}

TEST(FH41Figure, LinearCurvePoints) {
  const StressStrainFrame f = LinearFrameOf(W, H);
  EXPECT_EQ(f.top, 32);
  EXPECT_EQ(f.bottom, 163);
  EXPECT_EQ(f.mid, 97);
  EXPECT_EQ(f.left, 41);
  EXPECT_EQ(f.right, 305);
  struct Case {
    int i;
    Point p;
  };
  // x = 41 + nearest(66 log10(i + 1)), y = 163 - nearest(3.275 i)
  const Case cases[] = {{0, {41, 163}}, {1, {61, 160}},   {4, {87, 150}},  {7, {101, 140}},
                        {9, {107, 134}}, {27, {137, 75}}, {32, {141, 58}}, {40, {147, 32}}};
  for (const Case& c : cases) EXPECT_EQ(LinearCurvePoint(f, c.i), c.p) << c.i;
}

TEST(FH41Figure, LogarithmicGraph) {
  const StressStrainFrame f = LogFrameOf(W, H);
  EXPECT_EQ(f.mid, 97);
  // Upper decade 97 - nearest(65 log10 i), lower decade 163 - nearest(66 log10 i).
  const std::vector<int> rows = LogGridRows(f);
  const std::vector<int> expected = {97, 163, 77, 143, 66, 132, 58, 123, 52, 117,
                                     46, 112, 42, 107, 38, 103, 35, 100, 32, 97};
  EXPECT_EQ(rows, expected);
  // The line at mid is drawn twice, as the upper decade's first row and the
  // lower decade's last; the bottom once.
  EXPECT_EQ(std::count(rows.begin(), rows.end(), f.mid), 2);
  EXPECT_EQ(std::count(rows.begin(), rows.end(), f.bottom), 1);

  const Canvas c = Drawn(DrawLogResult);
  ExpectPixels(c, {
      // the axes: top line and left line
      {41, 32, clBlack}, {305, 32, clBlack}, {306, 32, clWhite}, {41, 162, clBlack},
      // rows of both decades
      {200, 97, clBlack}, {200, 77, clBlack}, {200, 143, clBlack}, {200, 163, clBlack},
      {200, 98, clWhite}, {200, 142, clWhite}, {304, 163, clBlack}, {305, 163, clWhite},
      // columns 41 + nearest(13.2 i)
      {54, 60, clBlack}, {305, 60, clBlack}, {53, 60, clWhite},
      // the straight red line from (41, 163) to (140, 32)
      {41, 163, clRed}, {42, 164, clRed}, {90, 98, clRed}, {139, 33, clRed},
      {140, 32, clBlack},
  });
  // Straight: its red pixels in each row lie on the chord within a pixel.
  for (int y = 40; y < 160; y += 7) {
    const int onChord = 41 + (163 - y) * 99 / 131;
    bool red = false;
    for (int x = onChord - 2; x <= onChord + 2; ++x) red = red || c.Pixel(x, y) == clRed;
    EXPECT_TRUE(red) << y;
  }
}

TEST(FH41Figure, LabelsInTheirPlaces) {
  struct Label {
    int x, y, w, h;
  };
  // (x, y) of each label cell; ink is looked for in a small box from there.
  const Label linear[] = {{9, 89, 8, 14},    {17, 89, 6, 8},  {169, 173, 10, 14},
                          {37, 167, 6, 12},  {293, 167, 20, 12}, {31, 157, 6, 12},
                          {25, 91, 12, 12},  {25, 26, 12, 12}};
  const Label log[] = {{9, 89, 8, 14},   {169, 173, 10, 14}, {37, 167, 6, 12},
                       {293, 167, 20, 12}, {31, 157, 6, 12}, {25, 91, 12, 12},
                       {17, 26, 18, 12}};
  const Canvas a = Drawn(DrawLinearResult);
  for (const Label& l : linear) EXPECT_TRUE(InkIn(a, l.x, l.y, l.x + l.w, l.y + l.h)) << l.x << "," << l.y;
  const Canvas b = Drawn(DrawLogResult);
  for (const Label& l : log) EXPECT_TRUE(InkIn(b, l.x, l.y, l.x + l.w, l.y + l.h)) << l.x << "," << l.y;
  // Left of the stress labels nothing is written.
  EXPECT_FALSE(InkIn(a, 1, 40, 8, 150));
  EXPECT_FALSE(InkIn(b, 1, 40, 8, 150));
}

TEST(FH41Figure, OptionsChooseTheirPicture) {
  // Any item other than 0 or 1, none selected included, is the logarithmic graph.
  const Canvas apparatus = Drawn(DrawOedometer);
  const Canvas linear = Drawn(DrawLinearResult);
  const Canvas log = Drawn(DrawLogResult);
  struct Case {
    int item;
    const Canvas* expected;
  };
  const Case cases[] = {{0, &apparatus}, {1, &linear}, {2, &log}, {-1, &log}, {7, &log}};
  for (const Case& c : cases) {
    Canvas canvas;
    DrawOedometerOption(canvas, c.item, W, H);
    EXPECT_EQ(canvas.Image(), c.expected->Image()) << c.item;
    EXPECT_EQ(canvas.Font.Name, QStringLiteral("MS Sans Serif"));
  }
  // One canvas used for every picture in turn draws each the same as a fresh one.
  Canvas reused;
  for (const Case& c : cases) {
    DrawOedometerOption(reused, c.item, W, H);
    EXPECT_EQ(reused.Image(), c.expected->Image()) << c.item;
  }
}

// ---- the theory pane ----

TEST(FH41Pane, LinesAndTheirGreekLetters) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLessonNumber).RichEdit();
  const test::PaneLine expected[] = {
      {"Compression.", ""},
      {"", ""},
      {"In one-dimensional compression many materials (for instance metals) show a linear "
       "relation between stress and strain :",
       ""},
      {"   σ=Eε.", "3:σ:Symbol:10 6:ε:Symbol:10"},
      {"", ""},
      {"Soils, however, have some special properties. They can transfer only compressive "
       "stresses, and no tensile stresses: a soil can not be pulled. Furthermore the "
       "stiffness of the system of particles is not a constant, but increases with the "
       "stress that already exists in the soil, because the contact forces between the "
       "particles are then larger, and large contact forces give a greater resistance to "
       "deformation.",
       ""},
      {"", ""},
      {"For soils a good approximation is a logarithmic relation between stress and strain :",
       ""},
      {"   ε = - (1/C)ln(σ'/σ'1).",
       "3:ε:Symbol:10 17:σ:Symbol:10 20:σ:Symbol:10 22:1:Garamond:8 23:):Garamond:8"},
      {"This means that the strain is ε = - (1/C)ln 2 = - 0.693/C when the effective stress "
       "is doubled,  and the same strain occurs for each next factor 2 in the effective "
       "stress.",
       "30:ε:Symbol:10"},
  };
  test::ExpectPaneLines(pane, expected);
  const QStringList lines = test::PaneLines(pane);
  for (qsizetype i = std::size(expected); i < lines.size(); ++i) EXPECT_TRUE(lines[i].isEmpty());
  test::ExpectCaretAtStart(pane);
}

// ---- the window ----

QImage Expected(int item) {
  Canvas canvas;
  DrawOedometerOption(canvas, item, W, H);
  return test::AsShown(canvas);
}

struct FH41Window : test::LessonWindowTest<TFH41, kLessonNumber> {};

TEST_F(FH41Window, RadioGroupAsCreated) {
  const std::unique_ptr<LessonWindow> made = test::MadeFresh("FH41");
  auto* w = dynamic_cast<TFH41*>(made.get());
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->Timer(), nullptr);
  EXPECT_TRUE(w->PaintConnected());
  // Below the drawing area at (window width div 12, window height div 2).
  test::ExpectOptionGroup(*w, w->RadioGroup1(),
                          {"Graphic Options",
                           QRect(760 / 12, 560 / 2, 189, 59),
                           {"Compression test", "Results on linear scale",
                            "Results on logarithmic scale"}});
}

TEST_F(FH41Window, EachClickRedrawsAtOnce) {
  Open();
  RadioGroup* group = Window().RadioGroup1();
  EXPECT_EQ(Shown(), Expected(group->ItemIndex()));
  test::ExpectClicksRedraw(Window(), *group, {1, 1, 2, 0, 0, 2}, Expected);

  // With no item selected, a repaint shows the logarithmic graph.
  group->SetItemIndex(0);
  group->Item(0)->click();
  group->SetItemIndex(-1);
  EXPECT_EQ(group->ItemIndex(), -1);
  Window().SystemRepaint();
  EXPECT_EQ(Shown(), Expected(2));

  group->SetItemIndex(0);
  Leave();
}

TEST_F(FH41Window, SelectionSurvivesHidingAndShowing) {
  Open();
  Window().RadioGroup1()->Item(1)->click();
  Leave();
  Open();
  EXPECT_EQ(Window().RadioGroup1()->ItemIndex(), 1);
  EXPECT_EQ(Shown(), Expected(1));
  // A repaint asked by the window system draws the same picture again.
  Repaint();
  EXPECT_EQ(Shown(), Expected(1));

  Window().RadioGroup1()->Item(0)->click();
  Leave();
}

}  // namespace
}  // namespace kavenor
