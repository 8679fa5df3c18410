#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>

#include "lessons/stress/H24.h"
#include "lessons/stress/UnderWater.h"
#include "tests/support/FigureTables.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

constexpr int W = 332, H = 195;
constexpr int kLessonNumber = 8;

TEST(H24Figure, WorkedGeometryOfTheStandardLayout) {
  const ArchimedesGeometry g = ArchimedesLayout(W, H);
  const test::WorkedValue cases[] = {{"yWater", g.yWater, 65}, {"left", g.left, 132}, {"right", g.right, 200},
               {"top", g.top, 97},       {"bottom", g.bottom, 130}};
  test::ExpectWorkedValues(cases);
}

TEST(H24Figure, BlockUnderWaterAtItsCoordinates) {
  Canvas c;
  DrawArchimedes(c, W, H);
  ASSERT_EQ(c.Width(), W);
  ASSERT_EQ(c.Height(), H);
  const struct {
    const char* what;
    int x, y;
    Rgb colour;
  } cases[] = {
      {"outline", 0, 0, clBlack},          {"outline", 331, 30, clBlack},
      {"air", 1, 1, clWhite},              {"air, just above the water", 100, 64, clWhite},
      {"water surface", 100, 65, clBlack}, {"water", 1, 66, clBlue},
      {"water, bottom right", 330, 193, clBlue}, {"water outline, bottom", 100, 194, clBlack},
      {"water outline, right", 331, 100, clBlack},
      {"above the block", 150, 96, clBlue}, {"block outline, top left", 132, 97, clBlack},
      {"block outline, bottom right", 199, 129, clBlack},
      {"block", 133, 98, clRed},           {"block, bottom right", 198, 128, clRed},
      {"right of the block", 200, 110, clBlue}, {"below the block", 150, 130, clBlue},
  };
  for (const auto& p : cases)
    EXPECT_EQ(c.Pixel(p.x, p.y), p.colour) << p.what << " at (" << p.x << ", " << p.y << ")";
}

class H24Window : public test::LessonWindowTest<LessonWindow, kLessonNumber> {
 protected:
  void SetUp() override { Open(); }
  TheoryPane& Pane() { return *Window().RichEdit(); }
};

TEST_F(H24Window, PaintDrawsAndPlacesAndComposesThePane) {
  EXPECT_EQ(Window().Panel()->text().toStdString(), "Archimedes");
  EXPECT_EQ(Window().Timer(), nullptr);
  EXPECT_EQ(Pane().geometry(), QRect(408, 45, 332, 470));

  Canvas expected;
  DrawArchimedes(expected, W, H);
  EXPECT_EQ(Window().Surface().copy(10, 45, W, H).convertToFormat(QImage::Format_RGB32),
            expected.Image().convertToFormat(QImage::Format_RGB32));

  const QStringList lines = test::PaneLines(Pane());
  ASSERT_EQ(lines.size(), 7) << lines.join('|').toStdString();
  const struct {
    int line;
    const char* begins;
  } cases[] = {
      {0, "Archimedes."},
      {1, " "},
      {2, "Terzaghi's effective stress principle is an application and a generalization of the "
          "principle of Archimedes for the force on a body submerged in water."},
      {3, " "},
      {4, "Archimedes' principle can be illustrated by considering a rectangular block at rest "
          "under water."},
      {5, " "},
      {6, "The forces on the left and the right sides of the block cancel."},
  };
  for (const auto& c : cases)
    EXPECT_TRUE(lines[c.line].startsWith(QString::fromUtf8(c.begins))) << c.line;
  EXPECT_EQ(lines[2].toStdString(), cases[2].begins);
  EXPECT_TRUE(lines[4].endsWith(QStringLiteral(" ."))) << lines[4].toStdString();
  for (const TheoryPane::Run& run : Pane().Runs()) {  // no restyled characters
    EXPECT_EQ(run.family.toStdString(), "MS Sans Serif");
    EXPECT_EQ(run.size, 8);
  }
  // The caret stays where the composition ended; the text fits, so the pane
  // still shows its first line.
  EXPECT_EQ(Pane().textCursor().position(), Pane().toPlainText().size());
  EXPECT_EQ(Pane().verticalScrollBar()->value(), 0);
}

TEST_F(H24Window, TypedTextIsLostOnTheNextRepaintOrActivation) {
  const QString composed = Pane().toPlainText();
  enum class Next { Repaint, Reopen, DialogFocus };
  for (const Next next : {Next::Repaint, Next::Reopen, Next::DialogFocus}) {
    SCOPED_TRACE(static_cast<int>(next));
    QTest::keyClicks(&Pane(), QStringLiteral("typed"));
    ASSERT_NE(Pane().toPlainText(), composed);
    switch (next) {
      case Next::Repaint:
        Window().SystemRepaint();
        break;
      case Next::Reopen:
        Leave();
        Open();
        break;
      case Next::DialogFocus: {
        test::FocusBackFromADialog(TheCourse(), Window());
        break;
      }
    }
    test::Settle();
    EXPECT_EQ(Pane().toPlainText(), composed);
  }
}

}  // namespace
}  // namespace kavenor
