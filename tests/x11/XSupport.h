#pragma once
// Helpers of the X11 tests that drive the course as a person would: through
// the X server, with xdotool, from outside the toolkit.

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>
#include <functional>

#include "tests/support/Waiting.h"

namespace kavenor::xtest {

using test::wait;
using test::waitFor;

// Runs xdotool and waits for it; its standard output.
inline QString xdotool(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral("xdotool"), args);
  p.waitForFinished(60000);
  return QString::fromLatin1(p.readAllStandardOutput());
}

inline bool windowManagerRunning() {
  QProcess p;
  p.start(QStringLiteral("xprop"), {"-root", "_NET_SUPPORTING_WM_CHECK"});
  p.waitForFinished(5000);
  return p.readAllStandardOutput().contains("window id");
}

}  // namespace kavenor::xtest
