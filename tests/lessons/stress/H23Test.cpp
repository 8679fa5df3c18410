// The soil-under-water lesson: the water rising over a sand layer that does
// not move, the Fill button, the pane and the restart on opening.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTextCursor>

#include "course/Lessons.h"
#include "lessons/composition/Cylinder.h"
#include "lessons/stress/H23.h"
#include "shell/LessonTimer.h"
#include "tests/lessons/composition/CylinderCheck.h"
#include "tests/support/LessonFixture.h"

namespace kavenor {
namespace {

using test::kGlass;
constexpr int kLessonNumber = 7;

// ------------------------------------------------------------------ model

TEST(FH23Model, TheWaterRisesEightyPixelsAfterFill) {
  RisingWaterModel m;
  m.Activate();
  EXPECT_TRUE(m.ButtonVisible);
  EXPECT_TRUE(m.ButtonEnabled);
  EXPECT_TRUE(m.AtRest());
  for (int i = 0; i < 50; ++i) EXPECT_FALSE(m.Tick());
  EXPECT_EQ(m.Count, 0) << "nothing rises before the button is pressed";

  m.Fill();
  const struct {
    int ticks, count, water;
    bool button;
  } rows[] = {{1, 1, 112, true},  {2, 2, 111, true},  {79, 79, 34, true},
              {80, 80, 33, false}, {500, 80, 33, false}};
  int done = 0;
  for (const auto& r : rows) {
    for (; done < r.ticks; ++done) m.Tick();
    SCOPED_TRACE(testing::Message() << "after tick " << r.ticks);
    const CylinderScene s = m.Scene(kGlass);
    EXPECT_EQ(m.Count, r.count);
    EXPECT_EQ(s.WaterTop, r.water);
    EXPECT_EQ(s.SandTop, 135) << "the sand never moves";
    EXPECT_FALSE(s.Falling);
    EXPECT_EQ(m.ButtonVisible, r.button);
    EXPECT_EQ(m.AtRest(), r.count == 80);
  }
}

// ----------------------------------------------------------------- figure

TEST(FH23Figure, SandUnderRisingWater) {
  for (const int count : {0, 40, 80}) {
    RisingWaterModel m;
    m.Activate();
    m.Fill();
    for (int i = 0; i < count; ++i) m.Tick();
    const Canvas c = test::Drawn(m.Scene(kGlass));
    test::ExpectLevels(c, 113 - count, 135, "water over fixed sand");
    SCOPED_TRACE(count);
    EXPECT_EQ(c.Pixel(188, 171), static_cast<long long>(clBlack)) << "graduation over the sand";
    EXPECT_EQ(c.Pixel(183, 103), static_cast<long long>(clBlack)) << "graduation";
    EXPECT_EQ(c.Pixel(238, 135), static_cast<long long>(clWhite)) << "no level marks";
  }
}

// ----------------------------------------------------------------- window

class FH23Window : public test::LessonWindowTest<TFH23, kLessonNumber> {
 protected:
  QPushButton& Button() { return *Window().ButtonFill(); }
  bool ShowsItsModel() {
    return test::ShownArea(Window()) == test::Picture(Window().Model().Scene(kGlass));
  }
};

TEST_F(FH23Window, Creation) {
  TFH23 w(*FindLesson("FH23"));
  EXPECT_EQ(w.Panel()->text(), "Soil under water");
  EXPECT_TRUE(w.PaintConnected());
  EXPECT_EQ(w.Timer()->Interval(), 1000);
  EXPECT_EQ(w.RichEdit()->geometry(), QRect(408, 45, 332, 470));
  const QPushButton& b = *w.ButtonFill();
  EXPECT_EQ(b.objectName(), "ButtonFill");
  EXPECT_EQ(b.text(), "Fill");
  EXPECT_EQ(b.geometry(), QRect(128, 235, 95, 28));
  EXPECT_TRUE(b.isHidden());
  EXPECT_FALSE(b.isEnabled());
}

TEST_F(FH23Window, FillRaisesTheWaterAndASecondPressChangesNothing) {
  Open();
  EXPECT_EQ(Window().Timer()->Interval(), 10);
  EXPECT_FALSE(Button().isHidden());
  EXPECT_TRUE(Button().isEnabled());
  EXPECT_TRUE(ShowsItsModel());

  Button().setFocus();
  Button().click();
  EXPECT_EQ(Window().focusWidget(), Window().ReturnButton());
  Fire(30);
  Button().click();
  Fire(30);
  EXPECT_EQ(Window().Model().Count, 60) << "the second press did not speed it up";
  EXPECT_TRUE(ShowsItsModel());
  Fire(19);
  EXPECT_FALSE(Button().isHidden());
  Fire(1);
  EXPECT_TRUE(Button().isHidden());
  Fire(100);
  EXPECT_EQ(Window().Model().Count, 80);
  EXPECT_TRUE(ShowsItsModel());
  Window().SystemRepaint();
  EXPECT_TRUE(ShowsItsModel());
}

TEST_F(FH23Window, ReopeningAndFocusFromADialogLowerTheWater) {
  Open();
  Button().click();
  Fire(80);
  ASSERT_TRUE(Button().isHidden());

  Window().ReturnButtonClick();
  Open();
  EXPECT_EQ(Window().Model().Count, 0);
  EXPECT_EQ(Window().Model().Filling, 0);
  EXPECT_FALSE(Button().isHidden());
  EXPECT_TRUE(ShowsItsModel());
  Fire(10);
  EXPECT_EQ(Window().Model().Count, 0) << "it rises only after Fill";

  Button().click();
  Fire(25);
  test::FocusBackFromADialog(TheCourse(), Window());
  EXPECT_EQ(Window().Model().Count, 0);
  EXPECT_FALSE(Button().isHidden());
  EXPECT_TRUE(ShowsItsModel());
}

// ------------------------------------------------------------------- pane

TEST(FH23Pane, Lines) {
  const TheoryPane& pane = *test::SharedCourse().Lesson(kLessonNumber).RichEdit();
  const QStringList lines = test::PaneLines(pane);
  ASSERT_EQ(lines.size(), 8) << lines.join('|').toStdString();
  EXPECT_EQ(lines[0], "Deformation of soft soils.");
  EXPECT_EQ(lines[1], " ");
  EXPECT_TRUE(lines[2].startsWith("The commonly accepted theory of soil deformations "));
  EXPECT_EQ(lines[3], "");
  EXPECT_TRUE(lines[4].startsWith("This means that just increasing the pressure of the fluid "));
  EXPECT_EQ(lines[5], "");
  EXPECT_TRUE(lines[6].startsWith("This is confirmed by a test in which the water level in a "
                                  "container with soil under water is increased. "));
  EXPECT_EQ(lines[7], "") << "the last line is ended";
  for (const TheoryPane::Run& run : pane.Runs()) {
    EXPECT_EQ(run.family, "MS Sans Serif") << "at " << run.start;
    EXPECT_EQ(run.size, 8) << "at " << run.start;
  }
  EXPECT_EQ(pane.textCursor().position(), pane.toPlainText().size()) << "caret left at the end";
}

}  // namespace
}  // namespace kavenor
