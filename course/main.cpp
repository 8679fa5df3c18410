// Kavenor: an interactive course on the mechanics of soils.

#include <QApplication>
#include <QIcon>

#include "course/Course.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  kavenor::InitialiseApplication();
  // The installed desktop entry and icon, so the desktop shows the windows
  // under the program's own name and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.kavenor.Kavenor"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.kavenor.Kavenor")));
  kavenor::Course course;
  course.Start();
  return application.exec();
}
