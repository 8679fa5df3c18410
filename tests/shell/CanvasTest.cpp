#include <gtest/gtest.h>

#include "shell/Canvas.h"
#include "shell/Fonts.h"
#include "shell/Primitives.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

// A 10 x 10 white bitmap with a black pen and a white brush.
class CanvasTest : public ::testing::Test {
 protected:
  void SetUp() override {
    c.SetSize(10, 10);
    c.Brush.Color = clWhite;
    c.FillRect(0, 0, 10, 10);
  }
  std::string ascii() const { return test::Ascii(c, 0, 0, 10, 10); }
  Canvas c;
};

TEST_F(CanvasTest, RectangleLeavesOutItsRightAndBottomEdges) {
  c.Brush.Color = clYellow;
  c.Rectangle(2, 3, 6, 7);
  EXPECT_EQ(ascii(),
            "..........\n"
            "..........\n"
            "..........\n"
            "..kkkk....\n"
            "..kyyk....\n"
            "..kyyk....\n"
            "..kkkk....\n"
            "..........\n"
            "..........\n"
            "..........\n");
}

TEST_F(CanvasTest, FillRectAndAClearPenPaintTheSamePixelsAsTheOutline) {
  c.Brush.Color = clBlue;
  c.FillRect(1, 1, 3, 4);
  c.Pen.Style = PenStyle::Clear;
  c.Rectangle(5, 1, 7, 4);
  EXPECT_EQ(test::Ascii(c, 0, 0, 8, 5),
            "........\n"
            ".bb..bb.\n"
            ".bb..bb.\n"
            ".bb..bb.\n"
            "........\n");
}

