// The Mohr lesson: the turning element's model, the figure's pixels for the
// standard 332 x 390 figure, the theory pane and the window's timer and check
// box.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <string>
#include <vector>

#include "course/Lessons.h"
#include "lessons/shear/H51.h"
#include "lessons/shear/Mohr.h"
#include "shell/Fonts.h"
#include "shell/LessonTimer.h"
#include "shell/Primitives.h"
#include "shell/TheoryPane.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

constexpr int kW = 332;
constexpr int kH = 390;
constexpr int kMohrLesson = 20;
constexpr double kQuarter = kMohrPi / 2;

std::string at(Point p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

MohrModel turnedBy(double angle) {
  MohrModel m;
  m.ElementAngle = angle;
  return m;
}

Canvas figureAt(double angle) {
  Canvas c;
  DrawMohr(c, turnedBy(angle), kW, kH);
  return c;
}

// ---------------------------------------------------------------- model

TEST(H51Model, ActivationStartsUnturned) {
  MohrModel m;
  for (int i = 0; i < 123; ++i) m.Tick();
  ASSERT_GT(m.ElementAngle, 0.6);
  m.Activate();
  EXPECT_EQ(m.ElementAngle, 0.0);
}

TEST(H51Model, AngleOverTickSequences) {
  struct Case {
    int ticks;
    double angle;
  };
  // One full turn takes 1257 ticks; the wrap keeps the overshoot of
  // 1257 x 0.005 - 6.2831852 = 0.0018148 rather than starting at 0.
  const Case cases[] = {
      {1, 0.005},          {314, 1.57},       {1256, 6.28},
      {1257, 0.0018148},   {1258, 0.0068148}, {2514, 2 * 0.0018148},
  };
  for (const Case& c : cases) {
    MohrModel m;
    for (int i = 0; i < c.ticks; ++i) m.Tick();
    EXPECT_NEAR(m.ElementAngle, c.angle, 1e-9) << c.ticks << " ticks";
  }
}

TEST(H51Model, AngleStaysWithinOneTurnInALongRun) {
  MohrModel m;
  for (int i = 0; i < 200000; ++i) {
    m.Tick();
    ASSERT_GT(m.ElementAngle, 0.0) << "tick " << i;
    ASSERT_LE(m.ElementAngle, kMohrFullTurn) << "tick " << i;
  }
}

// ------------------------------------------------------------- geometry

TEST(H51Geometry, StandardFigure) {
  const MohrGeometry g = MohrLayout(kW, kH, 0);
  EXPECT_EQ(g.a, 20);
  EXPECT_EQ(g.S1, 66);
  EXPECT_EQ(g.S3, 13);
  EXPECT_EQ(g.u, 41);
  EXPECT_EQ(g.R, 82);
  EXPECT_EQ(g.principal, (Point{83, 97}));
  EXPECT_EQ(g.rotated, (Point{249, 97}));
  EXPECT_EQ(g.origin, (Point{33, 293}));
  EXPECT_EQ(g.centre, (Point{156, 293}));
  EXPECT_EQ(g.pole, (Point{238, 293}));
  // The element's stresses are integer quotients of W, so S1 is not 5 S3;
  // the circle has its own unit: sigma 3 = u and sigma 1 = 5u exactly.
  EXPECT_NE(g.S1, 5 * g.S3);
  EXPECT_EQ(g.centre.x - g.R - g.origin.x, g.u);
  EXPECT_EQ(g.pole.x - g.origin.x, 5 * g.u);
}

TEST(H51Geometry, StressesAndPointsAsTheElementTurns) {
  struct Case {
    const char* name;
    double angle;
    double sxx, syy, t;
    Point blue, red;
  };
  const Case cases[] = {
      // Unturned: the principal stresses, the blue point on the pole.
      {"start", 0, 13, 66, 0, {238, 293}, {74, 293}},
      // An eighth of a turn: the largest shear, the points at top and bottom.
      {"eighth", kQuarter / 2, 39.5, 39.5, 26.5, {156, 211}, {156, 375}},
      // A quarter turn: the normal stresses have exchanged.
      {"quarter", kQuarter, 66, 13, 0, {74, 293}, {238, 293}},
      {"three eighths", 3 * kQuarter / 2, 39.5, 39.5, -26.5, {156, 375}, {156, 211}},
      {"half", 2 * kQuarter, 13, 66, 0, {238, 293}, {74, 293}},
  };
  for (const Case& c : cases) {
    const MohrGeometry g = MohrLayout(kW, kH, c.angle);
    // The lesson's pi is 3.1415926, so the turns are a little short.
    EXPECT_NEAR(g.sxx, c.sxx, 1e-4) << c.name;
    EXPECT_NEAR(g.syy, c.syy, 1e-4) << c.name;
    EXPECT_NEAR(g.t, c.t, 1e-4) << c.name;
    EXPECT_EQ(g.blue, c.blue) << c.name << ": blue at " << at(g.blue);
    EXPECT_EQ(g.red, c.red) << c.name << ": red at " << at(g.red);
  }
}

TEST(H51Geometry, TurnedSquareAtStartIsThePrincipalSquare) {
  const MohrGeometry g = MohrLayout(kW, kH, 0);
  const std::array<Point, 4> p = TurnedSquare(g, g.rotated, g.a);
  EXPECT_EQ(p[0], (Point{229, 117}));
  EXPECT_EQ(p[1], (Point{269, 117}));
  EXPECT_EQ(p[2], (Point{269, 77}));
  EXPECT_EQ(p[3], (Point{229, 77}));
  const std::array<Point, 4> m = FaceCentres(p);
  EXPECT_EQ(m[0], (Point{249, 117}));
  EXPECT_EQ(m[1], (Point{269, 97}));
  EXPECT_EQ(m[2], (Point{249, 77}));
  EXPECT_EQ(m[3], (Point{229, 97}));
}

double lengthOf(const MohrArrow& a) {
  return std::hypot(a.to.x - a.from.x, a.to.y - a.from.y);
}

TEST(H51Geometry, ShearArrowsShrinkNearEachQuarterTurn) {
  // Ticks around 0, 1/4, 1/2 and 3/4 of a turn (314, 628 and 942 ticks).
  for (int tick : {0, 3, 308, 314, 320, 622, 628, 634, 936, 942, 948, 1254}) {
    const MohrGeometry g = MohrLayout(kW, kH, tick * kMohrStep);
    for (const MohrArrow& a : ShearArrows(g)) {
      EXPECT_LE(lengthOf(a), 5.0) << "tick " << tick;
      ArrowHead head;
      EXPECT_FALSE(ArrowHeadEnds(a.from.x, a.from.y, a.to.x, a.to.y, false, head))
          << "tick " << tick;
    }
  }
  // Right after the start they have no length at all.
  for (const MohrArrow& a : ShearArrows(MohrLayout(kW, kH, 0))) EXPECT_EQ(a.from, a.to);
}

// The moment of an arrow about the turned element's centre (screen axes).
int momentOf(const MohrGeometry& g, const MohrArrow& a) {
  const int rx = a.from.x - g.rotated.x, ry = a.from.y - g.rotated.y;
  return rx * (a.to.y - a.from.y) - ry * (a.to.x - a.from.x);
}

TEST(H51Geometry, ShearArrowsFormOpposingCouplesThatTurnWithTheShear) {
  // Bottom and top form one couple, right and left the opposite one, so the
  // element is in equilibrium; a negative shear turns both round.
  struct Case {
    double angle;
    int sign;  // of t
  };
  for (const Case& k : {Case{kQuarter / 2, 1}, Case{3 * kQuarter / 2, -1},
                        Case{5 * kQuarter / 2, 1}, Case{7 * kQuarter / 2, -1}}) {
    const MohrGeometry g = MohrLayout(kW, kH, k.angle);
    ASSERT_EQ(g.t > 0 ? 1 : -1, k.sign);
    const std::array<MohrArrow, 4> shear = ShearArrows(g);
    for (int face = 0; face < 4; ++face) {
      EXPECT_GT(lengthOf(shear[face]), 20) << k.angle << " face " << face;
      const int expected = (face % 2 == 0 ? -1 : 1) * k.sign;
      EXPECT_EQ(momentOf(g, shear[face]) > 0 ? 1 : -1, expected) << k.angle << " face " << face;
    }
  }
}

// --------------------------------------------------------------- figure

TEST(H51Figure, WhiteFigureWithABlackBorder) {
  const Canvas c = figureAt(0);
  ASSERT_EQ(c.Width(), kW);
  ASSERT_EQ(c.Height(), kH);
  for (Point p : {Point{0, 200}, Point{331, 200}, Point{150, 389}, Point{331, 389}})
    EXPECT_EQ(c.Pixel(p.x, p.y), clBlack) << at(p);
  for (Point p : {Point{1, 200}, Point{330, 200}, Point{150, 388}, Point{160, 150}})
    EXPECT_EQ(c.Pixel(p.x, p.y), clWhite) << at(p);
}

TEST(H51Figure, PrincipalElement) {
  const Canvas c = figureAt(0);
  // The yellow square with its black outline.
  EXPECT_EQ(c.Pixel(83, 97), clYellow);
  EXPECT_EQ(c.Pixel(64, 78), clYellow);
  EXPECT_EQ(c.Pixel(102, 116), clYellow);
  for (Point p : {Point{63, 77}, Point{103, 77}, Point{103, 117}, Point{63, 117}})
    EXPECT_EQ(c.Pixel(p.x, p.y), clBlack) << at(p);
  EXPECT_EQ(c.Pixel(62, 90), clWhite);
  // The green arrows run from their tails up to the faces.
  for (Point p : {Point{83, 181}, Point{83, 150}, Point{83, 11}, Point{83, 50}, Point{116, 97},
                  Point{104, 97}, Point{50, 97}, Point{62, 97}})
    EXPECT_EQ(c.Pixel(p.x, p.y), clGreen) << at(p);
  EXPECT_EQ(c.Pixel(83, 10), clWhite);
  EXPECT_EQ(c.Pixel(117, 97), clWhite);
  EXPECT_EQ(c.Pixel(49, 97), clWhite);
  // The head of the right arrow: strokes back from the tip at (103, 97).
  EXPECT_EQ(c.Pixel(105, 96), clGreen);
  EXPECT_EQ(c.Pixel(105, 98), clGreen);
}

// The colour classes of the element pictures: arrows of any colour count as
// one class, so the green principal element and the blue and red turned one
// can be compared.
char classOf(long long pixel) {
  switch (pixel) {
    case clWhite: return '.';
    case clYellow: return 'y';
    case clBlack: return 'k';
    case clGreen:
    case clBlue:
    case clRed: return 'a';
    default: return '?';
  }
}

TEST(H51Figure, AtTheStartTheTurnedElementIsThePrincipalOne) {
  const Canvas c = figureAt(0);
  const MohrGeometry g = MohrLayout(kW, kH, 0);
  const int shift = g.rotated.x - g.principal.x;
  // The element with its arrows, without the labels (which differ).
  for (int y = 12; y <= 177; ++y)
    for (int x = g.principal.x - 32; x <= g.principal.x + 35; ++x)
      ASSERT_EQ(classOf(c.Pixel(x, y)), classOf(c.Pixel(x + shift, y)))
          << at({x, y}) << " against " << at({x + shift, y}) << "\n"
          << test::Ascii(c, g.rotated.x - 40, 70, g.rotated.x + 40, 125);
  // The vertical arrows are the blue ones, the horizontal ones red.
  EXPECT_EQ(c.Pixel(249, 150), clBlue);
  EXPECT_EQ(c.Pixel(249, 40), clBlue);
  EXPECT_EQ(c.Pixel(275, 97), clRed);
  EXPECT_EQ(c.Pixel(222, 97), clRed);
}

TEST(H51Figure, AQuarterTurnExchangesTheNormalStresses) {
  const Canvas c = figureAt(kQuarter);
  // syy = S3 = 13 now acts on the faces that point sideways: the blue arrows
  // are short and horizontal, the red ones long and vertical.
  EXPECT_EQ(c.Pixel(282, 97), clBlue);
  EXPECT_EQ(c.Pixel(283, 97), clWhite);
  EXPECT_EQ(c.Pixel(216, 97), clBlue);
  EXPECT_EQ(c.Pixel(249, 182), clRed);
  EXPECT_EQ(c.Pixel(249, 12), clRed);
  EXPECT_EQ(c.Pixel(249, 184), clWhite);
}

TEST(H51Figure, StressPoints) {
  struct Case {
    const char* name;
    double angle;
    Point blue, red;
  };
  const Case cases[] = {
      {"start: blue on the pole, red at the left end", 0, {238, 293}, {74, 293}},
      {"quarter turn: blue at the left end", kQuarter, {74, 293}, {238, 293}},
      {"eighth: blue on top", kQuarter / 2, {156, 211}, {156, 375}},
  };
  for (const Case& k : cases) {
    const Canvas c = figureAt(k.angle);
    // A disc fills the box from (x - 3, y - 3) to (x + 2, y + 2) with a black
    // rim; the pixel left of and above the centre is inside, clear of the
    // construction lines through the centre.
    EXPECT_EQ(c.Pixel(k.blue.x - 1, k.blue.y - 1), clBlue) << k.name << "\n"
        << test::Ascii(c, k.blue.x - 5, k.blue.y - 5, k.blue.x + 6, k.blue.y + 6);
    EXPECT_EQ(c.Pixel(k.red.x - 1, k.red.y - 1), clRed) << k.name << "\n"
        << test::Ascii(c, k.red.x - 5, k.red.y - 5, k.red.x + 6, k.red.y + 6);
    EXPECT_EQ(c.Pixel(k.blue.x - 3, k.blue.y - 1), clBlack) << k.name;
    EXPECT_EQ(c.Pixel(k.blue.x - 5, k.blue.y - 1), clWhite) << k.name;
  }
}

TEST(H51Figure, CircleExtremePoints) {
  // At the start the top and bottom are clear; at an eighth of a turn the
  // left and right ends are (the stress points sit at the others).
  struct Case {
    double angle;
    Point on, outside, inside;
  };
  const Case cases[] = {
      {0, {156, 211}, {156, 210}, {156, 212}},
      {0, {156, 375}, {156, 376}, {156, 374}},
      {0, {155, 211}, {155, 210}, {155, 212}},
      {kQuarter / 2, {74, 292}, {73, 292}, {75, 292}},
      {kQuarter / 2, {74, 294}, {73, 294}, {75, 294}},
      {kQuarter / 2, {238, 290}, {239, 290}, {237, 290}},
      {kQuarter / 2, {238, 296}, {239, 296}, {236, 296}},
  };
  for (const Case& k : cases) {
    const Canvas c = figureAt(k.angle);
    const std::string picture =
        test::Ascii(c, k.on.x - 4, k.on.y - 4, k.on.x + 5, k.on.y + 5);
    EXPECT_EQ(c.Pixel(k.on.x, k.on.y), clBlack) << at(k.on) << "\n" << picture;
    EXPECT_EQ(c.Pixel(k.outside.x, k.outside.y), clWhite) << at(k.outside) << "\n" << picture;
    EXPECT_EQ(c.Pixel(k.inside.x, k.inside.y), clWhite) << at(k.inside) << "\n" << picture;
  }
}

TEST(H51Figure, DottedConstructionLinesLeaveWhiteGaps) {
  // At the start all four construction lines lie on the sigma axis: inside
  // the circle the solid axis shows every other pixel, the gaps white.
  const Canvas c = figureAt(0);
  for (int x = 80; x < 236; x += 2) {
    ASSERT_EQ(c.Pixel(x, 293), clBlack) << x;
    ASSERT_EQ(c.Pixel(x + 1, 293), clWhite) << x + 1;
  }
  // Outside the circle the axis is solid.
  for (int x = 34; x < 71; ++x) ASSERT_EQ(c.Pixel(x, 293), clBlack) << x;
}

TEST(H51Figure, TurnedAxesAtThePole) {
  // Unturned: the x-direction runs right along the sigma axis and beyond its
  // end, the y-direction straight up; both are R = 82 long.
  const Canvas c = figureAt(0);
  for (int x = 300; x < 320; ++x) EXPECT_EQ(c.Pixel(x, 293), clBlack) << x;
  EXPECT_EQ(c.Pixel(320, 292), clWhite);
  for (int y = 212; y < 292; ++y) EXPECT_EQ(c.Pixel(238, y), clBlack) << y;
  // The head of the y-direction at (238, 211), strokes back to (236, 216) and (240, 216).
  EXPECT_EQ(c.Pixel(237, 213), clBlack);
  EXPECT_EQ(c.Pixel(239, 213), clBlack);
  // An eighth of a turn: the x-direction points up and right to (296, 235).
  const Canvas e = figureAt(kQuarter / 2);
  for (int i = 1; i < 58; ++i) EXPECT_EQ(e.Pixel(238 + i, 293 - i), clBlack) << i;
  EXPECT_EQ(e.Pixel(297, 234), clWhite);
}

// Where a label's own black pixels must appear: the text drawn alone on a
// white canvas in its face, shifted to (x, y).
struct Label {
  const char* what;
  double angle;
  int x, y;
  const char* family;
  const char* text;
};

void expectLabel(const Canvas& figure, const Label& l) {
  Canvas alone;
  alone.SetSize(40, 24);
  alone.Font.Name = QString::fromLatin1(l.family);
  alone.TextOut(0, 0, QString::fromLatin1(l.text));
  int ink = 0;
  for (int y = 0; y < alone.Height(); ++y)
    for (int x = 0; x < alone.Width(); ++x) {
      if (alone.Pixel(x, y) != clBlack) continue;
      const long long shown = figure.Pixel(l.x + x, l.y + y);
      if (shown < 0) continue;  // clipped by the figure's edge
      ++ink;
      ASSERT_EQ(shown, clBlack) << l.what << " \"" << l.text << "\" pixel " << at({x, y}) << "\n"
                                << test::Ascii(figure, l.x - 2, std::max(l.y, 0) - 2, l.x + 16,
                                               l.y + 16);
    }
  EXPECT_GT(ink, 3) << l.what << ": nothing of it is shown";
}

TEST(H51Figure, LabelsAtTheirOffsets) {
  const char* S = kSymbolFamily;
  const char* M = kSansFamily;
  const Label labels[] = {
      // Principal element: label points 11 pixels beyond the tails.
      {"bottom sigma 1", 0, 75, 178, S, "s"},     {"bottom sigma 1", 0, 81, 182, M, "1"},
      {"right sigma 3", 0, 119, 91, S, "s"},      {"right sigma 3", 0, 125, 95, M, "3"},
      {"top sigma 1", 0, 75, -6, S, "s"},         {"top sigma 1", 0, 81, -2, M, "1"},
      {"left sigma 3", 0, 37, 91, S, "s"},        {"left sigma 3", 0, 43, 95, M, "3"},
      // Turned element, unturned: syy + 11 = 77 and sxx + 11 = 24 beyond the faces.
      {"bottom syy", 0, 241, 188, S, "s"},        {"bottom syy", 0, 247, 190, M, "yy"},
      {"right sxx", 0, 285, 91, S, "s"},          {"right sxx", 0, 291, 93, M, "xx"},
      {"top syy", 0, 241, -6, S, "s"},            {"top syy", 0, 247, -4, M, "yy"},
      {"left sxx", 0, 197, 91, S, "s"},           {"left sxx", 0, 203, 93, M, "xx"},
      // A quarter turn: syy is 13 + 11 = 24 beyond the faces that point sideways.
      {"turned syy", kQuarter, 285, 91, S, "s"},  {"turned syy", kQuarter, 291, 93, M, "yy"},
      {"turned sxx", kQuarter, 241, 188, S, "s"}, {"turned sxx", kQuarter, 247, 190, M, "xx"},
      // Axes.
      {"sigma axis", 0, 303, 279, S, "s"},        {"sigma axis", 0, 309, 281, M, "xx"},
      {"sigma axis", 0, 303, 295, S, "s"},        {"sigma axis", 0, 309, 297, M, "yy"},
      {"upper axis", 0, 37, 209, S, "s"},         {"upper axis", 0, 43, 211, M, "yx"},
      {"lower axis", 0, 37, 365, S, "s"},         {"lower axis", 0, 43, 367, M, "xy"},
      // Turned axes at the pole: 1.1 R beyond it.
      {"pole x", 0, 326, 287, M, "x"},            {"pole y", 0, 236, 197, M, "y"},
      {"pole x, eighth", kQuarter / 2, 300, 223, M, "x"},
      {"pole y, eighth", kQuarter / 2, 172, 223, M, "y"},
  };
  for (const Label& l : labels) expectLabel(figureAt(l.angle), l);
}

TEST(H51Figure, SigmaIsGreek) {
  // The label face shows a sigma, not the Latin letter.
  Canvas greek, latin;
  for (Canvas* c : {&greek, &latin}) c->SetSize(20, 20);
  greek.Font.Name = QString::fromLatin1(kSymbolFamily);
  greek.TextOut(0, 0, QStringLiteral("s"));
  latin.TextOut(0, 0, QStringLiteral("s"));
  EXPECT_NE(greek.Image(), latin.Image());
  EXPECT_EQ(SymbolText(QStringLiteral("s")), QString(QChar(0x03C3)));
}

// ----------------------------------------------------------------- pane

TEST(H51Pane, LinesAndRuns) {
  test::SharedCourse();
  TheoryPane& pane = *test::SharedCourse().Lesson(kMohrLesson).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  const QStringList expected = {
      QStringLiteral("Mohr's Circle."),
      QStringLiteral(" "),
      QString::fromUtf8(
          "In a plane the state of stress in a certain point is defined by the quantities "
          "σxx, σyy, σxy and σyx.  The stresses on a pair of rotated planes can be determined "
          "from the conditions of equilibrium of an elementary triangle. "),
      QStringLiteral(" "),
      QStringLiteral("The stresses can be represented graphically using Mohr's circle. Two points "
                     "located diametrically on the circle define the stress components on two "
                     "perpendicular planes."),
      QStringLiteral(" "),
      QString::fromUtf8(
          "In the figure it has been assumed that the horizontal and vertical directions are the "
          "principal directions of stress. The major principal stress (σ1) acts in vertical "
          "direction, and its magnitude is 5 times the minor principal stress (σ3)."),
      QStringLiteral(" "),
      QStringLiteral("Note that in soil mechanics the sign convention for stresses is opposite "
                     "to the one usually applied in structural mechanics: compressive stresses "
                     "are considered positive, and a shear stress is considered positive when "
                     "it acts in the negative coordinate direction on a plane whose outward "
                     "normal points in the positive coordinate direction."),
  };
  ASSERT_EQ(lines.size(), expected.size()) << lines.join(QLatin1Char('|')).toStdString();
  for (qsizetype i = 0; i < expected.size(); ++i)
    EXPECT_EQ(lines[i].toStdString(), expected[i].toStdString()) << "line " << i + 1;

  // Greek sigmas in Symbol 10 pt; their indices in Garamond at the default
  // 8 pt, two letters each in the third line.
  const std::string dressing[] = {
      "",
      "",
      "79:σ:Symbol:10 80:x:Garamond:8 81:x:Garamond:8 84:σ:Symbol:10 85:y:Garamond:8 "
      "86:y:Garamond:8 89:σ:Symbol:10 90:x:Garamond:8 91:y:Garamond:8 97:σ:Symbol:10 "
      "98:y:Garamond:8 99:x:Garamond:8",
      "",
      "",
      "",
      "146:σ:Symbol:10 147:1:Garamond:8 235:σ:Symbol:10 236:3:Garamond:8",
      "",
      "",
  };
  for (int i = 0; i < 9; ++i) EXPECT_EQ(test::Dressing(pane, i), dressing[i]) << "line " << i + 1;

  int indexRuns = 0;
  for (const TheoryPane::Run& run : pane.Runs())
    if (run.family == QLatin1String(kGaramondFamily)) {
      EXPECT_EQ(run.length, indexRuns < 4 ? 2 : 1) << "index run at " << run.start;
      ++indexRuns;
    }
  EXPECT_EQ(indexRuns, 6);
}

TEST(H51Pane, PlacedAndShownFromItsFirstLine) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kMohrLesson).RichEdit();
  EXPECT_EQ(pane.geometry(), QRect(408, 45, 332, 446));
  test::ExpectCaretAtStart(pane);
}

