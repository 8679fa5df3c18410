// Kavenor: an interactive course on the mechanics of soils.

#include <QApplication>
#include <QHashSeed>
#include <QIcon>
#include <cstdio>

#include "course/CommandLine.h"
#include "course/Course.h"
#include "course/Handout.h"
#include "shell/Random.h"

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const kavenor::CommandLine command = kavenor::ParseCommandLine(arguments);
  switch (command.action) {
    case kavenor::CommandLine::Action::Help:
    case kavenor::CommandLine::Action::Version:
      std::fputs(qPrintable(command.text), stdout);
      return 0;
    case kavenor::CommandLine::Action::Fail:
      std::fprintf(stderr, "kavenor: %s\n%s\n", qPrintable(command.text),
                   qPrintable(kavenor::UsageLine()));
      return 2;
    case kavenor::CommandLine::Action::Handout:
      // Every window of the handout is drawn off the screen, with or without
      // a display: nothing flashes on the desktop.
      qputenv("QT_QPA_PLATFORM", "offscreen");
      // The toolkit writes the PDF's fonts in the order of a hash table: with
      // the process's random hash seed that order, and so the file, would
      // change from run to run.
      QHashSeed::setDeterministicGlobalSeed();
      kavenor::QuietenPlatformNotices();
      break;
    case kavenor::CommandLine::Action::Run:
      if (command.scale) {
        // Exactly the factor asked for, whatever the screen's own scale.
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
        qputenv("QT_SCALE_FACTOR", QByteArray::number(*command.scale));
      }
      break;
  }

  // The toolkit sees only the program's name: every argument was ours.
  int toolkitArgc = 1;
  QApplication application(toolkitArgc, argv);
  if (command.action == kavenor::CommandLine::Action::Handout) {
    kavenor::InitialiseApplication();
    return kavenor::WriteHandout(command.handout, command.seed);
  }
  kavenor::InitialiseApplication();
  if (command.seed) kavenor::SeedRandom(*command.seed);
  // The installed desktop entry and icon, so the desktop shows the windows
  // under the program's own name and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.kavenor.Kavenor"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.kavenor.Kavenor")));
  kavenor::Course course;
  course.Start();
  return application.exec();
}
