#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>

#include "shell/TheoryPane.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

// Greek and index letters, a typeface-only run and lines long enough to
// scroll a small pane.
void Compose(TheoryPane& pane) {
  pane.ResetPaneStyle();
  pane.SetHeading(QStringLiteral("Heading."));
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

// A composition is laid out once it ends and is not in the undo history:
// undo takes back what the reader typed, never the composition.
TEST(PaneComposition, EndsLaidOutAndOutOfTheUndoHistory) {
  for (const bool home : {true, false}) {
    SCOPED_TRACE(home ? "caret home" : "caret left at the end");
    TheoryPane pane;
    pane.resize(332, 80);
    Compose(pane);
    if (home) pane.HomeCaret();
    const QString composed = pane.toPlainText();
    const QList<TheoryPane::Run> runs = pane.Runs();
    EXPECT_EQ(test::Dressing(pane, 2), "34:γ:Symbol:10 35:w:Garamond:8 55:γ:Symbol:10 "
                                       "56:p:Garamond:8 63:Σ:Symbol:8 64: :Symbol:8 65:γ:Symbol:8");

    pane.show();  // ends a composition still under way
    test::Settle();
    EXPECT_GT(pane.document()->documentLayout()->documentSize().height(), 80);
    EXPECT_GT(pane.verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(pane.textCursor().position(), home ? 0 : composed.size());
    EXPECT_FALSE(pane.textCursor().hasSelection());
    if (home) {
      EXPECT_EQ(pane.verticalScrollBar()->value(), 0);
    }

    EXPECT_FALSE(pane.document()->isUndoAvailable());
    QTextCursor end = pane.textCursor();
    end.movePosition(QTextCursor::End);
    end.insertText(QStringLiteral(" typed"));
    EXPECT_TRUE(pane.document()->isUndoAvailable());
    pane.undo();
    pane.undo();
    EXPECT_EQ(pane.toPlainText(), composed);
    EXPECT_EQ(pane.Runs(), runs);
  }
}

}  // namespace
}  // namespace kavenor
