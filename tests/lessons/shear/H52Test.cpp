// The stress lesson: the refresh counter, the triangle's geometry and pixels
// in the standard 332 x 195 area, the labels' places, the theory pane with
// its sigmas, indices and alphas, and the window's ticks and openings.

#include <gtest/gtest.h>


#include "course/Lessons.h"
#include "lessons/shear/H52.h"
#include "lessons/shear/Stress.h"
#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"
#include "tests/lessons/shear/ShearFigures.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

using shear_test::ExpectLabel;
using shear_test::ExpectPixels;
using shear_test::Label;
using shear_test::PixelCase;

constexpr int kW = 332, kH = 195;
constexpr int kStressLesson = 21;

Canvas Figure() {
  Canvas c;
  DrawStress(c, kW, kH);
  return c;
}

// ---------------------------------------------------------------- model

TEST(H52Model, TicksRedrawUntilTheCounterRunsOut) {
  struct Case {
    const char* name;
    bool activate;
  };
  // From creation the counter starts at 0.001, after an opening at 0: about
  // 10,000 refreshing ticks either way, then none.
  for (const Case& k : {Case{"created", false}, Case{"opened", true}}) {
    StressModel m;
    if (k.activate) {
      for (int i = 0; i < 12000; ++i) m.Tick();
      m.Activate();
      EXPECT_EQ(m.RedrawCounter, 0.0);
    }
    int drawn = 0;
    while (drawn < 20000 && m.Tick()) ++drawn;
    EXPECT_GE(drawn, 9999) << k.name;
    EXPECT_LE(drawn, 10001) << k.name;
    for (int i = 0; i < 1000; ++i) ASSERT_FALSE(m.Tick()) << k.name << ", tick " << i;
    EXPECT_LT(m.RedrawCounter, 10.002) << k.name << ": the counter stops";
    m.Activate();
    EXPECT_TRUE(m.Tick()) << k.name << ": an opening starts the refreshing again";
  }
}

// --------------------------------------------------------------- figure

TEST(H52Figure, WorkedGeometryOfTheStandardArea) {
  const StressGeometry g = StressLayout(kW, kH);
  const struct {
    const char* name;
    Point actual, expected;
  } points[] = {
      {"origin", g.O, {110, 130}},
      {"B, cos 30 x 110 = 95.3 right", g.B, {205, 130}},
      {"C, sin 30 x 110 = 55 up", g.C, {110, 75}},
      {"arc end, 27 degrees on a radius of 42", g.E, {242, 149}},
      {"middle of the inclined face", g.M, {157, 102}},
      {"normal stress tail: 27.5 - rounding, 47.6", g.S, {184, 54}},
      {"shear stress tip", g.T, {176, 111}},
      {"n label anchor: 22 percent back from (232, -27)", g.nLabel, {216, 1}},
      {"steps along the normal", {g.nx, g.ny}, {25, 43}},
      {"steps along the face", {g.tc, g.ts}, {19, 11}},
      {"face middles", {g.xm, g.ym}, {157, 102}},
  };
  for (const auto& p : points) {
    EXPECT_EQ(p.actual.x, p.expected.x) << p.name;
    EXPECT_EQ(p.actual.y, p.expected.y) << p.name;
  }
  EXPECT_EQ(g.c, 110);
  EXPECT_EQ(g.r, 55);
}

