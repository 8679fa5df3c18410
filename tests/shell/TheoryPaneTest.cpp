#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <vector>

#include "shell/TheoryPane.h"
#include "tests/support/TestSupport.h"

namespace kavenor {
namespace {

using test::Dressing;
using test::PaneLines;
using test::StyleAt;

class PaneTest : public ::testing::Test {
 protected:
  PaneTest() { pane.resize(332, 401); }
  TheoryPane pane;
};

TEST_F(PaneTest, PorosityLineDressesItsTwoIndexLetters) {
  pane.ResetPaneStyle();
  pane.SetHeading("Porosity and Volumetric Weight.");
  pane.AppendLine("");
  pane.AppendPiece("Porosity : n=V");
  const int m1 = pane.TakeMark();
  pane.AppendPiece("p/V");
  const int m2 = pane.TakeMark();
  pane.EndLine("t.");
  pane.StyleRun(m1, 1, PaneStyle::Index);
  pane.StyleRun(m2, 1, PaneStyle::Index);
  pane.HomeCaret();

  // Marks count each line break as two characters.
  EXPECT_EQ(m1, 31 + 2 + 14);
  EXPECT_EQ(PaneLines(pane)[1], "Porosity : n=Vp/Vt.");
  EXPECT_EQ(Dressing(pane, 1), "14:p:Garamond:8 17:t:Garamond:8");
  EXPECT_EQ(Dressing(pane, 0), "");
}

TEST_F(PaneTest, GreekLetterFollowedByAnIndexLetterMakesTwoRuns) {
  pane.ResetPaneStyle();
  pane.AppendPieces({"Mass density of water : ", {"r", PaneStyle::Greek},
                     {"w=1000 kg/m³.", PaneStyle::Index}});
  pane.EndLine("");
  EXPECT_EQ(PaneLines(pane)[0], "Mass density of water : ρw=1000 kg/m³.");
  EXPECT_EQ(Dressing(pane, 0), "24:ρ:Symbol:10 25:w:Garamond:8");
  // ³ stays in the default face.
  EXPECT_EQ(StyleAt(pane, 0, 36).family, "MS Sans Serif");
  const QList<TheoryPane::Run> runs = pane.Runs();
  ASSERT_GE(runs.size(), 4);
  EXPECT_EQ(runs[1], (TheoryPane::Run{24, 1, "Symbol", 10, false, false}));
  EXPECT_EQ(runs[2], (TheoryPane::Run{25, 1, "Garamond", 8, false, false}));
}

TEST_F(PaneTest, AppendLineEndsANonEmptyLineAndTwoEmptyCallsLeaveOneEmptyLine) {
  pane.ResetPaneStyle();
  pane.SetHeading("Heading");
  pane.AppendLine("");
  EXPECT_EQ(pane.ComposedText(), "Heading\r\n");
  pane.AppendLine("");
  EXPECT_EQ(pane.ComposedText(), "Heading\r\n\r\n");
  pane.AppendPiece("open");
  pane.AppendLine("next");
  EXPECT_EQ(pane.ComposedText(), "Heading\r\n\r\nopen\r\nnext");
  EXPECT_EQ(PaneLines(pane), QStringList({"Heading", "", "open", "next"}));
  pane.SetHeading("Again");
  EXPECT_EQ(pane.ComposedText(), "Again");
  EXPECT_EQ(pane.toPlainText(), "Again");
}

TEST_F(PaneTest, StylesChangeOnlyWhatTheySay) {
  pane.ResetPaneStyle();
  pane.AppendPieces({"x", {"abc", PaneStyle::SmallGreekIndex, 2}, {"def", PaneStyle::SymbolFace},
                     {"ghi", PaneStyle::GaramondFace, 3}, {"active", PaneStyle::Emphasis, 6}});
  EXPECT_EQ(PaneLines(pane)[0], "xαβcδefghiactive");
  const QString line = PaneLines(pane)[0];
  struct Case {
    int column;
    const char* family;
    int size;
    bool emphasis;
  };
  const Case cases[] = {{0, "MS Sans Serif", 8, false}, {1, "Symbol", 6, false},
                        {2, "Symbol", 6, false},        {3, "MS Sans Serif", 8, false},
                        {4, "Symbol", 8, false},        {7, "Garamond", 8, false},
                        {9, "Garamond", 8, false},      {10, "MS Sans Serif", 8, true},
                        {15, "MS Sans Serif", 8, true}};
  for (const Case& c : cases) {
    const test::CharStyle s = StyleAt(pane, 0, c.column);
    EXPECT_EQ(s.family, c.family) << c.column;
    EXPECT_EQ(s.size, c.size) << c.column;
    EXPECT_EQ(s.italic && s.underline, c.emphasis) << c.column;
  }
  // A typeface-only run keeps a size given before.
  pane.ResetPaneStyle();
  pane.AppendPieces({{"g", PaneStyle::Greek}});
  pane.StyleRun(0, 1, PaneStyle::GaramondFace);
  EXPECT_EQ(StyleAt(pane, 0, 0).size, 10);
}

// Whatever styles a letter went through, it shows what its last face makes of
// the letter the lesson wrote.
TEST_F(PaneTest, ALetterShowsWhatItsLastFaceShows) {
  struct Case {
    char16_t written;
    std::vector<PaneStyle> styles;
    char16_t shown;
  };
  using S = PaneStyle;
  const Case cases[] = {
      {u'g', {S::Greek, S::GaramondFace}, u'g'},
      {u'g', {S::Greek, S::Index}, u'g'},
      {u'g', {S::Greek, S::Greek}, u'\u03B3'},
      {u'g', {S::Index, S::SymbolFace}, u'\u03B3'},
      {u'\u00B4', {S::Greek, S::Emphasis}, u'\u00D7'},
      {u'\u00B4', {S::Greek, S::SymbolFace}, u'\u00D7'},
      {u'\u00D6', {S::Greek}, u'\u221A'},
      {u'r', {S::SmallGreekIndex, S::Emphasis, S::GaramondFace}, u'r'},
  };
  for (const Case& c : cases) {
    pane.ResetPaneStyle();
    pane.AppendPiece(QString(QChar(c.written)) + "x");
    for (PaneStyle style : c.styles) pane.StyleRun(0, 1, style);
    EXPECT_EQ(pane.toPlainText().at(0), QChar(c.shown)) << int(c.written) << ' ' << c.styles.size();
    EXPECT_EQ(pane.toPlainText().at(1), QChar('x'));
  }
}

TEST_F(PaneTest, HomeCaretShowsTheFirstLineWithNothingSelected) {
  pane.ResetPaneStyle();
  pane.SetHeading("Top line");
  for (int i = 0; i < 200; ++i) pane.AppendLine(QStringLiteral("line %1").arg(i));
  pane.show();
  QCoreApplication::processEvents();
  EXPECT_EQ(pane.textCursor().position(), pane.document()->characterCount() - 1);
  pane.HomeCaret();
  QCoreApplication::processEvents();
  EXPECT_EQ(pane.textCursor().position(), 0);
  EXPECT_FALSE(pane.textCursor().hasSelection());
  EXPECT_EQ(pane.verticalScrollBar()->value(), 0);
}

TEST_F(PaneTest, ResetClearsTextAndStyle) {
  pane.AppendPieces({{"g", PaneStyle::Greek}, "x"});
  pane.ResetPaneStyle();
  EXPECT_EQ(pane.toPlainText(), "");
  EXPECT_EQ(pane.ComposedText(), "");
  pane.AppendPiece("plain");
  EXPECT_EQ(Dressing(pane, 0), "");
}

TEST_F(PaneTest, WrappingAtThePaneWidthDoesNotMoveMarks) {
  pane.ResetPaneStyle();
  pane.SetHeading("Heading");
  pane.AppendLine("");
  QString longPiece;
  for (int i = 0; i < 40; ++i) longPiece += QStringLiteral("wrapping words ");
  pane.AppendPiece(longPiece);
  const int mark = pane.TakeMark();
  pane.EndLine("g end");
  pane.StyleRun(mark, 1, PaneStyle::Greek);
  pane.show();
  QCoreApplication::processEvents();
  EXPECT_GT(pane.document()->documentLayout()->documentSize().height(), 3 * 13);
  EXPECT_EQ(StyleAt(pane, 1, static_cast<int>(longPiece.size())).family, "Symbol");
  EXPECT_EQ(PaneLines(pane)[1].mid(longPiece.size()), "γ end");
}

TEST_F(PaneTest, PastingAMegabyteChangesOnlyWhatIsShown) {
  pane.ResetPaneStyle();
  pane.SetHeading("Heading");
  pane.AppendLine("");
  pane.AppendPieces({{"r", PaneStyle::Greek}, "w"});
  const QString composed = pane.ComposedText();
  QApplication::clipboard()->setText(QString(1 << 20, QLatin1Char('x')));
  pane.moveCursor(QTextCursor::End);
  pane.paste();
  EXPECT_GE(pane.toPlainText().size(), 1 << 20);
  EXPECT_EQ(pane.ComposedText(), composed);
  EXPECT_EQ(StyleAt(pane, 1, 0).family, "Symbol");
  // Composing again starts from a clean pane.
  pane.ResetPaneStyle();
  pane.SetHeading("Heading");
  EXPECT_EQ(pane.toPlainText(), "Heading");
}

}  // namespace
}  // namespace kavenor
