#include "shell/TheoryPane.h"

#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "shell/Fonts.h"

namespace kavenor {
namespace {

const QString kBreak = QStringLiteral("\r\n");

// The family and size the lesson asked for travel with each character, beside
// the installed face that shows it.
constexpr int kLogicalFamily = QTextFormat::UserProperty + 1;
constexpr int kLogicalSize = QTextFormat::UserProperty + 2;
// The character the lesson wrote, where the face shows another one (a Latin
// letter in the Symbol face shows as Greek). Restyling starts from it, so a
// letter always shows what its last face makes of it.
constexpr int kWrittenChar = QTextFormat::UserProperty + 3;

void setFace(QTextCharFormat& format, const QString& family, int points) {
  format.setFontFamilies({RealFamily(family)});
  format.setProperty(QTextFormat::FontPixelSize, PointsToPixels(points));
  format.setProperty(kLogicalFamily, family);
  format.setProperty(kLogicalSize, points);
}

// Made once: every line of every pane starts from it.
const QTextCharFormat& defaultFormat() {
  static const QTextCharFormat format = [] {
    QTextCharFormat f;
    setFace(f, QString::fromLatin1(kSansFamily), 8);
    f.setFontWeight(QFont::Normal);
    f.setFontItalic(false);
    f.setFontUnderline(false);
    return f;
  }();
  return format;
}

QString familyOf(const QTextCharFormat& f) {
  const QVariant logical = f.property(kLogicalFamily);
  return logical.isValid() ? logical.toString() : f.fontFamilies().toStringList().value(0);
}

int sizeOf(const QTextCharFormat& f) {
  const QVariant logical = f.property(kLogicalSize);
  return logical.isValid() ? logical.toInt() : static_cast<int>(f.fontPointSize());
}

// Restyles one character format; returns whether the face is Symbol.
bool applyStyle(QTextCharFormat& f, PaneStyle style) {
  switch (style) {
    case PaneStyle::Greek: setFace(f, QString::fromLatin1(kSymbolFamily), 10); return true;
    case PaneStyle::Index: setFace(f, QString::fromLatin1(kGaramondFamily), 8); return false;
    case PaneStyle::SmallGreekIndex: setFace(f, QString::fromLatin1(kSymbolFamily), 6); return true;
    case PaneStyle::SymbolFace: setFace(f, QString::fromLatin1(kSymbolFamily), sizeOf(f)); return true;
    case PaneStyle::GaramondFace: setFace(f, QString::fromLatin1(kGaramondFamily), sizeOf(f)); return false;
    case PaneStyle::Emphasis:
      f.setFontItalic(true);
      f.setFontUnderline(true);
      return IsSymbolFamily(familyOf(f));
  }
  return false;
}

}  // namespace

TheoryPane::TheoryPane(QWidget* parent) : QTextEdit(parent) {
  setObjectName(QStringLiteral("RichEdit"));
  setAcceptRichText(false);
  setLineWrapMode(QTextEdit::WidgetWidth);
  ResetPaneStyle();
}

void TheoryPane::ResetPaneStyle() {
  EndComposition();
  composed_.clear();
  countedUpTo_ = countedBreaks_ = 0;
  clear();
  document()->setDefaultFont(Face(QString::fromLatin1(kSansFamily), 8));
  setCurrentCharFormat(defaultFormat());
}

void TheoryPane::beginComposition() {
  if (composing_) return;
  composition_ = QTextCursor(document());
  composition_.beginEditBlock();
  composing_ = true;
}

void TheoryPane::EndComposition() {
  if (!composing_) return;
  composing_ = false;
  composition_.endEditBlock();
  composition_ = QTextCursor();
  document()->clearUndoRedoStacks();
  QTextCursor cursor = textCursor();
  cursor.movePosition(QTextCursor::End);
  setTextCursor(cursor);
}

void TheoryPane::showEvent(QShowEvent* event) {
  EndComposition();
  QTextEdit::showEvent(event);
}

void TheoryPane::appendRaw(const QString& text) {
  beginComposition();
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  const QTextCharFormat& format = defaultFormat();
  qsizetype from = 0;
  for (;;) {
    const qsizetype to = text.indexOf(kBreak, from);
    const QStringView line = QStringView(text).mid(from, to < 0 ? -1 : to - from);
    if (!line.isEmpty()) cursor.insertText(line.toString(), format);
    if (to < 0) break;
    cursor.insertBlock(QTextBlockFormat(), format);
    from = to + kBreak.size();
  }
  composed_ += text;
}

void TheoryPane::SetHeading(const QString& text) {
  EndComposition();
  composed_.clear();
  countedUpTo_ = countedBreaks_ = 0;
  clear();
  appendRaw(text);
}

void TheoryPane::AppendLine(const QString& text) {
  if (composed_.isEmpty() || composed_.endsWith(kBreak))
    appendRaw(text + kBreak);
  else
    appendRaw(kBreak + text);
}

void TheoryPane::AppendPiece(const QString& text) { appendRaw(text); }

void TheoryPane::EndLine(const QString& text) { appendRaw(text + kBreak); }

int TheoryPane::documentPosition(int mark) const {
  // Marks mostly come in order, so the breaks are counted on from the last
  // mark asked for (the composed text only grows between two clears). A
  // break that straddles that mark was not counted yet, so the count goes on
  // from the character before it.
  if (mark < countedUpTo_) countedUpTo_ = countedBreaks_ = 0;
  const int from = std::max(0, countedUpTo_ - 1);
  countedBreaks_ += static_cast<int>(QStringView(composed_).mid(from, mark - from).count(kBreak));
  countedUpTo_ = mark;
  return mark - countedBreaks_;
}

void TheoryPane::StyleRun(int mark, int length, PaneStyle style) {
  if (mark < 0 || length <= 0 || mark >= composed_.size()) return;
  const int end = std::min<int>(mark + length, static_cast<int>(composed_.size()));
  const int from = documentPosition(mark), to = documentPosition(end);
  beginComposition();
  QTextCursor cursor(document());
  for (int pos = from; pos < to; ++pos) {
    cursor.setPosition(pos);
    cursor.setPosition(pos + 1, QTextCursor::KeepAnchor);
    const QString shown = cursor.selectedText();
    if (shown.size() != 1 || shown[0] == QChar::ParagraphSeparator) continue;
    QTextCharFormat format = cursor.charFormat();
    // charFormat() reports the character before the cursor: the one selected.
    const QVariant written = format.property(kWrittenChar);
    const QChar source = written.isValid() ? QChar(written.value<char16_t>()) : shown[0];
    const bool symbol = applyStyle(format, style);
    const QChar face = symbol ? SymbolChar(source) : source;
    if (face != source)
      format.setProperty(kWrittenChar, QVariant::fromValue(source.unicode()));
    else
      format.clearProperty(kWrittenChar);
    // A character that keeps what it shows only takes its new format.
    if (face == shown[0])
      cursor.setCharFormat(format);
    else
      cursor.insertText(QString(face), format);
  }
}

void TheoryPane::AppendPieces(std::initializer_list<Piece> pieces) {
  for (const Piece& piece : pieces) {
    const int mark = TakeMark();
    AppendPiece(piece.text);
    if (piece.style) StyleRun(mark, piece.count, *piece.style);
  }
}

void TheoryPane::HomeCaret() {
  EndComposition();
  QTextCursor cursor = textCursor();
  cursor.setPosition(0);
  setTextCursor(cursor);
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
}

QList<TheoryPane::Run> TheoryPane::Runs() const {
  QList<Run> runs;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat f = fragment.charFormat();
      Run run{fragment.position(), fragment.length(), familyOf(f), sizeOf(f), f.fontItalic(),
              f.fontUnderline()};
      if (!runs.isEmpty()) {
        Run& last = runs.last();
        if (last.start + last.length == run.start && last.family == run.family &&
            last.size == run.size && last.italic == run.italic && last.underline == run.underline) {
          last.length += run.length;
          continue;
        }
      }
      runs.append(run);
    }
  }
  return runs;
}

// Qt 6.4's QWidgetTextControl::insertFromMimeData reads the first of the
// source's formats without asking whether there is one, and on X11 a paste
// with nobody owning the clipboard hands it data with no formats at all: the
// program crashed on Ctrl+V. Such a paste (or a drop of nothing) inserts
// nothing; real text goes on to the toolkit as before.
bool TheoryPane::canInsertFromMimeData(const QMimeData* source) const {
  return source && !source->formats().isEmpty() && QTextEdit::canInsertFromMimeData(source);
}

void TheoryPane::insertFromMimeData(const QMimeData* source) {
  if (source && !source->formats().isEmpty()) QTextEdit::insertFromMimeData(source);
}

}  // namespace kavenor
