#include "course/PdfOutline.h"

#include <QRegularExpression>
#include <optional>

namespace kavenor {

namespace {

struct Original {
  qint64 crossReference = 0;  // where the table starts
  int size = 0;               // objects, the free object 0 included
  int root = 0;
  int info = 0;
  QByteArray catalog;      // the catalog's dictionary, "<< ... >>"
  std::vector<int> pages;  // page objects in order
  double pageHeight = 0;   // points, of the first page
};

std::optional<int> number(const QRegularExpressionMatch& m, int group = 1) {
  if (!m.hasMatch()) return std::nullopt;
  bool ok = false;
  const int n = m.captured(group).toInt(&ok);
  return ok ? std::optional<int>(n) : std::nullopt;
}

// The text of object `id` ("<< ... >>" and what follows up to endobj).
std::optional<QByteArray> objectText(const QByteArray& pdf, const std::vector<qint64>& offsets,
                                     int id) {
  if (id <= 0 || id >= static_cast<int>(offsets.size())) return std::nullopt;
  const qint64 at = offsets[id];
  const QByteArray head = QByteArray::number(id) + " 0 obj";
  if (at <= 0 || !pdf.mid(at, head.size()).startsWith(head)) return std::nullopt;
  const qint64 end = pdf.indexOf("endobj", at);
  if (end < 0) return std::nullopt;
  return pdf.mid(at + head.size(), end - at - head.size()).trimmed();
}

std::optional<Original> readOriginal(const QByteArray& pdf) {
  Original o;
  const qint64 start = pdf.lastIndexOf("startxref");
  if (start < 0) return std::nullopt;
  static const QRegularExpression startForm(QStringLiteral("^startxref\\s+(\\d+)\\s+%%EOF\\s*$"));
  const auto xref = number(startForm.match(QString::fromLatin1(pdf.mid(start))));
  if (!xref) return std::nullopt;
  o.crossReference = *xref;

  // "xref", one subsection "0 N", N entries of 20 bytes, then the trailer.
  static const QRegularExpression tableHead(QStringLiteral("^xref\\s*\\n0 (\\d+)\\s*\\n"));
  const QString head = QString::fromLatin1(pdf.mid(o.crossReference, 64));
  const QRegularExpressionMatch h = tableHead.match(head);
  const auto count = number(h);
  if (!count || *count < 1) return std::nullopt;
  o.size = *count;
  const qint64 entries = o.crossReference + h.capturedLength(0);
  std::vector<qint64> offsets(static_cast<std::size_t>(o.size), 0);
  for (int i = 0; i < o.size; ++i) {
    const QByteArray entry = pdf.mid(entries + 20 * i, 20);
    if (entry.size() != 20) return std::nullopt;
    if (entry[17] == 'n') offsets[static_cast<std::size_t>(i)] = entry.left(10).toLongLong();
  }
  const QString trailer =
      QString::fromLatin1(pdf.mid(entries + 20 * o.size, start - entries - 20 * o.size));
  static const QRegularExpression sizeKey(QStringLiteral("/Size\\s+(\\d+)"));
  static const QRegularExpression rootKey(QStringLiteral("/Root\\s+(\\d+)\\s+0\\s+R"));
  static const QRegularExpression infoKey(QStringLiteral("/Info\\s+(\\d+)\\s+0\\s+R"));
  if (!trailer.trimmed().startsWith(QLatin1String("trailer"))) return std::nullopt;
  const auto size = number(sizeKey.match(trailer));
  const auto root = number(rootKey.match(trailer));
  const auto info = number(infoKey.match(trailer));
  if (!size || *size != o.size || !root) return std::nullopt;
  o.root = *root;
  o.info = info.value_or(0);

  const auto catalog = objectText(pdf, offsets, o.root);
  if (!catalog || !catalog->startsWith("<<") || !catalog->endsWith(">>") ||
      !catalog->contains("/Type /Catalog") || catalog->contains("/Outlines"))
    return std::nullopt;
  o.catalog = *catalog;
  static const QRegularExpression pagesKey(QStringLiteral("/Pages\\s+(\\d+)\\s+0\\s+R"));
  const auto pages = number(pagesKey.match(QString::fromLatin1(*catalog)));
  if (!pages) return std::nullopt;
  const auto tree = objectText(pdf, offsets, *pages);
  if (!tree) return std::nullopt;
  static const QRegularExpression kidsKey(QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]"));
  const QRegularExpressionMatch kids = kidsKey.match(QString::fromLatin1(*tree));
  if (!kids.hasMatch()) return std::nullopt;
  static const QRegularExpression reference(QStringLiteral("(\\d+)\\s+0\\s+R"));
  for (auto it = reference.globalMatch(kids.captured(1)); it.hasNext();) {
    const auto page = number(it.next());
    const auto text = page ? objectText(pdf, offsets, *page) : std::nullopt;
    static const QRegularExpression leaf(QStringLiteral("/Type\\s*/Page(?![a-zA-Z])"));
    if (!text || !leaf.match(QString::fromLatin1(*text)).hasMatch()) return std::nullopt;
    o.pages.push_back(*page);
  }
  if (o.pages.empty()) return std::nullopt;
  static const QRegularExpression mediaBox(
      QStringLiteral("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)\\s*\\]"));
  const QRegularExpressionMatch box =
      mediaBox.match(QString::fromLatin1(*objectText(pdf, offsets, o.pages.front())));
  if (!box.hasMatch()) return std::nullopt;
  o.pageHeight = box.captured(2).toDouble();
  return o;
}

// A text string any viewer shows as written: UTF-16BE with its byte order
// mark, in hexadecimal.
QByteArray textString(const QString& text) {
  QByteArray bytes("<FEFF");
  for (const QChar c : text)
    bytes += QByteArray::number(c.unicode() + 0x10000, 16).mid(1).toUpper();
  return bytes + '>';
}

}  // namespace

bool AppendOutline(QByteArray& pdf, const std::vector<Bookmark>& marks) {
  const std::optional<Original> o = readOriginal(pdf);
  if (!o || marks.empty() || marks.front().level != 0) return false;
  for (const Bookmark& m : marks)
    if (m.page < 0 || m.page >= static_cast<int>(o->pages.size()) || m.level < 0 || m.level > 1)
      return false;

  // Object numbers: the outline's root, then one a bookmark.
  const int root = o->size;
  auto id = [&](std::size_t i) { return root + 1 + static_cast<int>(i); };
  const std::size_t n = marks.size();
  std::vector<int> parent(n, root), prev(n, 0), next(n, 0), first(n, 0), last(n, 0), children(n, 0);
  int rootFirst = 0, rootLast = 0;
  std::optional<std::size_t> lastTop, lastChild;
  for (std::size_t i = 0; i < n; ++i) {
    if (marks[i].level == 0) {
      if (lastTop) {
        next[*lastTop] = id(i);
        prev[i] = id(*lastTop);
      } else {
        rootFirst = id(i);
      }
      rootLast = id(i);
      lastTop = i;
      lastChild.reset();
    } else {
      parent[i] = id(*lastTop);
      if (lastChild) {
        next[*lastChild] = id(i);
        prev[i] = id(*lastChild);
      } else {
        first[*lastTop] = id(i);
      }
      last[*lastTop] = id(i);
      ++children[*lastTop];
      lastChild = i;
    }
  }

  QByteArray update;
  if (!pdf.endsWith('\n')) update += '\n';
  const qint64 base = pdf.size();
  std::vector<qint64> offsets;  // of the catalog, the outline root, the bookmarks
  auto object = [&](int number, const QByteArray& body) {
    offsets.push_back(base + update.size());
    update += QByteArray::number(number) + " 0 obj\n" + body + "\nendobj\n";
  };
  QByteArray catalog = o->catalog;
  catalog.chop(2);
  object(o->root, catalog.trimmed() + "\n/Outlines " + QByteArray::number(root) +
                      " 0 R\n/PageMode /UseOutlines\n>>");
  object(root, "<<\n/Type /Outlines\n/First " + QByteArray::number(rootFirst) + " 0 R\n/Last " +
                   QByteArray::number(rootLast) + " 0 R\n/Count " + QByteArray::number(int(n)) +
                   "\n>>");
  for (std::size_t i = 0; i < n; ++i) {
    const Bookmark& m = marks[i];
    const double y = o->pageHeight - m.top;
    QByteArray body = "<<\n/Title " + textString(m.title) + "\n/Parent " +
                      QByteArray::number(parent[i]) + " 0 R\n";
    if (prev[i]) body += "/Prev " + QByteArray::number(prev[i]) + " 0 R\n";
    if (next[i]) body += "/Next " + QByteArray::number(next[i]) + " 0 R\n";
    if (first[i])
      body += "/First " + QByteArray::number(first[i]) + " 0 R\n/Last " +
              QByteArray::number(last[i]) + " 0 R\n/Count " + QByteArray::number(children[i]) +
              "\n";
    body += "/Dest [" + QByteArray::number(o->pages[static_cast<std::size_t>(m.page)]) +
            " 0 R /XYZ 0 " + QByteArray::number(y, 'f', 2) + " 0]\n>>";
    object(id(i), body);
  }

  auto entry = [](qint64 offset) {
    return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n\r\n";
  };
  const qint64 table = base + update.size();
  update += "xref\n" + QByteArray::number(o->root) + " 1\n" + entry(offsets[0]);
  update += QByteArray::number(root) + ' ' + QByteArray::number(int(n) + 1) + '\n';
  for (std::size_t i = 1; i < offsets.size(); ++i) update += entry(offsets[i]);
  update += "trailer\n<<\n/Size " + QByteArray::number(root + 1 + int(n)) + "\n";
  if (o->info) update += "/Info " + QByteArray::number(o->info) + " 0 R\n";
  update += "/Root " + QByteArray::number(o->root) + " 0 R\n/Prev " +
            QByteArray::number(o->crossReference) + "\n>>\nstartxref\n" +
            QByteArray::number(table) + "\n%%EOF\n";
  pdf += update;
  return true;
}

}  // namespace kavenor
