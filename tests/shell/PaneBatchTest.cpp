#include <gtest/gtest.h>

#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <optional>

#include "shell/PaneBatch.h"
#include "shell/TheoryPane.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

// Greek and index letters, a typeface-only run and lines long enough to
// scroll a small pane, composed with or without a batch.
void Compose(TheoryPane& pane, bool batched) {
  pane.ResetPaneStyle();
  pane.SetHeading(QStringLiteral("Heading."));
  {
    std::optional<PaneBatch> batch;
    if (batched) batch.emplace(pane);
    pane.EndLine(QString());
    for (int i = 0; i < 12; ++i) {
      pane.AppendPieces({"The volumetric weight of water is ", {"g", PaneStyle::Greek},
                         {"w, of the particles ", PaneStyle::Index}, {"g", PaneStyle::Greek},
                         {"p, and ", PaneStyle::Index}, {"S g", PaneStyle::SymbolFace, 3},
                         " the sum."});
      pane.EndLine(QString());
    }
    pane.AppendPiece(QStringLiteral("Last line."));
  }
  pane.HomeCaret();
}

TEST(PaneBatch, SameTextAndRunsAsWithoutIt) {
  TheoryPane plain, batched;
  for (TheoryPane* p : {&plain, &batched}) p->resize(332, 80);
  Compose(plain, false);
  Compose(batched, true);
  EXPECT_EQ(batched.toPlainText(), plain.toPlainText());
  EXPECT_EQ(batched.ComposedText(), plain.ComposedText());
  EXPECT_EQ(batched.Runs(), plain.Runs());
  EXPECT_EQ(test::Dressing(batched, 2), test::Dressing(plain, 2));
  EXPECT_EQ(batched.textCursor().position(), 0);
  EXPECT_FALSE(batched.textCursor().hasSelection());

  // The finished text is laid out: it overflows the small pane, which shows
  // its first line.
  batched.show();
  test::Settle();
  EXPECT_GT(batched.verticalScrollBar()->maximum(), 0);
  EXPECT_EQ(batched.verticalScrollBar()->value(), 0);

  // Undo takes back what the reader typed, never the composition.
  EXPECT_FALSE(batched.document()->isUndoAvailable());
  QTextCursor end = batched.textCursor();
  end.movePosition(QTextCursor::End);
  end.insertText(QStringLiteral(" typed"));
  batched.undo();
  EXPECT_EQ(batched.toPlainText(), plain.toPlainText());
  batched.undo();
  EXPECT_EQ(batched.toPlainText(), plain.toPlainText());
  EXPECT_EQ(batched.Runs(), plain.Runs());
}

}  // namespace
}  // namespace kavenor
