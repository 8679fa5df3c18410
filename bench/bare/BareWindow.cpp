// The baseline of the start-up benchmark: a bare toolkit program that shows
// one empty window and ends.

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.resize(754, 533);
  window.show();
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
  return 0;
}
