// The course's side of the start-up benchmark: what the program does at
// start (the application set up, all 37 windows created, the menu shown),
// then the same three rounds of events as the bare toolkit program, so the
// menu is drawn, and the end.

#include <QApplication>

#include "course/Course.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  kavenor::InitialiseApplication();
  {
    kavenor::Course course;
    course.Start();
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  }
  return 0;
}
