// Prints the course as the desktop tests need it, as JSON on stdout: for
// every lesson its number, window, menu caption, full title, figure
// description and theory text as composed at creation. The screen-reader and
// keyboard runs check the real program against it, so they cover every lesson
// without a list of their own.

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "course/Course.h"
#include "course/Lessons.h"
#include "shell/Accessibility.h"
#include "shell/TheoryPane.h"

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  kavenor::QuietenPlatformNotices();
  kavenor::InitialiseApplication();
  kavenor::Course course;
  QJsonArray lessons;
  for (const kavenor::LessonEntry& e : kavenor::Lessons()) {
    kavenor::LessonWindow& lesson = course.Lesson(e.number);
    lessons.append(QJsonObject{
        {"number", e.number},
        {"window", QString::fromLatin1(e.window)},
        {"button", QString::fromLatin1(e.button)},
        {"title", QString::fromLatin1(e.caption)},
        {"description", kavenor::FigureDescriptionOf(lesson)},
        {"theory", lesson.RichEdit()->toPlainText()},
    });
  }
  const QByteArray json = QJsonDocument(QJsonObject{{"lessons", lessons}}).toJson();
  std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
  return 0;
}
