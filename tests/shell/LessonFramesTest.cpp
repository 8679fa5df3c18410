#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <typeinfo>

#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

struct Frame {
  const char* window;
  const char* caption;
  const char* panel;
  int paneHeight;
  StoredTimer timer;
};

constexpr StoredTimer none{}, standard{true, true, 1000};

// clang-format off
const Frame kFrames[36] = {
    {"FH11", "Porosity", "Porosity", 401, none},
    {"FH12", "Density", "Density", 401, standard},
    {"FH13", "Volumetric weight", "Volumetric weight", 401, standard},
    {"FH14", "Water content", "Water content", 451, standard},
    {"FH21", "Effective stress", "Effective stress", 401, none},
    {"FH22", "Deformation of soils", "Deformation of soils", 470, standard},
    {"FH23", "Soil under water", "Soil under water", 470, standard},
    {"FH24", "Archimedes", "Archimedes", 470, none},
    {"FH25", "Terzaghi", "Terzaghi", 470, none},
    {"FH31", "Darcy", "Darcy", 401, {true, true, 100}},
    {"FH32", "Liquefaction", "Liquefaction", 401, standard},
    {"FH33", "Continuity", "Continuity", 401, {true, true, 100}},
    {"FH34", "Flow to a well", "Flow to a well", 401, none},
    {"FH35", "Vertical flow in a layer", "Vertical flow in a layer", 401, none},
    {"FH41", "Oedometer", "Oedometer", 401, none},
    {"FH42", "Compressibility", "Compressibility", 401, none},
    {"FH43", "Creep", "Creep", 415, none},
    {"FH44", "Consolidation", "Consolidation", 441, standard},
    {"FH45", "Numerical solution", "Numerical solution", 241, standard},
    {"FH51", "Mohr", "Mohr", 446, {true, false, 100}},
    {"FH52", "Stress", "Stress", 401, standard},
    {"FH53", "Triaxial test", "Triaxial test", 401, standard},
    {"FH54", "Drained test", "Drained test", 401, standard},
    {"FH55", "Undrained test", "Undrained test", 401, standard},
    {"FH61", "Continua", "Continua", 428, none},
    {"FH62", "Layered soil", "Layered soil", 401, none},
    {"FH63", "Rankine", "Rankine", 401, none},
    {"FH64", "Coulomb Active", "Coulomb Active", 470, standard},
    {"FH65", "Coulomb Passive", "Coulomb Passive", 470, standard},
    {"FH66", "Sheet pile wall", "Sheet pile wall", 336, standard},
    {"FH71", "Limit analysis", "Limit analysis", 401, {true, true, 500}},
    {"FH72", "Bearing capacity", "Bearing capacity", 401, none},
    {"FH73", "Brinch Hansen", "Brinch Hansen", 470, none},
    {"FH74", "Cone Penetration Test", "Cone Penetration Test", 401, standard},
    {"FH75", "Cone resistance", "Cone Resistance", 280, none},
    {"FH76", "Centrifuge", "Centrifuge", 470, standard},
};
// clang-format on

TEST(LessonFrames, EveryWindowHasItsCaptionPaneAndStoredTimer) {
  Course& course = test::SharedCourse();
  for (int n = 1; n <= 36; ++n) {
    const Frame& f = kFrames[n - 1];
    LessonWindow& w = course.Lesson(n);
    SCOPED_TRACE(f.window);
    EXPECT_EQ(w.objectName(), f.window);
    EXPECT_EQ(w.Entry().number, n);
    EXPECT_EQ(w.windowTitle(), f.caption);
    EXPECT_EQ(w.Panel()->text(), f.panel);
    EXPECT_EQ(w.Panel()->geometry(), QRect(0, 0, w.width(), 32));
    EXPECT_EQ(w.ReturnButton()->text(), "Menu");
    EXPECT_EQ(w.ReturnButton()->geometry(), QRect(10, 476, 95, 28));
    EXPECT_EQ(QRect(w.ReturnSpeed()->mapTo(&w, QPoint(0, 0)), w.ReturnSpeed()->size()),
              QRect(w.width() - 32, 4, 22, 22));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_FALSE(w.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w.windowFlags() & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(w.font().bold());
    EXPECT_FALSE(w.RichEdit()->isReadOnly());

    const StoredTimer& stored = w.Entry().timer;
    EXPECT_EQ(stored.exists, f.timer.exists);
    EXPECT_EQ(stored.enabled, f.timer.enabled);
    EXPECT_EQ(stored.interval, f.timer.interval);
    EXPECT_EQ(w.Timer() != nullptr, f.timer.exists);
    if (typeid(w) == typeid(LessonWindow) && w.Timer()) {
      // A frame without a lesson of its own keeps its stored timer.
      EXPECT_EQ(w.Timer()->Enabled(), f.timer.enabled);
      EXPECT_EQ(w.Timer()->Interval(), f.timer.interval);
    }
  }
}

TEST(LessonFrames, PaneSitsRightOfTheDrawingAreaWithTheHeightOfItsRow) {
  Course& course = test::SharedCourse();
  for (int n = 1; n <= 36; ++n) {
    const Frame& f = kFrames[n - 1];
    LessonWindow& w = course.Lesson(n);
    SCOPED_TRACE(f.window);
    // Two panes are placed by the paint handler, one again on activation.
    course.OpenLesson(n);
    w.SystemRepaint();
    test::Settle();
    EXPECT_EQ(w.RichEdit()->geometry(), QRect(408, 45, 332, f.paneHeight));
    EXPECT_EQ(PaneHeight(w.Entry().pane, Layout()), f.paneHeight);
    w.ReturnButtonClick();
  }
}

}  // namespace
}  // namespace kavenor
