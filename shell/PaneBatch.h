#pragma once
// PaneBatch: groups the edits of one composition of a theory pane into one
// edit of its document, so the pane lays its text out once, when the batch
// ends, instead of after every piece and every restyled letter. The text and
// its runs are exactly those of the same operations without it. The
// composition is the program's, not the reader's: once the batch ends it is
// not in the pane's undo history (what the reader types afterwards is).
//
// Open it after SetHeading (which clears the pane) and let it end before
// HomeCaret, so the caret and the scroll position are set on the finished
// layout:
//
//   pane.ResetPaneStyle();
//   pane.SetHeading(...);
//   {
//     PaneBatch batch(pane);
//     pane.AppendLine(...); ...
//   }
//   pane.HomeCaret();

#include <QTextCursor>
#include <QTextDocument>

#include "shell/TheoryPane.h"

namespace kavenor {

class PaneBatch {
 public:
  explicit PaneBatch(TheoryPane& pane) : cursor_(pane.document()) { cursor_.beginEditBlock(); }
  ~PaneBatch() {
    cursor_.endEditBlock();
    cursor_.document()->clearUndoRedoStacks();
  }
  PaneBatch(const PaneBatch&) = delete;
  PaneBatch& operator=(const PaneBatch&) = delete;

 private:
  QTextCursor cursor_;
};

}  // namespace kavenor
