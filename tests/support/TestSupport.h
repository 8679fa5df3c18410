#pragma once
// Helpers shared by the shell and lesson tests.

#include <QImage>
#include <QString>
#include <QStringList>
#include <span>
#include <string>

#include "course/Course.h"
#include "shell/Canvas.h"
#include "shell/LessonWindow.h"
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
// Checks the pane's lines from `first` on against a table of them.
void ExpectPaneLines(const TheoryPane& pane, std::span<const PaneLine> expected, int first = 0);
// The same for a table of all the pane's lines: there are no more.
void ExpectAllPaneLines(const TheoryPane& pane, std::span<const PaneLine> expected);

// The Dressing() of a line whose only restyled characters are its Greek
// letters (those of `greek`), each in Symbol 10.
std::string GreekDressing(const QString& line, const QString& greek);

// Every styled run of the pane in the default face: MS Sans Serif 8, neither
// italic nor underlined.
void ExpectPlainRuns(const TheoryPane& pane);
// The pane's own font, which composed text need not be in.
void ExpectPaneFont(const TheoryPane& pane, const char* family, int pixelSize, bool bold);
// The caret where the composition leaves it, with nothing selected: at the
// start (a lesson that sends it home) or after the last word.
void ExpectCaretAtStart(const TheoryPane& pane);
void ExpectCaretAtEnd(const TheoryPane& pane);

// The drawing area of the 760 x 560 window: its corner and its size.
inline constexpr int kAreaLeft = 10, kAreaTop = 45, kAreaWidth = 332, kAreaHeight = 195;
// What a window shows of its drawing area (or of the width x height from the
// area's corner), and a canvas in the same format.
QImage ShownArea(const LessonWindow& window, int width = kAreaWidth, int height = kAreaHeight);
QImage AsShown(const Canvas& canvas);
// One pixel the window shows, in the drawing area's coordinates.
long long ShownPixel(const LessonWindow& window, int x, int y);

// Focus coming back to the open lesson from a dialog of the program, as the
// window system reports it.
void FocusBackFromADialog(Course& course, LessonWindow& lesson);

// Pixels of a canvas region as text, one row a line, with a letter a colour
// (for failure messages).
std::string Ascii(const Canvas& canvas, int l, int t, int r, int b);

}  // namespace kavenor::test