TEST_F(CanvasTest, LinesLeaveOutTheirEndPixel) {
  struct Case {
    Point from, to;
    std::vector<Point> painted;
  };
  const Case cases[] = {
      {{1, 1}, {5, 1}, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
      {{5, 5}, {5, 2}, {{5, 5}, {5, 4}, {5, 3}}},
      {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
      {{0, 0}, {4, 2}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
      {{2, 2}, {2, 2}, {}},
  };
  for (const Case& k : cases) {
    SetUp();
    c.MoveTo(k.from.x, k.from.y);
    c.LineTo(k.to.x, k.to.y);
    int black = 0;
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) black += c.Pixel(x, y) == clBlack;
    EXPECT_EQ(black, static_cast<int>(k.painted.size())) << ascii();
    for (const Point& p : k.painted) EXPECT_EQ(c.Pixel(p.x, p.y), clBlack) << ascii();
    EXPECT_EQ(c.PenPos(), k.to);
  }
}

TEST_F(CanvasTest, DottedLinePaintsEveryOtherPixelWithBrushColouredGaps) {
  c.Brush.Color = clYellow;
  c.Pen.Style = PenStyle::Dot;
  c.MoveTo(0, 1);
  c.LineTo(7, 1);
  c.Brush.Style = BrushStyle::Clear;
  c.MoveTo(0, 3);
  c.LineTo(7, 3);
  EXPECT_EQ(test::Ascii(c, 0, 0, 8, 4),
            "........\n"
            "kykykyk.\n"
            "........\n"
            "k.k.k.k.\n");
}

TEST_F(CanvasTest, AClearPenDrawsNoOutline) {
  c.Pen.Style = PenStyle::Clear;
  c.MoveTo(0, 0);
  c.LineTo(9, 9);
  c.Brush.Color = clRed;
  const Point triangle[] = {{1, 1}, {8, 1}, {1, 8}};
  c.Polygon(triangle);
  c.Ellipse(0, 0, 4, 4);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_NE(c.Pixel(x, y), clBlack) << ascii();
}

TEST_F(CanvasTest, WidePenStampsASquare) {
  c.Pen.Width = 3;
  c.MoveTo(5, 2);
  c.LineTo(5, 6);
  EXPECT_EQ(test::Ascii(c, 3, 0, 8, 8),
            ".....\n"
            ".kkk.\n"
            ".kkk.\n"
            ".kkk.\n"
            ".kkk.\n"
            ".kkk.\n"
            ".kkk.\n"
            ".....\n");
}

TEST_F(CanvasTest, PolygonFillsPixelCentresInsideThenOutlinesClosed) {
  c.Brush.Color = clYellow;
  const Point box[] = {{2, 2}, {6, 2}, {6, 5}, {2, 5}};
  c.Polygon(box);
  // The outline runs through every vertex, so a polygon covers one pixel more
  // to the right and below than the rectangle of the same corners.
  EXPECT_EQ(test::Ascii(c, 0, 0, 8, 7),
            "........\n"
            "........\n"
            "..kkkkk.\n"
            "..kyyyk.\n"
            "..kyyyk.\n"
            "..kkkkk.\n"
            "........\n");
  c.Pen.Style = PenStyle::Clear;
  c.Brush.Color = clBlue;
  c.Polygon(box);
  EXPECT_EQ(c.Pixel(2, 2), clBlue);
  EXPECT_EQ(c.Pixel(5, 4), clBlue);
  EXPECT_EQ(c.Pixel(6, 4), clBlack);  // the old outline, beyond the fill
  EXPECT_EQ(c.Pixel(5, 5), clBlack);
}

TEST_F(CanvasTest, EllipseStaysInsideItsBoxWithAnOutlinedRim) {
  c.Brush.Color = clBlue;
  c.Ellipse(1, 1, 8, 8);
  EXPECT_EQ(test::Ascii(c, 0, 0, 9, 9),
            ".........\n"
            "...kkk...\n"
            "..kbbbk..\n"
            ".kbbbbbk.\n"
            ".kbbbbbk.\n"
            ".kbbbbbk.\n"
            "..kbbbk..\n"
            "...kkk...\n"
            ".........\n");
}

TEST_F(CanvasTest, BoxCornersMayComeInEitherOrder) {
  Canvas straight;
  straight.SetSize(10, 10);
  straight.Brush.Color = clRed;
  straight.Rectangle(2, 3, 7, 8);
  straight.Ellipse(0, 0, 4, 5);
  straight.FillRect(8, 0, 10, 2);
  c.Brush.Color = clRed;
  c.Rectangle(7, 8, 2, 3);
  c.Ellipse(4, 0, 0, 5);
  c.FillRect(10, 2, 8, 0);
  EXPECT_EQ(c.Image(), straight.Image()) << ascii();
}

TEST_F(CanvasTest, DrawingOutsideTheBitmapIsClipped) {
  c.Brush.Color = clRed;
  c.Rectangle(-5, -5, 3, 3);
  c.MoveTo(-20, 5);
  c.LineTo(30, 5);
  c.Ellipse(8, 8, 14, 14);
  EXPECT_EQ(c.Pixel(0, 0), clRed);
  EXPECT_EQ(c.Pixel(2, 2), clBlack);
  EXPECT_EQ(c.Pixel(9, 5), clBlack);
  EXPECT_EQ(c.Pixel(-1, 0), -1);
  EXPECT_EQ(c.Pixel(10, 0), -1);
}

TEST(CanvasText, IsDrawnOnAnOpaqueBackgroundFromTheTopLeftOfItsCell) {
  Canvas c;
  c.SetSize(60, 30);
  c.Brush.Color = clYellow;
  c.TextOut(10, 5, QStringLiteral("Ag"));
  const int w = c.TextWidth(QStringLiteral("Ag")), h = c.TextHeight(QStringLiteral("Ag"));
  ASSERT_GT(w, 0);
  EXPECT_GE(h, 11);  // an 8 pt face is 11 pixels on the 96 dpi grid
  EXPECT_EQ(c.Pixel(10, 5), clYellow);
  EXPECT_EQ(c.Pixel(10 + w - 1, 5 + h - 1), clYellow);
  EXPECT_EQ(c.Pixel(9, 5), clWhite);
  EXPECT_EQ(c.Pixel(10, 5 + h), clWhite);
  int ink = 0;
  for (int y = 5; y < 5 + h; ++y)
    for (int x = 10; x < 10 + w; ++x) ink += c.Pixel(x, y) == clBlack;
  EXPECT_GT(ink, 10);
}

TEST(CanvasText, SymbolFaceShowsGreekLetters) {
  EXPECT_EQ(SymbolText(QStringLiteral("abgdsrtfpq")), QStringLiteral("αβγδσρτφπθ"));
  EXPECT_EQ(SymbolText(QStringLiteral("JVjvW")), QStringLiteral("ϑςϕϖΩ"));
  EXPECT_EQ(SymbolText(QString(QChar(214)) + QStringLiteral("@12")), QStringLiteral("√≅12"));
  Canvas latin, greek;
  for (Canvas* c : {&latin, &greek}) {
    c->SetSize(30, 20);
    c->Font.Name = c == &greek ? QStringLiteral("Symbol") : QStringLiteral("MS Sans Serif");
    c->TextOut(2, 2, QStringLiteral("s"));
  }
  EXPECT_NE(latin.Image(), greek.Image());
  EXPECT_EQ(greek.TextWidth(QStringLiteral("s")),
            QFontMetrics([] {
              QFont f = Face(QStringLiteral("Symbol"), 8);
              f.setStyleStrategy(QFont::NoAntialias);
              return f;
            }()).horizontalAdvance(QStringLiteral("σ")));
}

// Labels are placed for the narrow Greek letters of the Symbol face: an index
// cell starting 6 pixels right of an 8 pt sigma, on an opaque brush, leaves
// every pixel of the sigma's ink as it was.
TEST(CanvasText, AnIndexCellSixPixelsRightOfASigmaLeavesItWhole) {
  Canvas alone, labelled;
  for (Canvas* c : {&alone, &labelled}) {
    c->SetSize(30, 24);
    c->Font.Name = QStringLiteral("Symbol");
    c->TextOut(4, 2, QStringLiteral("s"));
  }
  labelled.Font.Name = QStringLiteral("MS Sans Serif");
  labelled.TextOut(10, 6, QStringLiteral("3"));
  int ink = 0;
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 30; ++x)
      if (alone.Pixel(x, y) == clBlack) {
        ++ink;
        EXPECT_EQ(labelled.Pixel(x, y), clBlack) << x << ',' << y;
      }
  EXPECT_GT(ink, 5);
}

// With an origin, drawing calls take the coordinates of a larger surface: each
// paints the bitmap pixels of the same call without it, shifted by the origin.
TEST(CanvasOrigin, ShiftsEveryDrawingCallAndSetSizePutsItBack) {
  const auto draw = [](Canvas& c, int dx, int dy) {
    c.MoveTo(2 + dx, 3 + dy);
    c.LineTo(17 + dx, 9 + dy);
    c.Brush.Color = clYellow;
    c.Rectangle(4 + dx, 12 + dy, 12 + dx, 18 + dy);
    c.Polygon({{20 + dx, 2 + dy}, {28 + dx, 10 + dy}, {18 + dx, 14 + dy}});
    c.Ellipse(2 + dx, 20 + dy, 10 + dx, 27 + dy);
    c.TextOut(14 + dx, 16 + dy, QStringLiteral("Ag"));
  };
  Canvas plain, shifted;
  plain.SetSize(40, 30);
  draw(plain, 0, 0);
  shifted.SetSize(40, 30);
  shifted.SetOrigin({100, 50});
  draw(shifted, 100, 50);
  EXPECT_EQ(shifted.Image(), plain.Image());
  EXPECT_EQ(shifted.PenPos(), (Point{100 + 20, 50 + 2}));

  shifted.SetSize(40, 30);
  EXPECT_EQ(shifted.Origin(), (Point{0, 0}));
}

TEST(CanvasCopy, CopiesTheBitmapOrARectangleOfItInOneBlock) {
  Canvas c;
  c.SetSize(4, 3);
  c.Brush.Color = clBlue;
  c.FillRect(0, 0, 4, 3);
  c.Brush.Color = clRed;
  c.FillRect(1, 1, 2, 2);
  QImage target(10, 10, QImage::Format_ARGB32_Premultiplied);
  target.fill(Qt::transparent);
  c.CopyTo(target, 5, 6);
  EXPECT_EQ(target.pixel(5, 6) & 0xFFFFFF, clBlue);
  EXPECT_EQ(target.pixel(6, 7) & 0xFFFFFF, clRed);
  EXPECT_EQ(target.pixel(8, 8) & 0xFFFFFF, clBlue);
  EXPECT_EQ(qAlpha(target.pixel(9, 9)), 0);
  EXPECT_EQ(qAlpha(target.pixel(4, 6)), 0);
  c.CopyTo(target, 0, 0, 1, 1, 3, 2);
  EXPECT_EQ(target.pixel(0, 0) & 0xFFFFFF, clRed);
  EXPECT_EQ(target.pixel(1, 0) & 0xFFFFFF, clBlue);
  EXPECT_EQ(qAlpha(target.pixel(0, 1)), 0);
}

TEST(CanvasSize, ANewSizeStartsWhiteAndTheSameSizeKeepsThePicture) {
  Canvas c;
  EXPECT_EQ(c.Pixel(0, 0), -1);
  c.SetSize(3, 3);
  EXPECT_EQ(c.Pixel(2, 2), clWhite);
  c.Brush.Color = clRed;
  c.FillRect(0, 0, 3, 3);
  c.SetSize(3, 3);
  EXPECT_EQ(c.Pixel(1, 1), clRed);
  c.SetSize(-4, 2);
  EXPECT_EQ(c.Width(), 0);
  c.Rectangle(0, 0, 5, 5);  // nothing to draw on, nothing breaks
}

struct ArrowCase {
  const char* name;
  Point from, tip;
  bool wide;
  bool hasHead;
  Point left, right;
};

TEST(Arrows, HeadStrokesEndTwoPixelsEitherSideFiveBehindTheTip) {
  const ArrowCase cases[] = {
      {"length 5, no head", {0, 0}, {3, 4}, false, false, {}, {}},
      {"zero length", {4, 4}, {4, 4}, false, false, {}, {}},
      {"short to the right", {0, 0}, {6, 0}, false, true, {1, -2}, {1, 2}},
      {"to the right", {60, 50}, {100, 50}, false, true, {95, 48}, {95, 52}},
      {"to the right, wide", {60, 50}, {100, 50}, true, true, {95, 47}, {95, 53}},
      {"downwards", {50, 60}, {50, 100}, false, true, {52, 95}, {48, 95}},
      {"downwards, wide", {50, 60}, {50, 100}, true, true, {52, 94}, {48, 96}},
  };
  for (const ArrowCase& k : cases) {
    ArrowHead head;
    EXPECT_EQ(ArrowHeadEnds(k.from.x, k.from.y, k.tip.x, k.tip.y, k.wide, head), k.hasHead)
        << k.name;
    if (!k.hasHead) continue;
    EXPECT_EQ(head.left, k.left) << k.name;
    EXPECT_EQ(head.right, k.right) << k.name;
  }
}

TEST(Arrows, AreDrawnWithTheCurrentPenAndLeaveItAsItWas) {
  Canvas c;
  c.SetSize(20, 20);
  c.Pen.Color = clRed;
  DrawArrow(c, 2, 10, 14, 10);
  EXPECT_EQ(c.Pixel(2, 10), clRed);
  EXPECT_EQ(c.Pixel(13, 10), clRed);
  EXPECT_EQ(c.Pixel(12, 9), clRed);   // the head stroke from the tip up to (9, 8)
  EXPECT_EQ(c.Pixel(10, 8), clRed);
  EXPECT_EQ(c.Pixel(9, 8), clWhite);  // its end pixel left out
  EXPECT_EQ(c.Pixel(10, 12), clRed);  // ... and down to (9, 12)
  EXPECT_EQ(c.Pen.Color, clRed);
  EXPECT_EQ(c.Pen.Style, PenStyle::Solid);

  Canvas bare;
  bare.SetSize(10, 10);
  DrawArrow(bare, 1, 1, 4, 5);  // length 5: a plain line
  DrawLine(bare, 0, 9, 5, 9);
  int black = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) black += bare.Pixel(x, y) == clBlack;
  EXPECT_EQ(black, 4 + 5);
}

}  // namespace
}  // namespace kavenor
