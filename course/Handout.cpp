#include "course/Handout.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <vector>

#include "course/Course.h"
#include "course/Lessons.h"
#include "course/PdfOutline.h"
#include "course/Steps.h"
#include "shell/Fonts.h"
#include "shell/LessonTimer.h"
#include "shell/Random.h"
#include "shell/TheoryPane.h"
#include "shell/TowerPicture.h"

namespace kavenor {

namespace {

// The chapters, by the first digit of their lessons' window names.
constexpr std::array<const char*, 7> kChapters{"Soil composition",
                                               "Stresses",
                                               "Groundwater flow",
                                               "Compression and consolidation",
                                               "Shear strength",
                                               "Earth pressure",
                                               "Foundations and field testing"};

int chapterOf(const LessonEntry& e) { return e.window[2] - '1'; }

// What a moment's picture name says it is: "FH12-start.png" is "start",
// "FH76-slow-30.png" is "slow, after 30 ticks".
QString caption(const Moment& m) {
  QString name = QFileInfo(m.picture).completeBaseName();
  name.remove(0, m.window.size() + 1);
  QStringList words = name.split(QLatin1Char('-'));
  bool ticks = false;
  const int count = words.constLast().toInt(&ticks);
  if (ticks && words.size() > 1) {
    words.removeLast();
    return words.join(QLatin1Char(' ')) + QStringLiteral(", after %1 ticks").arg(count);
  }
  return words.join(QLatin1Char(' '));
}

// The lesson's own drawing at the moment, cut to what it drew, on white.
QImage momentPicture(const Moment& m, std::uint64_t seed) {
  SeedRandom(seed);
  Course course;
  RunMoment(course, m);
  const LessonWindow* lesson = course.Find(m.window);
  if (!lesson || lesson->Surface().isNull()) return {};
  const QImage& surface = lesson->Surface();
  int left = surface.width(), top = surface.height(), right = -1, bottom = -1;
  for (int y = 0; y < surface.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(surface.constScanLine(y));
    for (int x = 0; x < surface.width(); ++x) {
      if (qAlpha(row[x]) == 0) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return {};
  QImage picture(right - left + 1, bottom - top + 1, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.drawImage(QPoint(0, 0), surface, QRect(left, top, picture.width(), picture.height()));
  return picture;
}

// The page, in pixels of 96 per inch: A4 with margins of 15 mm, and two
// pictures of the drawing area's width side by side at their own size.
constexpr double kPointsPerPixel = 72.0 / 96.0;
constexpr double kMargin = 56;
constexpr double kGap = 18;
// The theory is set a quarter larger than in the pane, for print.
constexpr double kTheoryScale = 1.25;

QFont face(int pixels, bool bold = false, bool italic = false) {
  QFont f(RealFamily(QString::fromLatin1(kSansFamily)));
  f.setPixelSize(pixels);
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

class Composer {
 public:
  explicit Composer(QPdfWriter& writer) : writer_(writer), painter_(&writer) {
    painter_.setRenderHint(QPainter::LosslessImageRendering);
    painter_.setRenderHint(QPainter::Antialiasing);
    page_ = QSizeF(writer.width(), writer.height());
  }

  const std::vector<Bookmark>& Bookmarks() const { return marks_; }
  bool Finish() { return painter_.end(); }

  void TitlePage() {
    const QImage tower = TowerPicture().convertToFormat(QImage::Format_RGB32);
    double y = 150;
    text(QStringLiteral("Kavenor"), face(40, true), y, Qt::AlignHCenter);
    y += 56;
    text(QStringLiteral("An interactive course on the mechanics of soils"), face(18), y,
         Qt::AlignHCenter);
    y += 60;
    const QRectF at((page_.width() - tower.width()) / 2, y, tower.width(), tower.height());
    painter_.drawImage(at, tower);
    y = at.bottom() + 10;
    text(QStringLiteral("The leaning tower of Pisa, in 1790"), face(12, false, true), y,
         Qt::AlignHCenter);
    y += 60;
    text(QStringLiteral("36 lessons in seven chapters, each with its figure and a summary of "
                        "its theory"),
         face(13), y, Qt::AlignHCenter);
    footer();
  }

  void Lesson(const LessonEntry& e, const TheoryPane& pane, const std::vector<QImage>& pictures,
              const QStringList& captions, bool opensChapter) {
    newPage();
    double y = kMargin;
    const int chapter = chapterOf(e);
    if (opensChapter) {
      marks_.push_back(
          {QString::fromLatin1(kChapters[chapter]), 0, pageIndex_, y * kPointsPerPixel});
      text(QStringLiteral("Chapter %1").arg(chapter + 1), face(14), y);
      y += 20;
      text(QString::fromLatin1(kChapters[chapter]), face(28, true), y);
      y += 42;
      painter_.fillRect(QRectF(kMargin, y, width(), 1.5), Qt::black);
      y += 24;
    }
    marks_.push_back({QString::fromLatin1(e.caption), 1, pageIndex_, y * kPointsPerPixel});
    text(QStringLiteral("Lesson %1").arg(e.number), face(12), y);
    y += 17;
    text(QString::fromLatin1(e.caption), face(21, true), y);
    y += 36;
    y = figures(pictures, captions, y);
    theory(pane, y + 6);
  }

 private:
  double width() const { return page_.width() - 2 * kMargin; }
  double bottom() const { return page_.height() - kMargin; }

  void newPage() {
    writer_.newPage();
    ++pageIndex_;
    footer();
  }

  void footer() {
    text(QString::number(pageIndex_ + 1), face(11), page_.height() - kMargin + 16,
         Qt::AlignHCenter);
  }

  // One line of text with its top at y.
  void text(const QString& s, const QFont& font, double y, Qt::Alignment align = Qt::AlignLeft) {
    painter_.setFont(font);
    painter_.setPen(Qt::black);
    painter_.drawText(QRectF(kMargin, y, width(), 4 * font.pixelSize()), align | Qt::AlignTop, s);
  }

  // The pictures two to a row (one alone across the page), all of a lesson
  // at one scale: their own size where they fit, smaller where not; each
  // with its caption below. Returns the y below the last row.
  double figures(const std::vector<QImage>& pictures, const QStringList& captions, double y) {
    if (pictures.empty()) return y;
    const int columns = pictures.size() > 1 ? 2 : 1;
    const double column = (width() - (columns - 1) * kGap) / columns;
    double scale = 1.0, tallest = 0;
    for (const QImage& p : pictures) scale = std::min(scale, column / p.width());
    for (const QImage& p : pictures) tallest = std::max(tallest, p.height() * scale);
    const double row = tallest + 20;
    const QFont small = face(11, false, true);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
      const int c = static_cast<int>(i) % columns;
      if (c == 0 && i > 0) y += row + kGap / 2;
      if (c == 0 && y + row > bottom()) {
        newPage();
        y = kMargin;
      }
      const QImage& p = pictures[i];
      const QSizeF size(p.width() * scale, p.height() * scale);
      const double left = kMargin + c * (column + kGap) + (column - size.width()) / 2;
      painter_.drawImage(QRectF(QPointF(left, y), size), p);
      painter_.setFont(small);
      painter_.drawText(QRectF(left, y + size.height() + 3, size.width(), 16),
                        Qt::AlignHCenter | Qt::AlignTop, captions.value(static_cast<int>(i)));
    }
    return y + row + kGap;
  }

  // The pane's text as laid out for the page, continued on the next page
  // between two lines where it does not fit.
  void theory(const TheoryPane& pane, double y) {
    const std::unique_ptr<QTextDocument> doc(pane.document()->clone());
    doc->setDocumentMargin(0);
    doc->documentLayout()->setPaintDevice(&writer_);
    doc->setTextWidth(width() / kTheoryScale);
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
      const double room = (bottom() - y) / kTheoryScale;
      double to = from;
      for (const double b : lineBottoms)
        if (b > from && b <= from + room) to = b;
      if (to <= from) {
        if (y <= kMargin)
          to = std::min(end, from + room);  // a line taller than a page
        else {
          newPage();
          y = kMargin;
          continue;
        }
      }
      if (to >= lineBottoms.back() - 0.5) to = end;
      // A heading and a line or two alone at the foot of a page: the text
      // starts on the next page instead.
      const auto lines = std::count_if(lineBottoms.begin(), lineBottoms.end(),
                                       [&](double b) { return b > from && b <= to; });
      if (from == 0 && to < end && lines < 3 && y > kMargin) {
        newPage();
        y = kMargin;
        continue;
      }
      painter_.save();
      painter_.translate(kMargin, y);
      painter_.scale(kTheoryScale, kTheoryScale);
      painter_.translate(0, -from);
      doc->drawContents(&painter_, QRectF(0, from, width() / kTheoryScale, to - from));
      painter_.restore();
      from = to;
      if (from < end - 0.5) {
        newPage();
        y = kMargin;
      }
    }
  }

  QPdfWriter& writer_;
  QPainter painter_;
  QSizeF page_;
  int pageIndex_ = 0;
  std::vector<Bookmark> marks_;
};

QByteArray compose(std::uint64_t seed) {
  // The pictures first, each in a fresh course; the texts from one more.
  const std::vector<Moment> list = Moments();
  std::vector<std::vector<QImage>> pictures(kLessonCount);
  std::vector<QStringList> captions(kLessonCount);
  for (const Moment& m : list) {
    const LessonEntry* e = FindLesson(m.window.toLatin1().constData());
    if (!e) continue;  // the menu
    QImage picture = momentPicture(m, seed);
    if (picture.isNull()) continue;
    pictures[e->number - 1].push_back(std::move(picture));
    captions[e->number - 1] << caption(m);
  }

  SeedRandom(seed);
  Course course;
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  std::vector<Bookmark> marks;
  {
    QPdfWriter writer(&buffer);
    writer.setTitle(QStringLiteral("Kavenor: a course on the mechanics of soils"));
    writer.setCreator(QStringLiteral("kavenor %1").arg(QLatin1String(KAVENOR_VERSION)));
    writer.setResolution(96);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    Composer composer(writer);
    composer.TitlePage();
    int chapter = -1;
    for (const LessonEntry& e : Lessons()) {
      composer.Lesson(e, *course.Lesson(e.number).RichEdit(), pictures[e.number - 1],
                      captions[e.number - 1], chapterOf(e) != chapter);
      chapter = chapterOf(e);
    }
    if (!composer.Finish()) throw StepFailure{QStringLiteral("the PDF could not be drawn")};
    marks = composer.Bookmarks();
  }
  if (!AppendOutline(pdf, marks))
    throw StepFailure{QStringLiteral("the PDF's outline could not be added")};
  return pdf;
}

}  // namespace

std::optional<QByteArray> HandoutPdf(std::uint64_t seed, QString* error) {
  LessonTimer::SetManual(true);
  try {
    return compose(seed);
  } catch (const StepFailure& failure) {
    if (error) *error = failure.message;
    return std::nullopt;
  }
}

int WriteHandout(const QString& path, std::optional<std::uint64_t> seed) {
  auto fail = [&](const QString& reason) {
    std::fprintf(stderr, "kavenor: cannot write the handout to %s: %s\n", qPrintable(path),
                 qPrintable(reason));
    return 2;
  };
  const QFileInfo info(path);
  if (info.isDir()) return fail(QStringLiteral("it is a folder"));
  // A device or a pipe cannot be replaced: it is written in place. A file is
  // written beside its place first, and takes it only when complete; the
  // place is claimed before the long drawing, so a path that cannot be
  // written fails at once.
  const bool device = info.exists() && !info.isFile();
  std::unique_ptr<QFileDevice> out;
  if (device) {
    out = std::make_unique<QFile>(path);
    if (!out->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail(out->errorString());
  } else {
    auto file = std::make_unique<QSaveFile>(path);
    file->setDirectWriteFallback(false);
    if (!file->open(QIODevice::WriteOnly)) return fail(file->errorString());
    out = std::move(file);
  }
  QString error;
  const std::optional<QByteArray> pdf =
      HandoutPdf(seed ? *seed : QRandomGenerator::system()->generate64(), &error);
  if (!pdf) {
    if (auto* file = dynamic_cast<QSaveFile*>(out.get())) file->cancelWriting();
    return fail(error);
  }
  if (out->write(*pdf) != pdf->size() || !out->flush()) {
    const QString reason = out->errorString();
    if (auto* file = dynamic_cast<QSaveFile*>(out.get())) file->cancelWriting();
    return fail(reason);
  }
  if (auto* file = dynamic_cast<QSaveFile*>(out.get())) {
    if (!file->commit()) return fail(file->errorString());
  } else {
    out->close();
  }
  return 0;
}

}  // namespace kavenor
