// Pasting into a theory pane: a clipboard with nothing on it inserts nothing,
// text goes in at the caret.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "shell/TheoryPane.h"

namespace kavenor {
namespace {

TEST(PanePaste, NothingOnTheClipboardInsertsNothingAndTextGoesIn) {
  struct Case {
    const char* name;
    std::function<QMimeData*()> data;
    const char* expected;
  };
  const Case cases[] = {
      {"no formats at all", [] { return new QMimeData; }, "clay"},
      {"empty text", [] { auto* d = new QMimeData; d->setText(""); return d; }, "clay"},
      {"text", [] { auto* d = new QMimeData; d->setText("silt "); return d; }, "silt clay"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TheoryPane pane;
    pane.setPlainText("clay");
    pane.moveCursor(QTextCursor::Start);
    QGuiApplication::clipboard()->setMimeData(c.data());
    pane.paste();
    EXPECT_EQ(pane.toPlainText().toStdString(), c.expected);
  }
  QGuiApplication::clipboard()->clear();
}

}  // namespace
}  // namespace kavenor
