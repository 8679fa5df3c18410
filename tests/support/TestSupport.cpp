#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTextCursor>
#include <map>
#include <memory>

namespace kavenor::test {

namespace {
std::unique_ptr<Course> course;
}

void ReleaseSharedCourse() { course.reset(); }

Course& SharedCourse() {
  if (!course) {
    course = std::make_unique<Course>();
    course->Start();
    Settle();
  }
  return *course;
}

void Settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

QStringList PaneLines(const TheoryPane& pane) {
  return pane.toPlainText().split(QLatin1Char('\n'));
}

namespace {

int positionOf(const TheoryPane& pane, int line, int column) {
  const QStringList lines = PaneLines(pane);
  int pos = 0;
  for (int i = 0; i < line && i < lines.size(); ++i) pos += static_cast<int>(lines[i].size()) + 1;
  return pos + column;
}

}  // namespace

CharStyle StyleAt(const TheoryPane& pane, int line, int column) {
  const int pos = positionOf(pane, line, column);
  for (const TheoryPane::Run& run : pane.Runs())
    if (pos >= run.start && pos < run.start + run.length)
      return {run.family, run.size, run.italic, run.underline};
  return {};
}

std::string Dressing(const TheoryPane& pane, int line) {
  const QString text = PaneLines(pane).value(line);
  std::string out;
  for (int c = 0; c < text.size(); ++c) {
    const CharStyle s = StyleAt(pane, line, c);
    if (s.family == QLatin1String("MS Sans Serif") && s.size == 8 && !s.italic && !s.underline)
      continue;
    if (!out.empty()) out += ' ';
    out += std::to_string(c) + ':' + QString(text[c]).toStdString() + ':' +
           s.family.toStdString() + ':' + std::to_string(s.size);
    if (s.italic || s.underline) out += ":iu";
  }
  return out;
}

void ExpectPaneLines(const TheoryPane& pane, std::span<const PaneLine> expected, int first) {
  const QStringList lines = PaneLines(pane);
  ASSERT_GE(lines.size(), first + static_cast<qsizetype>(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const int line = first + static_cast<int>(i);
    SCOPED_TRACE("line " + std::to_string(line + 1));
    EXPECT_EQ(lines[line].toStdString(), expected[i].text);
    EXPECT_EQ(Dressing(pane, line), expected[i].dressing);
  }
}

void ExpectAllPaneLines(const TheoryPane& pane, std::span<const PaneLine> expected) {
  const QStringList lines = PaneLines(pane);
  ASSERT_EQ(lines.size(), static_cast<qsizetype>(expected.size()))
      << lines.join(QLatin1Char('|')).toStdString();
  ExpectPaneLines(pane, expected);
}

std::string GreekDressing(const QString& line, const QString& greek) {
  std::string out;
  for (int c = 0; c < line.size(); ++c) {
    if (!greek.contains(line[c])) continue;
    if (!out.empty()) out += ' ';
    out += std::to_string(c) + ':' + QString(line[c]).toStdString() + ":Symbol:10";
  }
  return out;
}

void ExpectPlainRuns(const TheoryPane& pane) {
  for (const TheoryPane::Run& run : pane.Runs()) {
    EXPECT_EQ(run.family, QStringLiteral("MS Sans Serif")) << run.start;
    EXPECT_EQ(run.size, 8) << run.start;
    EXPECT_FALSE(run.italic || run.underline) << run.start;
  }
}

void ExpectPaneFont(const TheoryPane& pane, const char* family, int pixelSize, bool bold) {
  EXPECT_EQ(pane.font().family(), QString::fromUtf8(family));
  EXPECT_EQ(pane.font().pixelSize(), pixelSize);
  EXPECT_EQ(pane.font().bold(), bold);
}

void ExpectCaretAtStart(const TheoryPane& pane) {
  const QTextCursor caret = pane.textCursor();
  EXPECT_EQ(caret.position(), 0);
  EXPECT_FALSE(caret.hasSelection());
}

void ExpectCaretAtEnd(const TheoryPane& pane) {
  const QTextCursor caret = pane.textCursor();
  EXPECT_TRUE(caret.atEnd());
  EXPECT_FALSE(caret.hasSelection());
}

QImage ShownArea(const LessonWindow& window, int width, int height) {
  return window.Surface()
      .copy(kAreaLeft, kAreaTop, width, height)
      .convertToFormat(QImage::Format_RGB32);
}

QImage AsShown(const Canvas& canvas) { return canvas.Image().convertToFormat(QImage::Format_RGB32); }

long long ShownPixel(const LessonWindow& window, int x, int y) {
  return window.Surface().pixel(kAreaLeft + x, kAreaTop + y) & 0xFFFFFF;
}

void FocusBackFromADialog(Course& course, LessonWindow& lesson) {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("A dialog"), QStringLiteral("of the program"),
                  QMessageBox::Ok);
  box.show();
  QCoreApplication::processEvents();
  course.FocusMovedTo(box.windowHandle());
  box.hide();
  course.FocusMovedTo(lesson.windowHandle());
  Settle();
}

std::string Ascii(const Canvas& canvas, int l, int t, int r, int b) {
  static const std::map<long long, char> names = {
      {0x000000, 'k'}, {0xFFFFFF, '.'}, {0x0000FF, 'b'}, {0xFFFF00, 'y'}, {0xFF0000, 'r'},
      {0x008000, 'g'}, {0x00FF00, 'l'}, {0x808000, 'o'}, {0x800000, 'm'}, {0x808080, 'a'},
      {0xC0C0C0, 's'}, {-1, ' '}};
  std::string out;
  for (int y = t; y < b; ++y) {
    for (int x = l; x < r; ++x) {
      const auto it = names.find(canvas.Pixel(x, y));
      out += it == names.end() ? '?' : it->second;
    }
    out += '\n';
  }
  return out;
}

}  // namespace kavenor::test
