#pragma once
// Helpers shared by the shell and lesson tests.

#include <QString>
#include <QStringList>
#include <span>
#include <string>

#include "course/Course.h"
#include "shell/Canvas.h"
#include "shell/TheoryPane.h"

namespace kavenor::test {

// The course of the whole test program, created on first use (the menu and
// all 36 lessons), with the menu shown as at start-up.
Course& SharedCourse();
// Destroys it; the test program's main does so before the application ends.
void ReleaseSharedCourse();

// Processes pending events (exposes, paints, deferred deletions).
void Settle();

// The pane's lines as shown (Greek letters as their Unicode characters).
QStringList PaneLines(const TheoryPane& pane);

// The style of one character, by line and column of the shown text.
struct CharStyle {
  QString family;
  int size = 0;
  bool italic = false;
  bool underline = false;
};
CharStyle StyleAt(const TheoryPane& pane, int line, int column);

// The characters of one line that are not in the default style, each as
// "<column>:<char>:<family>:<size>[:iu]", joined by blanks: a compact picture
// of a formula line's dressing.
std::string Dressing(const TheoryPane& pane, int line);

// One expected line of a pane: its text as shown and its Dressing().
struct PaneLine {
  const char* text;
  const char* dressing;
};
// Checks the pane's first lines against a table of them.
void ExpectPaneLines(const TheoryPane& pane, std::span<const PaneLine> expected);

// Pixels of a canvas region as text, one row a line, with a letter a colour
// (for failure messages).
std::string Ascii(const Canvas& canvas, int l, int t, int r, int b);

}  // namespace kavenor::test
