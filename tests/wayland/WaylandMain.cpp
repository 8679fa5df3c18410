// The tests of what only a Wayland compositor shows: the course's windows as
// the compositor lists them, their paint handler and activation, keys from a
// virtual keyboard, and the program itself driven from outside. Run under
// scripts/with-sway:
//   kavenor_wayland_tests PROGRAM [GTEST-OPTIONS]

#include <gtest/gtest.h>

#include <QApplication>
#include <cstdio>

#include "course/Course.h"
#include "shell/LessonTimer.h"
#include "tests/wayland/WaylandMain.h"

namespace kavenor::wltest {

QString& ProgramPath() {
  static QString path;
  return path;
}

namespace {

QStringList pluginMessages;
QtMessageHandler previousHandler = nullptr;

// What the toolkit's Wayland plugin says goes into the log as always, and is
// kept: this process must hear nothing from it.
void keepPluginMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  const QLatin1String category(context.category ? context.category : "");
  if (category.startsWith(QLatin1String("qt.qpa.wayland")) ||
      text.contains(QLatin1String("wayland"), Qt::CaseInsensitive))
    pluginMessages << QStringLiteral("%1: %2").arg(category).arg(text);
  if (previousHandler) previousHandler(type, context, text);
}

class PluginSilence : public testing::Environment {
 public:
  void TearDown() override {
    EXPECT_TRUE(pluginMessages.isEmpty()) << pluginMessages.join('\n').toStdString();
  }
};

}  // namespace
}  // namespace kavenor::wltest

int main(int argc, char** argv) {
  kavenor::QuietenPlatformNotices();
  kavenor::wltest::previousHandler = qInstallMessageHandler(kavenor::wltest::keepPluginMessages);
  qputenv("QT_QPA_PLATFORM", "wayland");
  testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kavenor_wayland_tests PROGRAM [GTEST-OPTIONS]\n");
    return 2;
  }
  kavenor::wltest::ProgramPath() = QString::fromLocal8Bit(argv[1]);
  int toolkitArgc = 1;
  QApplication application(toolkitArgc, argv);
  kavenor::InitialiseApplication();
  kavenor::LessonTimer::SetManual(true);
  testing::AddGlobalTestEnvironment(new kavenor::wltest::PluginSilence);
  return RUN_ALL_TESTS();
}
