// Kavenor: an interactive course on the mechanics of soils.

#include <QApplication>

#include "course/Course.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  kavenor::InitialiseApplication();
  kavenor::Course course;
  course.Start();
  return application.exec();
}
