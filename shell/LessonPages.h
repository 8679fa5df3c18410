#pragma once
// Printed pages of lessons: a lesson's number and title, its pictures and its
// theory as real text (selectable and searchable in a PDF, the Greek letters
// as characters). The one layout of a lesson on paper, for the course handout
// and for printing a single lesson.
//
// Everything is measured in pixels of 96 per inch: the device is painted at
// that resolution (a PDF writer or printer set to 96 dots per inch), so a
// figure keeps the proportions against the text that it has on the screen.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <limits>
#include <vector>

class QPagedPaintDevice;
class QTextDocument;

namespace kavenor {

// The sans face of the pages at a size in pixels.
QFont PageFace(int pixels, bool bold = false, bool italic = false);

class LessonPages {
 public:
  // How a theory longer than the room left on its page is set.
  enum class Overflow {
    NextPages,  // continued on the next pages, between two lines
    Shrink,     // made smaller until it fits the page
  };

  // Starts painting on `device` (its resolution must be 96 dots per inch),
  // whose paintable area has a margin of `margin` pixels on every side;
  // `numbered`: every page after the first is numbered at its foot as it is
  // begun, the first when Footer() is called.
  LessonPages(QPagedPaintDevice& device, double margin, bool numbered);

  // Whether the device could be painted on at all (an output file that
  // cannot be opened cannot).
  bool IsActive() const { return painter_.isActive(); }
  // Ends painting; false when the pages could not be written.
  bool Finish() { return painter_.end(); }

  double Margin() const { return margin_; }
  double Width() const { return page_.width() - 2 * margin_; }
  double Height() const { return page_.height(); }
  double Bottom() const { return page_.height() - margin_; }
  int PageIndex() const { return pageIndex_; }  // from 0
  QPainter& Painter() { return painter_; }

  void NewPage();
  // The page's number at its foot.
  void Footer();
  // One line of text with its top at y, between the margins.
  void Text(const QString& s, const QFont& font, double y, Qt::Alignment align = Qt::AlignLeft);
  // A lesson from `y` on: "Lesson N" and its title, its pictures with their
  // captions (none: no caption), its theory.
  void Lesson(int number, const QString& title, const std::vector<QImage>& pictures,
              const QStringList& captions, const QTextDocument* theory, double y,
              Overflow overflow,
              double pictureHeight = std::numeric_limits<double>::infinity());

 private:
  double figures(const std::vector<QImage>& pictures, const QStringList& captions, double y,
                 double maxHeight);
  void theory(const QTextDocument& source, double y, Overflow overflow);

  QPagedPaintDevice& device_;
  QPainter painter_;
  QSizeF page_;
  double margin_;
  bool numbered_;
  int pageIndex_ = 0;
};

}  // namespace kavenor