TEST(H52Figure, AxesTriangleAndArrows) {
  const Canvas c = Figure();
  ASSERT_EQ(c.Width(), kW);
  ASSERT_EQ(c.Height(), kH);
  ExpectPixels(c, {
      {0, 0, clBlack, "frame"},
      {331, 194, clBlack, "frame"},
      {1, 1, clWhite, "background"},
      // The x-axis from O to (299, 130), its head back to (294, 128) and (294, 132).
      {250, 130, clBlack, "x-axis beyond B"},
      {299, 130, clBlack, "x-axis tip"},
      {300, 130, clWhite, "beyond the x-axis tip"},
      {296, 129, clBlack, "x-axis head, upper stroke"},
      {296, 131, clBlack, "x-axis head, lower stroke"},
      // The y-axis from O up to (110, 19).
      {110, 40, clBlack, "y-axis above C"},
      {110, 19, clBlack, "y-axis tip"},
      {110, 18, clWhite, "above the y-axis tip"},
      // The yellow triangle with its right angle at O.
      {130, 120, clYellow, "inside the triangle"},
      {112, 80, clYellow, "top corner, just inside"},
      {200, 128, clYellow, "right corner, just inside"},
      {113, 68, clWhite, "above C"},
      {125, 70, clWhite, "above the inclined face"},
      {120, 131, clWhite, "below the horizontal face"},
      // sigma xx: from (60, 102) onto the vertical face.
      {60, 102, clBlack, "sigma xx tail"},
      {85, 102, clBlack, "sigma xx shaft"},
      {59, 102, clWhite, "left of the sigma xx tail"},
      // sigma xy: upwards, 2 pixels left of the face, from y 112 to 92.
      {108, 112, clBlack, "sigma xy tail"},
      {108, 92, clBlack, "sigma xy tip"},
      {108, 113, clWhite, "below the sigma xy tail"},
      {109, 97, clWhite, "between the sigma xy shaft and the face"},
      {107, 95, clBlack, "sigma xy head"},
      // sigma yy: from (157, 165) up onto the horizontal face.
      {157, 165, clBlack, "sigma yy tail"},
      {157, 150, clBlack, "sigma yy shaft"},
      {157, 166, clWhite, "below the sigma yy tail"},
      // sigma yx: to the right, 2 pixels below the face, from x 147 to 167.
      {147, 132, clBlack, "sigma yx tail"},
      {167, 132, clBlack, "sigma yx tip"},
      {146, 132, clWhite, "left of the sigma yx tail"},
      {150, 131, clWhite, "between the sigma yx shaft and the face"},
      // The arc about B: from (247, 130) down to E = (242, 149), and its head.
      {247, 130, clBlack, "arc start on the x-axis"},
      {247, 131, clBlack, "arc just below the axis"},
      {248, 131, clWhite, "outside the arc"},
      {243, 142, clBlack, "arc head, first stroke"},
      {247, 144, clBlack, "arc head, second stroke"},
  });
}

TEST(H52Figure, ArrowsOnTheInclinedFace) {
  const Canvas c = Figure();
  // sigma nn runs along the outward normal from S = (184, 54) onto M.
  ExpectPixels(c, {
      {184, 54, clBlack, "sigma nn tail"},
      {170, 78, clBlack, "sigma nn halfway"},
      {185, 54, clWhite, "beside the sigma nn tail"},
      // sigma nt along the face, from (138, 89) down to T = (176, 111).
      {138, 89, clBlack, "sigma nt tail"},
      {176, 111, clBlack, "sigma nt tip"},
      {157, 100, clBlack, "sigma nt through the raised middle"},
  });
}

TEST(H52Figure, DottedNormalAndTangent) {
  const Canvas c = Figure();
  // The normal from (232, -27) to (82, 231) and the tangent from (62, 45) to
  // (290, 177): away from the other drawings every other pixel along them is
  // black and the gaps are white, also over the yellow triangle.
  struct Stretch {
    const char* name;
    Point from, to;
  };
  const Stretch stretches[] = {
      {"normal above the face", {232, -27}, {82, 231}},
      {"tangent", {62, 45}, {290, 177}},
  };
  for (const Stretch& s : stretches) {
    int black = 0, white = 0;
    const int dx = s.to.x - s.from.x, dy = s.to.y - s.from.y;
    const int n = std::max(std::abs(dx), std::abs(dy));
    for (int i = 0; i < n; ++i) {
      const int x = s.from.x + (dx * i + (dx > 0 ? n / 2 : -n / 2)) / n;
      const int y = s.from.y + (dy * i + (dy > 0 ? n / 2 : -n / 2)) / n;
      const long long p = c.Pixel(x, y);
      black += p == clBlack;
      white += p == clWhite;
    }
    EXPECT_GT(black, n / 3) << s.name;
    EXPECT_GT(white, n / 3) << s.name;
  }
  // Where the normal crosses the triangle its gaps are white, not yellow.
  int gaps = 0, dots = 0;
  for (int y = 106; y < 128; ++y)
    for (int x = 111; x < 205; ++x) {
      gaps += c.Pixel(x, y) == clWhite;
      dots += c.Pixel(x, y) == clBlack;
    }
  EXPECT_GT(gaps, 5);
  EXPECT_GT(dots, 5);
}

