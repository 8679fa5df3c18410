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
#include "shell/LessonPages.h"
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

// The page, in pixels of 96 per inch: A4 with margins of 15 mm.
constexpr double kPointsPerPixel = 72.0 / 96.0;
constexpr double kMargin = 56;

// The handout's pages: the title page, then every lesson as LessonPages lays
// it out, each chapter's heading above its first lesson; and the bookmarks.
class Composer {
 public:
  explicit Composer(QPdfWriter& writer) : pages_(writer, kMargin, true) {}

  const std::vector<Bookmark>& Bookmarks() const { return marks_; }
  bool Finish() { return pages_.Finish(); }

  void TitlePage() {
    const QImage tower = TowerPicture().convertToFormat(QImage::Format_RGB32);
    double y = 150;
    pages_.Text(QStringLiteral("Kavenor"), PageFace(40, true), y, Qt::AlignHCenter);
    y += 56;
    pages_.Text(QStringLiteral("An interactive course on the mechanics of soils"), PageFace(18), y,
                Qt::AlignHCenter);
    y += 60;
    const QRectF at((pages_.Width() + 2 * kMargin - tower.width()) / 2, y, tower.width(),
                    tower.height());
    pages_.Painter().drawImage(at, tower);
    y = at.bottom() + 10;
    pages_.Text(QStringLiteral("The leaning tower of Pisa, in 1790"), PageFace(12, false, true), y,
                Qt::AlignHCenter);
    y += 60;
    pages_.Text(QStringLiteral("36 lessons in seven chapters, each with its figure and a summary "
                               "of its theory"),
                PageFace(13), y, Qt::AlignHCenter);
    pages_.Footer();
  }

  void Lesson(const LessonEntry& e, const TheoryPane& pane, const std::vector<QImage>& pictures,
              const QStringList& captions, bool opensChapter) {
    pages_.NewPage();
    double y = kMargin;
    const int chapter = chapterOf(e);
    if (opensChapter) {
      marks_.push_back(
          {QString::fromLatin1(kChapters[chapter]), 0, pages_.PageIndex(), y * kPointsPerPixel});
      pages_.Text(QStringLiteral("Chapter %1").arg(chapter + 1), PageFace(14), y);
      y += 20;
      pages_.Text(QString::fromLatin1(kChapters[chapter]), PageFace(28, true), y);
      y += 42;
      pages_.Painter().fillRect(QRectF(kMargin, y, pages_.Width(), 1.5), Qt::black);
      y += 24;
    }
    marks_.push_back({QString::fromLatin1(e.caption), 1, pages_.PageIndex(), y * kPointsPerPixel});
    pages_.Lesson(e.number, QString::fromLatin1(e.caption), pictures, captions, pane.document(), y,
                  LessonPages::Overflow::NextPages);
  }

 private:
  LessonPages pages_;
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
