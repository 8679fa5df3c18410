#pragma once
// TheoryPane: the rich-text summary of theory beside each figure.
//
// A lesson composes its text once with these operations: ResetPaneStyle, then
// the lines top to bottom (SetHeading, AppendLine, AppendPiece, EndLine),
// taking marks where a later character needs a style, then StyleRun for each
// styled run, then HomeCaret. A mark is a position in the composed text in
// which every line break counts as two characters (CR LF); StyleRun converts
// it to the position in the document. Greek runs show their Latin letters as
// the Greek letters of the Symbol face; each character keeps the letter the
// lesson wrote, so restyling it to another face shows that letter again, and
// styling it Symbol twice maps it once.
//
// A composition is one edit of the pane's document: it is laid out once, when
// it ends (at HomeCaret, or when the window that composes it has finished its
// handler, or at the latest when the pane is shown), and it is not in the
// pane's undo history, so undo takes back only what the reader typed.
//
// The pane stays editable: typing into it changes only what it shows.

#include <QList>
#include <QString>
#include <QTextCursor>
#include <QTextEdit>
#include <initializer_list>
#include <optional>

namespace kavenor {

enum class PaneStyle {
  Greek,            // "Symbol" 10 pt
  Index,            // "Garamond" 8 pt
  SmallGreekIndex,  // "Symbol" 6 pt
  SymbolFace,       // typeface "Symbol" only; the size stays
  GaramondFace,     // typeface "Garamond" only; the size stays
  Emphasis,         // italic and underlined; typeface and size stay
};

// One piece of a line; a styled piece gives its first `count` characters the
// style (the mark is taken just before the piece).
struct Piece {
  Piece(const char* text) : text(QString::fromUtf8(text)) {}
  Piece(const QString& text) : text(text) {}
  Piece(const char* text, PaneStyle style, int count = 1)
      : text(QString::fromUtf8(text)), style(style), count(count) {}
  QString text;
  std::optional<PaneStyle> style;
  int count = 1;
};

class TheoryPane : public QTextEdit {
  Q_OBJECT

 public:
  explicit TheoryPane(QWidget* parent = nullptr);

  void ResetPaneStyle();
  void SetHeading(const QString& text);
  void AppendLine(const QString& text);
  void AppendPiece(const QString& text);
  void EndLine(const QString& text);
  int TakeMark() const { return static_cast<int>(composed_.size()); }
  void StyleRun(int mark, int length, PaneStyle style);
  void HomeCaret();
  // Ends the composition under way, if any: the text is laid out and the
  // caret stands after the last character appended.
  void EndComposition();

  // AppendPiece for each piece, with StyleRun at the mark before each styled
  // one; the result is the same as taking the marks and styling afterwards.
  void AppendPieces(std::initializer_list<Piece> pieces);

  // The composed text, line breaks as CR LF (the space marks count in).
  const QString& ComposedText() const { return composed_; }

  struct Run {
    int start = 0;  // in toPlainText(), where a line break is one character
    int length = 0;
    QString family;  // the family name the lesson asked for
    int size = 0;    // points
    bool italic = false;
    bool underline = false;
    friend bool operator==(const Run&, const Run&) = default;
  };
  // The text's runs of equal style, as displayed, in order.
  QList<Run> Runs() const;

 protected:
  // Pasting or dropping inserts nothing when there is no data to insert.
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;

 private:
  void appendRaw(const QString& text);
  int documentPosition(int mark) const;
  void beginComposition();

  void showEvent(QShowEvent* event) override;

  QString composed_;
  // How many line breaks lie wholly before composed_[countedUpTo_].
  mutable int countedUpTo_ = 0;
  mutable int countedBreaks_ = 0;
  QTextCursor composition_;  // holds the open edit block
  bool composing_ = false;
};

}  // namespace kavenor
