#include <gtest/gtest.h>

#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

#include "shell/RadioGroup.h"

namespace kavenor {
namespace {

struct Fixture {
  QWidget window;
  RadioGroup* group = new RadioGroup(&window, QStringLiteral("RadioGroup1"),
                                     QStringLiteral("Options"),
                                     {QStringLiteral("One"), QStringLiteral("Two"),
                                      QStringLiteral("Three")},
                                     clYellow, 150, 60);
};

TEST(RadioGroup, ItemsAreItsRadioButtonChildrenInOrder) {
  // The snapshot tool's select step picks the n-th QRadioButton child.
  Fixture f;
  EXPECT_EQ(f.group->objectName(), QStringLiteral("RadioGroup1"));
  EXPECT_EQ(f.group->size(), QSize(150, 60));
  const QList<QRadioButton*> buttons = f.group->findChildren<QRadioButton*>();
  ASSERT_EQ(buttons.size(), 3);
  const char* texts[] = {"One", "Two", "Three"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(buttons[i], f.group->Item(i));
    EXPECT_EQ(buttons[i]->text(), QString::fromLatin1(texts[i]));
    EXPECT_TRUE(f.group->rect().contains(buttons[i]->geometry())) << i;
  }
  EXPECT_EQ(f.group->Item(3), nullptr);
  EXPECT_EQ(f.group->Item(-1), nullptr);
}

TEST(RadioGroup, ItemIndexIncludingNone) {
  Fixture f;
  EXPECT_EQ(f.group->ItemIndex(), -1);  // nothing selected until asked
  QSignalSpy clicked(f.group, &RadioGroup::Clicked);
  struct Case {
    int set, expected;
  };
  // Below -1 counts as none, past the end as the last item.
  const Case cases[] = {{1, 1}, {2, 2}, {-1, -1}, {0, 0}, {-5, -1}, {9, 2}, {2, 2}};
  for (const Case& c : cases) {
    f.group->SetItemIndex(c.set);
    EXPECT_EQ(f.group->ItemIndex(), c.expected) << c.set;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(f.group->Item(i)->isChecked(), i == c.expected);
  }
  EXPECT_EQ(clicked.count(), 0);  // setting from code is no click
  // After a clear the items are exclusive again.
  f.group->SetItemIndex(-1);
  f.group->Item(0)->click();
  f.group->Item(1)->click();
  EXPECT_FALSE(f.group->Item(0)->isChecked());
  EXPECT_EQ(f.group->ItemIndex(), 1);
}

TEST(RadioGroup, EveryClickIsReportedAfterTheIndexChanged) {
  Fixture f;
  f.group->SetItemIndex(0);
  std::vector<int> seen;
  QObject::connect(f.group, &RadioGroup::Clicked, [&] { seen.push_back(f.group->ItemIndex()); });
  f.group->Item(2)->click();
  f.group->Item(2)->click();  // the selected item again
  f.group->Item(1)->click();
  EXPECT_EQ(seen, (std::vector<int>{2, 2, 1}));

  // The keyboard: the arrow keys move the selection within the group.
  f.window.show();
  f.window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f.window));
  f.group->Item(1)->setFocus();
  QTest::keyClick(f.group->Item(1), Qt::Key_Down);
  EXPECT_EQ(f.group->ItemIndex(), 2);
  EXPECT_EQ(seen.back(), 2);
}

}  // namespace
}  // namespace kavenor