TEST(H52Figure, LabelsAtTheirPlaces) {
  const Canvas c = Figure();
  const Label labels[] = {
      {"x", 302, 123, "x", false},
      {"y", 108, 5, "y", false},
      {"alpha", 236, 131, "a", true},
      {"sigma xx", 48, 102, "s", true, 54, 104, "xx"},
      {"sigma xy", 88, 82, "s", true, 94, 84, "xy"},
      {"sigma yy", 159, 157, "s", true, 165, 159, "yy"},
      {"sigma yx", 171, 131, "s", true, 177, 133, "yx"},
      {"sigma nn", 186, 50, "s", true, 192, 52, "nn"},
      {"t", 293, 170, "t", false},
      {"sigma nt", 178, 102, "s", true, 184, 104, "nt"},
  };
  for (const Label& l : labels) ExpectLabel(c, l);
  // The "n" stands at (213, -6): only its lower part is inside the picture.
  int ink = 0;
  for (int y = 0; y < 8; ++y)
    for (int x = 213; x < 221; ++x) ink += c.Pixel(x, y) == clBlack;
  EXPECT_GT(ink, 0) << test::Ascii(c, 210, 0, 224, 10);
}

TEST(H52Figure, SamePictureAtEveryDrawing) {
  Canvas c;
  DrawStress(c, kW, kH);
  const QImage first = c.Image();
  c.Pen.Color = clRed;
  c.Brush.Color = clBlue;
  c.Font.Name = QString::fromLatin1(kSymbolFamily);
  DrawStress(c, kW, kH);
  EXPECT_EQ(c.Image(), first);
}

// ----------------------------------------------------------------- pane

// The expected dressing of a line: each sigma in Symbol 10 pt with the two
// letters after it as Garamond 8 pt index letters, each alpha in Symbol at
// the default 8 pt.
std::string ExpectedDressing(const QString& line) {
  std::string out;
  const auto add = [&](qsizetype col, QChar ch, const char* style) {
    if (!out.empty()) out += ' ';
    out += std::to_string(col) + ':' + QString(ch).toStdString() + ':' + style;
  };
  for (qsizetype i = 0; i < line.size(); ++i) {
    if (line[i] == QChar(0x03C3)) {
      add(i, line[i], "Symbol:10");
      add(i + 1, line[i + 1], "Garamond:8");
      add(i + 2, line[i + 2], "Garamond:8");
      i += 2;
    } else if (line[i] == QChar(0x03B1)) {
      add(i, line[i], "Symbol:8");
    }
  }
  return out;
}

