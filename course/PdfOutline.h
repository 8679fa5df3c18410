#pragma once
// Bookmarks for a PDF the toolkit wrote. QPdfWriter writes no outline, so it
// is added afterwards as an incremental update appended to the file, the way
// the PDF format lets any writer extend a document: a new version of the
// catalog that names the outline, the outline's own objects, and a
// cross-reference section whose trailer points back to the original one. The
// toolkit's bytes stay exactly as written.
//
// Only the shape QPdfWriter writes is read: one classic cross-reference
// table, a catalog with one page tree node that lists every page.

#include <QByteArray>
#include <QString>
#include <vector>

namespace kavenor {

struct Bookmark {
  QString title;
  int level = 0;   // 0: top level; 1: under the last level-0 bookmark before it
  int page = 0;    // from 0
  double top = 0;  // where the view starts, in points from the page's top edge
};

// Appends the outline of `marks` (in document order) to `pdf` and makes the
// viewer open with it shown. Returns false, leaving `pdf` unchanged, when the
// file is not of the expected shape or a bookmark names a page it lacks.
bool AppendOutline(QByteArray& pdf, const std::vector<Bookmark>& marks);

}  // namespace kavenor
