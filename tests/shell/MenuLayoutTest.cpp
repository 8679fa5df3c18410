#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "shell/LayoutMetrics.h"
#include "shell/TowerPicture.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

TEST(Layout, RulesGiveTheFifteenValuesForTheFixedWindow) {
  const LayoutRules rules = ComputeLayout(760, 560, 32);
  const LayoutMetrics& m = rules.metrics;
  const std::pair<const char*, std::pair<int, int>> fields[] = {
      {"FormHeight", {m.FormHeight, 560}},   {"FormWidth", {m.FormWidth, 760}},
      {"PanelHeight", {m.PanelHeight, 32}},  {"SpeedTop", {m.SpeedTop, 4}},
      {"SpeedHeight", {m.SpeedHeight, 22}},  {"SpeedWidth", {m.SpeedWidth, 22}},
      {"Margin", {m.Margin, 10}},            {"ButtonWidth", {m.ButtonWidth, 95}},
      {"ButtonHeight", {m.ButtonHeight, 28}}, {"MenuColumnX", {m.MenuColumnX, 651}},
      {"ContentBottom", {m.ContentBottom, 455}}, {"AreaTop", {m.AreaTop, 45}},
      {"AreaHeight", {m.AreaHeight, 195}},   {"AreaLeft", {m.AreaLeft, 10}},
      {"AreaWidth", {m.AreaWidth, 332}},
  };
  for (const auto& [name, values] : fields) EXPECT_EQ(values.first, values.second) << name;
  EXPECT_EQ(rules.Gap, 13);
  EXPECT_EQ(rules.FirstButtonTop, 45);
}

TEST(Layout, IsWrittenByTheMenuAndReadByEveryLesson) {
  test::SharedCourse();
  EXPECT_EQ(Layout(), ComputeLayout(760, 560, 32).metrics);
}

