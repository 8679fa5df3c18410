#pragma once
// One printed page of a lesson: its title, its picture as shown and its
// theory as real text (selectable and searchable in a PDF, the Greek letters
// as characters). Laid out as on the 96-dpi screen the course is drawn for and
// scaled to the device's resolution, so a figure keeps its proportions
// against the text; what does not fit the page is scaled down to fit.

#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class QTextDocument;

namespace kavenor {

struct LessonPage {
  QString title;
  // Side by side, each at its own size (a picture made at a screen's scale
  // says so by its device pixel ratio).
  QList<QImage> pictures;
  const QTextDocument* theory = nullptr;  // not changed; may be null
};

// Draws the page into `page`, a rectangle of the painter's device in its
// device coordinates (the painter's own transform is left as it was).
void DrawLessonPage(QPainter& painter, const QRectF& page, const LessonPage& content);

// Prints the page as the device's one page (its paintable area); false when
// the device cannot be painted on (an output file that cannot be opened).
bool PrintLessonPage(QPagedPaintDevice& device, const LessonPage& content);

}  // namespace kavenor
