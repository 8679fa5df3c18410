// Bearing capacity: the strip-load picture it shares with the Brinch Hansen
// lesson (drawn here with the vertical load), its labels over repeated
// drawings, the window's activation and repaint, and the theory pane.

#include <gtest/gtest.h>

#include <QLabel>
#include <vector>

#include "course/Lessons.h"
#include "lessons/foundations/H72.h"
#include "lessons/foundations/StripLoad.h"
#include "shell/Fonts.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int W = 332, H = 195;
constexpr int kLesson = 32;
// The standard area: cx = 166, y0 = 65, yq = 55, yp = 25.
constexpr int cx = 166, y0 = 65, yq = 55, yp = 25;

Canvas Picture(StripLoadDirection direction) {
  Canvas c;
  DrawStripLoad(c, direction, W, H);
  return c;
}

struct PixelCase {
  int x, y;
  Rgb colour;
  const char* what;
};

void ExpectPixels(const Canvas& c, const std::vector<PixelCase>& cases) {
  for (const PixelCase& p : cases)
    EXPECT_EQ(c.Pixel(p.x, p.y), static_cast<long long>(p.colour))
        << p.what << " at (" << p.x << ", " << p.y << ")\n"
        << test::Ascii(c, p.x - 4, p.y - 3, p.x + 5, p.y + 4);
}

// One label as the canvas writes it: the text in its face at the canvas's
// default size, on an opaque cell of the brush colour.
QImage Label(const QString& family, const QString& text, Rgb brush) {
  Canvas c;
  c.SetSize(40, 30);
  c.Brush.Color = brush;
  c.Font.Name = family;
  c.TextOut(0, 0, text);
  return c.Image().copy(0, 0, c.TextWidth(text), c.TextHeight(text));
}

QImage Cell(const Canvas& c, int x, int y, const QImage& like) {
  return c.Image().copy(x, y, like.width(), like.height());
}

TEST(H72Figure, LevelsOfTheStandardArea) {
  const StripLoadLevels g = StripLoadGeometry(W, H);
  EXPECT_EQ(g.cx, cx);
  EXPECT_EQ(g.y0, y0);
  EXPECT_EQ(g.yq, yq);
  EXPECT_EQ(g.yp, yp);
}

TEST(H72Figure, LastSurchargeArrowIsTheFirstNotLeftOfTheEdge) {
  const struct {
    int width, last;
  } cases[] = {{W, 334}, {330, 330}, {331, 334}, {335, 338}, {6, 6}, {1, 2}};
  for (const auto& c : cases) EXPECT_EQ(LastSurchargeArrow(c.width), c.last) << c.width;
}

TEST(H72Figure, SoilSurchargeAndVerticalLoad) {
  const Canvas c = Picture(StripLoadDirection::Vertical);
  ASSERT_EQ(c.Width(), W);
  ASSERT_EQ(c.Height(), H);
  ExpectPixels(c, {
      {0, 0, clBlack, "border"},
      {1, 1, clWhite, "background"},
      {331, 100, clBlack, "right border"},
      {100, y0, clBlack, "ground surface"},
      {100, y0 + 1, clYellow, "soil"},
      {100, 193, clYellow, "soil above the bottom border"},
      {100, 194, clBlack, "bottom border"},
      // The lines closing the surcharge arrows, broken under the load.
      {0, yq, clBlack, "left surcharge line"},
      {145, yq, clBlack, "left surcharge line's end"},
      {148, yq, clWhite, "no surcharge line under the load"},
      {184, yq, clWhite, "no surcharge line under the load"},
      {187, yq, clBlack, "right surcharge line"},
      {330, yq, clBlack, "right surcharge line"},
      // The line closing the load arrows, from the first to the last.
      {145, yp, clWhite, "left of the load line"},
      {147, yp, clBlack, "load line"},
      {185, yp, clBlack, "load line"},
      {187, yp, clWhite, "right of the load line"},
      {146, yp - 1, clWhite, "above the first load arrow"},
      {148, 40, clWhite, "between two load arrows"},
      // Arrow heads: the strokes run back 5 pixels from the tip, 2 either side.
      {100, 60, clWhite, "end pixels of the head strokes of the arrows at 98 and 102"},
      {100, 61, clBlack, "head strokes of the arrows at 98 and 102"},
      {99, 62, clBlack, "head stroke next to the tip"},
      {100, 62, clWhite, "between two heads"},
  });
  // Every surcharge arrow down from yq to the surface, the ones under the
  // load included; the arrow at 334 is past the edge and the row ends at 330.
  for (int x = 2; x <= 330; x += 4)
    for (int y = yq; y < y0; ++y) ASSERT_EQ(c.Pixel(x, y), clBlack) << x << ", " << y;
  // The load arrows run 40 pixels down from yp.
  for (int x = 146; x <= 186; x += 4)
    for (int y = yp; y < y0; ++y) ASSERT_EQ(c.Pixel(x, y), clBlack) << x << ", " << y;
  EXPECT_EQ(c.Pixel(150, 40), clBlack);
  EXPECT_EQ(c.Pixel(190, 40), clWhite);
}