TEST(H52Pane, LinesWithTheirSigmasIndicesAndAlphas) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kStressLesson).RichEdit();
  const QStringList expected = {
      QStringLiteral("Transformation formulas."),
      QStringLiteral(" "),
      QString::fromUtf8(
          "When the stress components σxx, σxy, σyx, and σyy in a cartesian coordinate system "
          "with axes x and y are given, the stress components on a rotated plane (with axes n "
          "and t)  can be determined by considering equilibrium in the direction of the axis n "
          "or the axis t."),
      QStringLiteral(" "),
      QString::fromUtf8(
          "If the angle of the inclined plane with the x-axis is α (in the figure : 30 "
          "degrees), and the area of the inclined plane is A, the area of the horizontal plane "
          "is A cos(α), and the area of the vertical plane is A sin(α)."),
      QStringLiteral("  "),
      QString::fromUtf8(
          "The stress component σnn follows from equilibrium of forces in the n-direction :"),
      QString::fromUtf8("  σnn = σxx sin²(α) + σyy cos²(α) +"),
      QString::fromUtf8("     σxy sin(α) cos(α) + σyx cos(α) sin(α)."),
      QStringLiteral("  "),
      QString::fromUtf8(
          "The stress component σnt follows from equilibrium of forces in the t-direction :"),
      QString::fromUtf8("  σnt = σyy cos(α) sin(α) - σxx sin(α) cos(α) +"),
      QString::fromUtf8("     σxy sin²(α) - σyx cos²(α)."),
      QString(),  // the last line ends with its line break
  };
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), expected.size()) << lines.join(QLatin1Char('|')).toStdString();
  int sigmas = 0, alphas = 0;
  for (qsizetype i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(lines[i].toStdString(), expected[i].toStdString()) << "line " << i + 1;
    EXPECT_EQ(test::Dressing(pane, static_cast<int>(i)), ExpectedDressing(expected[i]))
        << "line " << i + 1;
    sigmas += static_cast<int>(expected[i].count(QChar(0x03C3)));
    alphas += static_cast<int>(expected[i].count(QChar(0x03B1)));
  }
  EXPECT_EQ(sigmas, 16);
  EXPECT_EQ(alphas, 15);
  // The superscript two and the capital A stay in the default face.
  EXPECT_EQ(test::StyleAt(pane, 7, 14).family, QStringLiteral("MS Sans Serif"));
  EXPECT_EQ(test::StyleAt(pane, 4, 105).family, QStringLiteral("MS Sans Serif"));

  EXPECT_EQ(pane.geometry(), QRect(408, 45, 332, 401));
  test::ExpectCaretAtStart(pane);
}

// --------------------------------------------------------------- window

TEST(H52Window, RefreshedByTheTicksAfterCreationAndAfterEachOpening) {
  test::SharedCourse();
  const LessonEntry& entry = *FindLesson("FH52");
  TFH52 w(entry);
  EXPECT_FALSE(w.PaintConnected());
  EXPECT_TRUE(w.Timer()->Running());
  EXPECT_EQ(w.Timer()->Interval(), 20);
  EXPECT_EQ(w.Model().RedrawCounter, 0.001);
  EXPECT_EQ(w.CanvasBitmap().Width(), 0) << "creation draws nothing";

  w.Open();
  test::Settle();
  EXPECT_EQ(w.Model().RedrawCounter, 0.0);
  EXPECT_EQ(w.CanvasBitmap().Width(), 0) << "the opening draws nothing";
  EXPECT_TRUE(w.Surface().isNull());

  w.Timer()->Fire();
  EXPECT_EQ(test::ShownArea(w, kW, kH), test::AsShown(Figure()))
      << "the first tick draws the picture";

  // Once the counter has run out, ticks draw nothing: a mark left in the
  // bitmap stays.
  for (int i = 0; i < 10010; ++i) w.Timer()->Fire();
  ASSERT_GE(w.Model().RedrawCounter, 10.0);
  w.CanvasBitmap().SetSize(3, 3);
  for (int i = 0; i < 50; ++i) w.Timer()->Fire();
  EXPECT_EQ(w.CanvasBitmap().Width(), 3);

  // Hidden and opened again: still nothing until the next tick.
  w.ReturnButtonClick();
  test::Settle();
  w.Open();
  test::Settle();
  EXPECT_EQ(w.CanvasBitmap().Width(), 3);
  w.Timer()->Fire();
  EXPECT_EQ(w.CanvasBitmap().Width(), kW);
  EXPECT_EQ(test::ShownArea(w, kW, kH), test::AsShown(Figure()));
  w.ReturnButtonClick();
  test::Settle();
}

TEST(H52Window, OpenedFromTheMenu) {
  Course& course = test::SharedCourse();
  course.OpenLesson(kStressLesson);
  test::Settle();
  LessonWindow& w = course.Lesson(kStressLesson);
  ASSERT_NE(dynamic_cast<TFH52*>(&w), nullptr);
  w.Timer()->Fire();
  EXPECT_EQ(test::ShownArea(w, kW, kH), test::AsShown(Figure()));
  w.ReturnButtonClick();
  test::Settle();
}

}  // namespace
}  // namespace kavenor
