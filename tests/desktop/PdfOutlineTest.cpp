// The outline appended to a PDF the toolkit wrote: the original bytes stay
// in front, the update points back to them, and input of another shape is
// refused and left as it was. (The handout test reads a whole handout's
// outline back with qpdf.)

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

#include "course/PdfOutline.h"

namespace kavenor {
namespace {

QByteArray twoPages() {
  QByteArray pdf;
  QBuffer buffer(&pdf);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  QPainter painter(&writer);
  painter.drawText(100, 100, QStringLiteral("one"));
  writer.newPage();
  painter.drawText(100, 100, QStringLiteral("two"));
  painter.end();
  return pdf;
}

TEST(PdfOutline, AppendsAnUpdateThatPointsBackToTheOriginal) {
  const QByteArray original = twoPages();
  QByteArray pdf = original;
  ASSERT_TRUE(AppendOutline(pdf, {{QStringLiteral("Chapter σ′"), 0, 0, 10},
                                  {QStringLiteral("First"), 1, 0, 20},
                                  {QStringLiteral("Second"), 1, 1, 30}}));
  ASSERT_TRUE(pdf.startsWith(original));
  const QByteArray update = pdf.mid(original.size());
  const qsizetype at = original.lastIndexOf("startxref");
  const QByteArray previous = original.mid(at + 10).split('\n').first().trimmed();
  EXPECT_TRUE(update.contains("/Prev " + previous + "\n"));
  EXPECT_TRUE(update.contains("/Outlines "));
  EXPECT_TRUE(update.contains("/PageMode /UseOutlines"));
  // The title as UTF-16 with its byte order mark: "Chapter " then sigma, prime.
  EXPECT_TRUE(update.contains("<FEFF0043006800610070007400650072002003C32032>"));
  EXPECT_EQ(update.count("/Title "), 3);
  EXPECT_TRUE(update.endsWith("%%EOF\n"));
  // A second outline is refused: the catalog names one already.
  const QByteArray once = pdf;
  EXPECT_FALSE(AppendOutline(pdf, {{QStringLiteral("Again"), 0, 0, 0}}));
  EXPECT_EQ(pdf, once);
}

TEST(PdfOutline, RefusesWhatItCannotMarkAndLeavesItUnchanged) {
  const QByteArray original = twoPages();
  const struct {
    const char* what;
    QByteArray pdf;
    std::vector<Bookmark> marks;
  } cases[] = {
      {"no PDF", QByteArray("not a PDF at all"), {{QStringLiteral("A"), 0, 0, 0}}},
      {"a cut-off PDF", original.left(original.size() / 2), {{QStringLiteral("A"), 0, 0, 0}}},
      {"no bookmarks", original, {}},
      {"a page it lacks", original, {{QStringLiteral("A"), 0, 2, 0}}},
      {"a child first", original, {{QStringLiteral("A"), 1, 0, 0}}},
      {"a third level", original, {{QStringLiteral("A"), 0, 0, 0}, {QStringLiteral("B"), 2, 0, 0}}},
  };
  for (const auto& c : cases) {
    QByteArray pdf = c.pdf;
    EXPECT_FALSE(AppendOutline(pdf, c.marks)) << c.what;
    EXPECT_EQ(pdf, c.pdf) << c.what;
  }
}

}  // namespace
}  // namespace kavenor