TEST(H72Figure, LabelsOnWhiteAndOnTheSoil) {
  const Canvas c = Picture(StripLoadDirection::Vertical);
  const QString sans = QString::fromLatin1(kSansFamily);
  const QImage q = Label(sans, QStringLiteral("q"), clWhite);
  EXPECT_EQ(Cell(c, cx - 50, yq - 16, q), q);
  EXPECT_EQ(Cell(c, cx + 50, yq - 16, q), q);
  const QImage p = Label(sans, QStringLiteral("p"), clWhite);
  EXPECT_EQ(Cell(c, cx, yp - 16, p), p);
  const QImage soilC = Label(sans, QStringLiteral("c"), clYellow);
  EXPECT_EQ(Cell(c, cx - 50, y0 + 30, soilC), soilC);
  // The gamma is the Symbol face's "g", not a Latin g.
  const QImage gamma = Label(QString::fromLatin1(kSymbolFamily), QStringLiteral("g"), clYellow);
  const QImage latin = Label(sans, QStringLiteral("g"), clYellow);
  EXPECT_EQ(Cell(c, cx - 50, y0 + 50, gamma), gamma);
  EXPECT_NE(Cell(c, cx - 50, y0 + 50, latin), latin);
}

TEST(H72Figure, LaterDrawingsStartTheirLabelsInTheSansFace) {
  // The canvas is left in the Symbol face after each drawing; the next one
  // must not write q, q and p as Greek letters.
  const Canvas first = Picture(StripLoadDirection::Vertical);
  Canvas again;
  for (int i = 0; i < 3; ++i) DrawStripLoad(again, StripLoadDirection::Vertical, W, H);
  EXPECT_EQ(again.Font.Name, QString::fromLatin1(kSymbolFamily));
  EXPECT_EQ(again.Image(), first.Image());
}

// The lesson opened from the menu; back to the menu afterwards.
struct H72Window : test::LessonWindowTest<LessonWindow, kLesson> {
  void SetUp() override { Open(); }
  static QImage Expected() { return test::AsShown(Picture(StripLoadDirection::Vertical)); }
};

TEST_F(H72Window, ShowsTheSamePictureAfterEveryActivationAndRepaint) {
  EXPECT_EQ(Window().Panel()->text().toStdString(), "Bearing capacity");
  EXPECT_EQ(Window().Timer(), nullptr);
  EXPECT_TRUE(Window().PaintConnected());
  EXPECT_EQ(Shown(), Expected());

  Repaint();
  EXPECT_EQ(Shown(), Expected());
  Window().Activate();  // the focus back from a dialog of the program
  test::Settle();
  EXPECT_EQ(Shown(), Expected());

  Leave();
  Open();
  EXPECT_EQ(Shown(), Expected());
}

TEST(H72Pane, FormulaAndCoefficientsWithTheirIndexAndGreekLetters) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLesson).RichEdit();
  const test::PaneLine expected[] = {
      {"Bearing capacity", ""},
      {" ", ""},
      {"The maximum load that a soil body can carry is called the bearing capacity. The bearing "
       "capacity of a homogeneous soil mass with a horizontal upper surface, loaded by a uniform "
       "strip load is ",
       ""},
      {"    p = c Nc + q Nq + ½ γ B Nγ,",
       "11:c:Garamond:8 18:q:Garamond:8 24:γ:Symbol:10 29:γ:Symbol:6"},
      {"where c is the cohesion, q is the surcharge on the soil next to the load, and γ is the "
       "unit weight of the soil.",
       "78:γ:Symbol:10"},
      {" ", ""},
      {"The coefficients are ", ""},
      {"    Nq = (1 + sin φ)/(1 - sin φ) exp(π tan φ),",
       "5:q:Garamond:8 18:φ:Symbol:10 30:φ:Symbol:10 37:π:Symbol:10 43:φ:Symbol:10"},
      {"    Nc = (Nq - 1) cot φ,", "5:c:Garamond:8 11:q:Garamond:8 22:φ:Symbol:10"},
      {"    Nγ = 2(Nq - 1) tan φ.", "5:γ:Symbol:6 12:q:Garamond:8 23:φ:Symbol:10"},
  };
  test::ExpectAllPaneLines(pane, expected);
  test::ExpectCaretAtStart(pane);
}

}  // namespace
}  // namespace kavenor