TEST(MainMenu, WindowIsFixedLimeAndCaptionedKavenor) {
  TFMainKavenor& menu = test::SharedCourse().Menu();
  EXPECT_EQ(menu.objectName(), "FMainKavenor");
  EXPECT_EQ(menu.windowTitle(), "Kavenor");
  EXPECT_EQ(menu.minimumSize(), menu.maximumSize());
  EXPECT_EQ(menu.palette().color(QPalette::Window), QColor(0x00, 0xFF, 0x00));
  EXPECT_TRUE(menu.font().bold());
  EXPECT_EQ(menu.font().pixelSize(), 11);
  EXPECT_TRUE(menu.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(menu.windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(menu.windowFlags() & Qt::WindowMaximizeButtonHint);
  // The layout ends inside the client area.
  EXPECT_GE(menu.width(), 746);
  EXPECT_GE(menu.height(), 524);
}

TEST(MainMenu, ControlsArePlacedByTheLayout) {
  TFMainKavenor& menu = test::SharedCourse().Menu();
  const int panelWidth = menu.findChild<QLabel*>("Panel")->width();
  EXPECT_EQ(panelWidth, menu.width());
  struct Case {
    const char* name;
    QRect geometry;
  };
  const Case cases[] = {
      {"Panel", {0, 0, panelWidth, 32}},
      {"SpeedButtonEinde", {panelWidth - 32, 4, 22, 22}},
      {"SpeedButtonHelp", {panelWidth - 72, 4, 22, 22}},
      {"MemoMain", {10, 45, 232, 98}},
      {"Image", {111, 100, 315, 428}},
      {"BitBtnEinde", {10, 476, 95, 28}},
  };
  for (const Case& c : cases) {
    QWidget* w = menu.findChild<QWidget*>(c.name);
    ASSERT_TRUE(w) << c.name;
    EXPECT_EQ(QRect(w->mapTo(&menu, QPoint(0, 0)), w->size()), c.geometry) << c.name;
  }
  QLabel* label = menu.LabelFig();
  EXPECT_EQ(label->text(), "The leaning tower of Pisa, in 1790");
  EXPECT_EQ(label->x(), (760 - label->width()) / 4);
  EXPECT_EQ(label->y(), 100 + 428 - label->height() - 5);
  EXPECT_EQ(label->palette().color(QPalette::Window), QColor(Qt::white));

  EXPECT_EQ(menu.findChild<QLabel*>("Panel")->text(), "KAVENOR");
  EXPECT_EQ(menu.findChild<QLabel*>("Panel")->font().pixelSize(), 12);
  EXPECT_EQ(menu.SpeedButtonEinde()->toolTip(), "Exit Program");
  EXPECT_EQ(menu.SpeedButtonHelp()->toolTip(), "Help");
  EXPECT_FALSE(menu.SpeedButtonHelp()->icon().isNull());
  EXPECT_EQ(menu.BitBtnEinde()->text(), "End");
  EXPECT_EQ(menu.BitBtnEinde()->toolTip(), "Exit Program");
  auto* memo = menu.findChild<QPlainTextEdit*>("MemoMain");
  EXPECT_TRUE(memo->isReadOnly());
  EXPECT_EQ(memo->focusPolicy(), Qt::ClickFocus);
  EXPECT_FALSE(memo->toPlainText().isEmpty());
  EXPECT_FALSE(menu.findChild<QWidget*>("Image")->isEnabled());
  // The tower picture the build drew, in 256 colours.
  const QImage tower = TowerPicture();
  EXPECT_EQ(tower.size(), QSize(315, 428));
  EXPECT_EQ(tower.format(), QImage::Format_Indexed8);
  EXPECT_EQ(menu.findChild<QWidget*>("Image")->size(), tower.size());
}

TEST(MainMenu, ThirtySixButtonsInThreeColumnsOfTwelve) {
  TFMainKavenor& menu = test::SharedCourse().Menu();
  const char* captions[36] = {
      "Porosity",     "Density",      "Vol. weight",     "Water cont.",    "Stresses",
      "Shake",        "Fill",         "Archimedes",      "Terzaghi",       "Darcy",
      "Liquefaction", "Continuity",   "Well",            "Layer",          "Oedometer",
      "Compressibility", "Creep",     "Consolidation",   "Num. sol.",      "Mohr",
      "Stress",       "Triaxial test", "Drained test",   "Undrained test", "Continua",
      "Layered soil", "Rankine",      "Active",          "Passive",        "Sheet pile wall",
      "Limit analysis", "Bearing cap.", "Brinch Hansen", "CPT",            "Cone resistance",
      "Centrifuge"};
  const int lefts[3] = {441, 546, 651};
  for (int n = 1; n <= 36; ++n) {
    QPushButton* b = menu.ButtonLesson(n);
    EXPECT_EQ(b->objectName(), QStringLiteral("ButtonLesson%1").arg(n));
    EXPECT_EQ(b->text(), captions[n - 1]) << n;
    const int column = (n - 1) / 12, row = (n - 1) % 12;
    EXPECT_EQ(b->geometry(), QRect(lefts[column], 45 + 41 * row, 95, 28)) << n;
    EXPECT_TRUE(b->isVisibleTo(&menu));
    EXPECT_EQ(b->font().pixelSize(), n == 1 ? 12 : 11) << n;
    EXPECT_TRUE(b->font().bold());
  }
  EXPECT_EQ(menu.ButtonLesson(36)->geometry().bottom() + 1, 524);
  EXPECT_EQ(menu.ButtonLesson(36)->geometry().right() + 1, 746);
}

TEST(MainMenu, TabOrderRunsFromEndThroughTheLessonButtons) {
  TFMainKavenor& menu = test::SharedCourse().Menu();
  QWidget* w = menu.BitBtnEinde();
  std::vector<QString> order;
  for (int i = 0; i < 37; ++i) {
    order.push_back(w->objectName());
    do w = w->nextInFocusChain();
    while (!(w->focusPolicy() & Qt::TabFocus) && w != menu.BitBtnEinde());
  }
  EXPECT_EQ(order[0], "BitBtnEinde");
  for (int n = 1; n <= 36; ++n) EXPECT_EQ(order[n], QStringLiteral("ButtonLesson%1").arg(n));
}

}  // namespace
}  // namespace kavenor
