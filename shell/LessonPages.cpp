#include "shell/LessonPages.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <memory>

#include "shell/Fonts.h"

namespace kavenor {

namespace {

constexpr double kGap = 18;
// The theory is set a quarter larger than in the pane, for print.
constexpr double kTheoryScale = 1.25;

}  // namespace

QFont PageFace(int pixels, bool bold, bool italic) {
  QFont f(RealFamily(QString::fromLatin1(kSansFamily)));
  f.setPixelSize(pixels);
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

LessonPages::LessonPages(QPagedPaintDevice& device, double margin, bool numbered)
    : device_(device), painter_(&device), margin_(margin), numbered_(numbered) {
  if (!painter_.isActive()) return;
  painter_.setRenderHint(QPainter::LosslessImageRendering);
  painter_.setRenderHint(QPainter::Antialiasing);
  page_ = QSizeF(device.width(), device.height());
}

void LessonPages::NewPage() {
  device_.newPage();
  ++pageIndex_;
  if (numbered_) Footer();
}

void LessonPages::Footer() {
  Text(QString::number(pageIndex_ + 1), PageFace(11), page_.height() - margin_ + 16,
       Qt::AlignHCenter);
}

void LessonPages::Text(const QString& s, const QFont& font, double y, Qt::Alignment align) {
  painter_.setFont(font);
  painter_.setPen(Qt::black);
  painter_.drawText(QRectF(margin_, y, Width(), 4 * font.pixelSize()), align | Qt::AlignTop, s);
}

void LessonPages::Lesson(int number, const QString& title, const std::vector<QImage>& pictures,
                         const QStringList& captions, const QTextDocument* theory, double y,
                         Overflow overflow, double pictureHeight) {
  Text(QStringLiteral("Lesson %1").arg(number), PageFace(12), y);
  y += 17;
  Text(title, PageFace(21, true), y);
  y += 36;
  y = figures(pictures, captions, y, pictureHeight);
  if (theory) this->theory(*theory, y + 6, overflow);
}

// The pictures two to a row (one alone across the page), all of a lesson
// at one scale: their own size where they fit, smaller where not; each
// with its caption below. Returns the y below the last row.
double LessonPages::figures(const std::vector<QImage>& pictures, const QStringList& captions,
                            double y, double maxHeight) {
  if (pictures.empty()) return y;
  const int columns = pictures.size() > 1 ? 2 : 1;
  const double column = (Width() - (columns - 1) * kGap) / columns;
  // A picture made at a screen's scale is laid out at the size it has there.
  auto sizeOf = [](const QImage& p) { return p.deviceIndependentSize(); };
  double scale = 1.0, tallest = 0;
  for (const QImage& p : pictures) scale = std::min(scale, column / sizeOf(p).width());
  for (const QImage& p : pictures) scale = std::min(scale, maxHeight / sizeOf(p).height());
  for (const QImage& p : pictures) tallest = std::max(tallest, sizeOf(p).height() * scale);
  const double row = tallest + 20;
  const QFont small = PageFace(11, false, true);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const int c = static_cast<int>(i) % columns;
    if (c == 0 && i > 0) y += row + kGap / 2;
    if (c == 0 && y + row > Bottom()) {
      NewPage();
      y = margin_;
    }
    const QImage& p = pictures[i];
    const QSizeF size = sizeOf(p) * scale;
    const double left = margin_ + c * (column + kGap) + (column - size.width()) / 2;
    painter_.drawImage(QRectF(QPointF(left, y), size), p);
    if (i < static_cast<std::size_t>(captions.size())) {
      painter_.setFont(small);
      painter_.drawText(QRectF(left, y + size.height() + 3, size.width(), 16),
                        Qt::AlignHCenter | Qt::AlignTop, captions[static_cast<int>(i)]);
    }
  }
  return y + row + kGap;
}

// The pane's text as laid out for the page; where it does not fit, either
// continued on the next page between two lines or set smaller.
void LessonPages::theory(const QTextDocument& source, double y, Overflow overflow) {
  const std::unique_ptr<QTextDocument> doc(source.clone());
  doc->setDocumentMargin(0);
  doc->documentLayout()->setPaintDevice(&device_);
  doc->setTextWidth(Width() / kTheoryScale);

  if (overflow == Overflow::Shrink) {
    double scale = kTheoryScale;
    const double room = std::max(1.0, Bottom() - y);
    const double height = doc->size().height();
    if (height * scale > room) {
      // Smaller, and set on longer lines, which only make it shorter.
      scale = room / height;
      doc->setTextWidth(Width() / scale);
    }
    painter_.save();
    painter_.translate(margin_, y);
    painter_.scale(scale, scale);
    doc->drawContents(&painter_, QRectF(0, 0, Width() / scale, room / scale));
    painter_.restore();
    return;
  }

  std::vector<double> lineBottoms;
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    const QRectF box = doc->documentLayout()->blockBoundingRect(b);
    const QTextLayout* layout = b.layout();
    for (int i = 0; i < layout->lineCount(); ++i)
      lineBottoms.push_back(box.top() + layout->lineAt(i).rect().bottom());
  }
  double from = 0;
  const double end = doc->size().height();
  while (from < end - 0.5) {
    const double room = (Bottom() - y) / kTheoryScale;
    double to = from;
    for (const double b : lineBottoms)
      if (b > from && b <= from + room) to = b;
    if (to <= from) {
      if (y <= margin_)
        to = std::min(end, from + room);  // a line taller than a page
      else {
        NewPage();
        y = margin_;
        continue;
      }
    }
    if (to >= lineBottoms.back() - 0.5) to = end;
    // A heading and a line or two alone at the foot of a page: the text
    // starts on the next page instead.
    const auto lines = std::count_if(lineBottoms.begin(), lineBottoms.end(),
                                     [&](double b) { return b > from && b <= to; });
    if (from == 0 && to < end && lines < 3 && y > margin_) {
      NewPage();
      y = margin_;
      continue;
    }
    painter_.save();
    painter_.translate(margin_, y);
    painter_.scale(kTheoryScale, kTheoryScale);
    painter_.translate(0, -from);
    doc->drawContents(&painter_, QRectF(0, from, Width() / kTheoryScale, to - from));
    painter_.restore();
    from = to;
    if (from < end - 0.5) {
      NewPage();
      y = margin_;
    }
  }
}

}  // namespace kavenor
