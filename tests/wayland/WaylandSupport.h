#pragma once
// Helpers of the Wayland tests: the compositor's view of the windows
// (swaymsg), keys from a virtual keyboard (wtype) and pictures of the output
// (grim), all from outside the toolkit.

#include <QElapsedTimer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTest>
#include <functional>

#include "tests/support/Waiting.h"

namespace kavenor::wltest {

using test::wait;
using test::waitFor;

// Runs a helper program to its end while the event loop goes on, so the
// windows of this process can answer the compositor meanwhile; its output.
inline QByteArray run(const QString& program, const QStringList& args, int ms = 60000) {
  QProcess p;
  p.start(program, args);
  if (!p.waitForStarted(10000)) return {};
  waitFor([&] { return p.state() == QProcess::NotRunning; }, ms);
  if (p.state() != QProcess::NotRunning) p.kill();
  p.waitForFinished(5000);
  return p.readAllStandardOutput();
}

// Keys through a virtual keyboard of their own, e.g. wtype({"-k", "Tab"}).
// The compositor hands a new keyboard's keymap to the client first: keys
// sent before the client has it are lost, so wtype waits a while before
// the first.
inline void wtype(const QStringList& keys) { run(QStringLiteral("wtype"), QStringList{"-s", "400"} + keys); }

// A window as the compositor shows it: its title, the process that made it,
// whether it has the keyboard focus, and where its contents lie on the output.
struct View {
  QString title;
  qint64 pid = 0;
  bool focused = false;
  QRect contents;
};

inline void collectViews(const QJsonObject& node, QList<View>& out) {
  if (node.contains(QStringLiteral("pid")) && node.value(QStringLiteral("visible")).toBool()) {
    const QJsonObject rect = node.value(QStringLiteral("rect")).toObject();
    const QJsonObject inner = node.value(QStringLiteral("window_rect")).toObject();
    out.append(View{node.value(QStringLiteral("name")).toString(),
                    node.value(QStringLiteral("pid")).toInteger(),
                    node.value(QStringLiteral("focused")).toBool(),
                    QRect(rect.value("x").toInt() + inner.value("x").toInt(),
                          rect.value("y").toInt() + inner.value("y").toInt(),
                          inner.value("width").toInt(), inner.value("height").toInt())});
  }
  for (const char* children : {"nodes", "floating_nodes"})
    for (const QJsonValue child : node.value(QLatin1String(children)).toArray())
      collectViews(child.toObject(), out);
}

// The visible windows of one process in the compositor's tree.
inline QList<View> views(qint64 pid) {
  const QJsonDocument tree =
      QJsonDocument::fromJson(run(QStringLiteral("swaymsg"), {"-r", "-t", "get_tree"}));
  QList<View> all, mine;
  collectViews(tree.object(), all);
  for (const View& v : all)
    if (v.pid == pid) mine.append(v);
  return mine;
}

inline QStringList titles(const QList<View>& vs) {
  QStringList out;
  for (const View& v : vs) out << v.title;
  return out;
}

// Waits until the process shows exactly one window, with this title and the
// keyboard focus; that window.
inline View waitForOnly(qint64 pid, const QString& title, int ms = 10000) {
  View found;
  waitFor(
      [&] {
        const QList<View> vs = views(pid);
        if (vs.size() != 1 || vs.front().title != title || !vs.front().focused) return false;
        found = vs.front();
        return true;
      },
      ms);
  return found;
}

// A rectangle of the output as the compositor shows it.
inline QImage grab(const QRect& area) {
  const QString geometry = QStringLiteral("%1,%2 %3x%4")
                               .arg(area.x())
                               .arg(area.y())
                               .arg(area.width())
                               .arg(area.height());
  return QImage::fromData(run(QStringLiteral("grim"), {"-t", "ppm", "-g", geometry, "-"}));
}

}  // namespace kavenor::wltest