// --------------------------------------------------------------- window

TFH51& mohrWindow() { return dynamic_cast<TFH51&>(test::SharedCourse().Lesson(kMohrLesson)); }

// The window's drawing area, as shown.
QImage shownFigure(const LessonWindow& w) { return w.Surface().copy(10, 45, kW, kH); }

QImage expectedFigure(double angle) {
  return figureAt(angle).Image().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TEST(H51Window, CreatedWithItsCheckBoxAndAStoppedTimer) {
  const LessonEntry* entry = FindLesson("FH51");
  ASSERT_NE(entry, nullptr);
  test::SharedCourse();  // the layout
  const std::unique_ptr<LessonWindow> made = entry->make(*entry);
  auto* w = dynamic_cast<TFH51*>(made.get());
  ASSERT_NE(w, nullptr);
  EXPECT_FALSE(w->Timer()->Enabled());
  EXPECT_EQ(w->Timer()->Interval(), 100);
  QCheckBox* box = w->findChild<QCheckBox*>(QStringLiteral("CheckBox"));
  ASSERT_EQ(box, w->CheckBox());
  EXPECT_EQ(box->text(), QStringLiteral("Rotation On/Off"));
  EXPECT_TRUE(box->isChecked());
  const QPushButton* back = w->ReturnButton();
  EXPECT_EQ(box->geometry(), QRect(back->x() + back->width() + 40, back->y(), 121, 17));
  EXPECT_EQ(box->geometry(), QRect(145, 476, 121, 17));
  EXPECT_TRUE(w->PaintConnected());
}

TEST(H51Window, OpeningStartsTheTurnFromZero) {
  Course& course = test::SharedCourse();
  course.OpenLesson(kMohrLesson);
  test::Settle();
  TFH51& w = mohrWindow();
  EXPECT_TRUE(w.CheckBox()->isChecked());
  EXPECT_TRUE(w.Timer()->Enabled());
  EXPECT_EQ(w.Timer()->Interval(), 20);
  EXPECT_EQ(w.Model().ElementAngle, 0.0);
  EXPECT_EQ(shownFigure(w), expectedFigure(0));

  for (int i = 0; i < 314; ++i) w.Timer()->Fire();
  EXPECT_NEAR(w.Model().ElementAngle, 1.57, 1e-9);
  EXPECT_EQ(shownFigure(w), expectedFigure(w.Model().ElementAngle));
  // The blue point has come round to the left end of the circle.
  EXPECT_EQ(w.Surface().pixel(10 + 73, 45 + 292) & 0xFFFFFF, clBlue);

  // The way back stops the timer: no ticks while away.
  w.ReturnButtonClick();
  test::Settle();
  EXPECT_FALSE(w.Timer()->Enabled());
  w.Timer()->Fire();
  EXPECT_NEAR(w.Model().ElementAngle, 1.57, 1e-9);

  course.OpenLesson(kMohrLesson);
  test::Settle();
  EXPECT_EQ(w.Model().ElementAngle, 0.0);
  EXPECT_TRUE(w.Timer()->Running());
  EXPECT_EQ(shownFigure(w), expectedFigure(0));
  w.ReturnButtonClick();
  test::Settle();
}

TEST(H51Window, CheckBoxFreezesAndResumes) {
  Course& course = test::SharedCourse();
  course.OpenLesson(kMohrLesson);
  test::Settle();
  TFH51& w = mohrWindow();
  for (int i = 0; i < 10; ++i) w.Timer()->Fire();

  w.CheckBox()->click();
  EXPECT_FALSE(w.CheckBox()->isChecked());
  EXPECT_TRUE(w.Timer()->Enabled());
  EXPECT_EQ(w.Timer()->Interval(), 0);
  const QImage frozen = shownFigure(w);
  for (int i = 0; i < 5; ++i) w.Timer()->Fire();
  EXPECT_NEAR(w.Model().ElementAngle, 0.05, 1e-12);
  // A repaint asked by the window system draws the frozen angle again.
  w.SystemRepaint();
  test::Settle();
  EXPECT_EQ(shownFigure(w), frozen);
  EXPECT_EQ(frozen, expectedFigure(w.Model().ElementAngle));

  // The space bar checks the focused box as a click does; the turn goes on
  // from where it stood.
  QTest::keyClick(w.CheckBox(), Qt::Key_Space);
  EXPECT_TRUE(w.CheckBox()->isChecked());
  EXPECT_EQ(w.Timer()->Interval(), 20);
  w.Timer()->Fire();
  EXPECT_NEAR(w.Model().ElementAngle, 0.055, 1e-12);

  // Frozen on the way out: the next opening turns again, from zero.
  w.CheckBox()->click();
  w.ReturnButtonClick();
  test::Settle();
  course.OpenLesson(kMohrLesson);
  test::Settle();
  EXPECT_TRUE(w.CheckBox()->isChecked());
  EXPECT_TRUE(w.Timer()->Running());
  EXPECT_EQ(w.Timer()->Interval(), 20);
  EXPECT_EQ(w.Model().ElementAngle, 0.0);
  w.ReturnButtonClick();
  test::Settle();
}

TEST(H51Window, WrapsAfterAFullTurn) {
  Course& course = test::SharedCourse();
  course.OpenLesson(kMohrLesson);
  test::Settle();
  TFH51& w = mohrWindow();
  for (int i = 0; i < 1257; ++i) w.Timer()->Fire();
  EXPECT_NEAR(w.Model().ElementAngle, 0.0018148, 1e-9);
  EXPECT_EQ(shownFigure(w), expectedFigure(w.Model().ElementAngle));
  w.ReturnButtonClick();
  test::Settle();
}

}  // namespace
}  // namespace kavenor
