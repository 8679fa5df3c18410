#pragma once
// Small helpers shared by the menu and the lesson frames.

#include <QColor>
#include <QIcon>
#include <QStyle>
#include <QString>
#include <span>

class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

namespace kavenor {

// A top-level window of the course: fixed client size, the window font, the
// given background, no border icons but those asked for.
void SetUpCourseWindow(QWidget* window, const QString& name, const QString& caption,
                       QColor background, bool minimiseBox);

// A title panel across the top of the window.
QLabel* MakeTitlePanel(QWidget* window, const QString& caption, int height, int points);

// A push button that Enter and Space click when it has the focus.
QPushButton* MakePushButton(QWidget* parent, const QString& name, const QString& caption);

// Makes a shown top-level window the active one, in front of the others.
void BringToFront(QWidget* window);

// One of the style's standard glyphs, loaded once for all windows (each load
// reads and scales the glyph's images again).
QIcon StandardIcon(QStyle::StandardPixmap glyph);

// A small glyph button that never takes the focus.
QToolButton* MakeSpeedButton(QWidget* parent, const QString& name);

// Gives the widgets one palette object: the one the first of them inherits,
// every colour of it set. They look as before, and the style, which keeps
// what it drew of a control by its palette, draws the face that alike
// controls share once instead of once each. Called again after a palette
// change of their window, it takes them back to what they inherit first.
void SharePalette(std::span<QWidget* const> widgets);

}  // namespace kavenor
