#pragma once
// What the course shows to assistive technology (screen readers listen over
// AT-SPI): a name for every control, each lesson's drawing area as an image
// named after the lesson and described in one sentence, the theory pane as
// text; and the keyboard order of every window.

#include <QString>

#include "shell/LessonTable.h"

namespace kavenor {

class LessonWindow;
class TFMainKavenor;

// Installs the accessible-interface factory that gives every lesson window
// its figure; once, before the first window is created.
void InstallAccessibleInterfaces();

// Names the menu's controls (the lesson buttons by their lessons' full
// titles, the glyph buttons by what they do), and gives the help its key, F1,
// since its glyph button takes no focus.
void MakeMenuAccessible(TFMainKavenor& menu, const LessonList& lessons);

// Names a lesson window's frame controls, gives its figure the description,
// and puts its theory pane last in its Tab order, after the lesson's own
// controls; Tab leaves the pane instead of typing a tab into it.
void MakeLessonAccessible(LessonWindow& lesson, const QString& figureDescription);

// The description MakeLessonAccessible gave the lesson's figure (empty before).
QString FigureDescriptionOf(const LessonWindow& lesson);

}  // namespace kavenor
