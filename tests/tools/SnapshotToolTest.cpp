// The snapshot tool's contract, run as a separate process as its users do.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct ToolRun {
  int exitCode = -1;
  QString stderrText;
};

ToolRun snapshot(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(KAVENOR_SNAPSHOT), args);
  if (!p.waitForFinished(30000)) p.kill(), p.waitForFinished(5000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
          QString::fromLocal8Bit(p.readAllStandardError())};
}

QJsonArray readDump(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return QJsonDocument::fromJson(file.readAll()).array();
}

QJsonObject widget(const QJsonArray& dump, const QString& name) {
  for (const QJsonValue& v : dump)
    if (v.toObject().value("name").toString() == name) return v.toObject();
  return {};
}

class SnapshotTool : public ::testing::Test {
 protected:
  QString file(const char* name) const { return dir.filePath(name); }
  QTemporaryDir dir;
};

TEST_F(SnapshotTool, MenuDumpGivesEveryButtonsGeometryAndTheMenuPicture) {
  const ToolRun run = snapshot({"--window", "FMainKavenor", "--png", file("menu.png"), "--widgets",
                            file("menu.json")});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText.toStdString();
  const QJsonArray dump = readDump(file("menu.json"));
  const int lefts[3] = {441, 546, 651};
  for (int n = 1; n <= 36; ++n) {
    const QJsonObject b = widget(dump, QStringLiteral("ButtonLesson%1").arg(n));
    ASSERT_FALSE(b.isEmpty()) << n;
    EXPECT_EQ(b.value("class").toString(), "QPushButton");
    EXPECT_EQ(b.value("x").toInt(), lefts[(n - 1) / 12]) << n;
    EXPECT_EQ(b.value("y").toInt(), 45 + 41 * ((n - 1) % 12)) << n;
    EXPECT_EQ(b.value("w").toInt(), 95);
    EXPECT_EQ(b.value("h").toInt(), 28);
    EXPECT_TRUE(b.value("visible").toBool());
    EXPECT_TRUE(b.value("enabled").toBool());
  }
  EXPECT_EQ(widget(dump, "ButtonLesson34").value("text").toString(), "CPT");
  EXPECT_FALSE(widget(dump, "Image").value("enabled").toBool(true));

  const QImage png(file("menu.png"));
  ASSERT_FALSE(png.isNull());
  EXPECT_GE(png.width(), 746);
  EXPECT_GE(png.height(), 524);
  EXPECT_EQ(png.pixel(300, 40) & 0xFFFFFF, 0x00FF00u);  // the lime background
}

TEST_F(SnapshotTool, LessonDumpGivesThePanesTextAndRuns) {
  const ToolRun run = snapshot({"--window", "FH31", "--steps", "tick:3,expose,menu,open",
                            "--widgets", file("fh31.json"), "--png", file("fh31.png")});
  ASSERT_EQ(run.exitCode, 0) << run.stderrText.toStdString();
  const QJsonObject pane = widget(readDump(file("fh31.json")), "RichEdit");
  ASSERT_FALSE(pane.isEmpty());
  EXPECT_EQ(pane.value("x").toInt(), 408);
  EXPECT_EQ(pane.value("y").toInt(), 45);
  EXPECT_EQ(pane.value("w").toInt(), 332);
  EXPECT_EQ(pane.value("h").toInt(), 401);
  EXPECT_EQ(pane.value("plain").toString(), pane.value("text").toString());
  const QJsonArray runs = pane.value("runs").toArray();
  // Runs follow each other in text order without overlapping.
  int covered = 0;
  for (const QJsonValue& v : runs) {
    const QJsonObject r = v.toObject();
    for (const char* key : {"start", "length", "family", "size", "italic", "underline"})
      EXPECT_TRUE(r.contains(key)) << key;
    EXPECT_GE(r.value("start").toInt(), covered);
    EXPECT_GT(r.value("length").toInt(), 0);
    covered = r.value("start").toInt() + r.value("length").toInt();
  }
  EXPECT_LE(covered, pane.value("plain").toString().size());
  EXPECT_EQ(QImage(file("fh31.png")).size(), QSize(754, 533));
}

TEST_F(SnapshotTool, TheSameSeedGivesTheSamePicture) {
  for (const char* name : {"a.png", "b.png"})
    ASSERT_EQ(snapshot({"--window", "FH11", "--seed", "5", "--png", file(name)}).exitCode, 0);
  EXPECT_EQ(QImage(file("a.png")), QImage(file("b.png")));
}

TEST_F(SnapshotTool, BadInputIsOneLineOnStderrAndExitCodeTwoAndNothingWritten) {
  const QStringList cases[] = {
      {},
      {"--window"},
      {"--window", "FH99"},
      {"--window", "FH31", "--frames", "3"},
      {"--window", "FH31", "--window", "FH11"},
      {"--window", "FH31", "--seed", "x"},
      {"--window", "FH31", "--seed", "+3"},
      {"--window", "FH31", "--steps", "jump:3"},
      {"--window", "FH31", "--steps", "tick:many"},
      {"--window", "FH31", "--steps", "tick:+5"},
      {"--window", "FH31", "--steps", "tick: 5"},
      {"--window", "FH31", "--steps", "tick:-1"},
      {"--window", "FH31", "--steps", "tick:99999999999"},
      {"--window", "FH31", "--steps", "tick:1,,menu"},
      {"--window", "FH31", "--steps", "expose:1"},
      {"--window", "FH31", "--steps", "click:NoSuchButton"},
      {"--window", "FH31", "--steps", "check:NoSuchBox=1"},
      {"--window", "FH51", "--steps", "check:CheckBox=2"},
      {"--window", "FH51", "--steps", "check:CheckBox=01x"},
      {"--window", "FH31", "--steps", "set:ReturnButton"},
      {"--window", "FH31", "--steps", "set:ReturnButton=1"},
      {"--window", "FH31", "--steps", "answer:Maybe"},
      // A step that needs its window shown, after the window went back.
      {"--window", "FH31", "--steps", "menu,click:ReturnButton"},
      // Answers without a box, boxes without an answer or with a wrong one.
      {"--window", "FH31", "--steps", "answer:OK"},
      {"--window", "FH31", "--steps", "tick:1,answer:OK"},
      {"--window", "FMainKavenor", "--steps", "click:BitBtnEinde"},
      {"--window", "FMainKavenor", "--steps", "click:SpeedButtonHelp"},
      {"--window", "FMainKavenor", "--steps", "click:SpeedButtonHelp,answer:Yes"},
      {"--window", "FMainKavenor", "--steps", "click:SpeedButtonEinde,answer:Yes,expose"},
      // The lesson tools: pause only a moving lesson, step and resume only
      // while it is paused, restart only a lesson.
      {"--window", "FH11", "--steps", "pause"},
      {"--window", "FMainKavenor", "--steps", "pause"},
      {"--window", "FMainKavenor", "--steps", "restart"},
      {"--window", "FH31", "--steps", "step"},
      {"--window", "FH31", "--steps", "resume"},
      {"--window", "FH31", "--steps", "pause,pause"},
      {"--window", "FH31", "--steps", "pause,resume,step"},
      {"--window", "FH31", "--steps", "pause,restart,step"},
      {"--window", "FH31", "--steps", "pause,menu,open,step"},
      {"--window", "FH31", "--steps", "step:1"},
      // An output that cannot be written: the other one is not written either.
      {"--window", "FH31", "--widgets", "/dev/full"},
      {"--window", "FH31", "--widgets", "/no/such/folder/x.json"},
  };
  for (const QStringList& args : cases) {
    SCOPED_TRACE(args.join(' ').toStdString());
    const QString png = file("bad.png");
    QElapsedTimer clock;
    clock.start();
    const ToolRun run = snapshot(QStringList(args) << "--png" << png);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.stderrText.trimmed().count('\n'), 0) << run.stderrText.toStdString();
    EXPECT_TRUE(run.stderrText.startsWith("kavenor-snapshot: ")) << run.stderrText.toStdString();
    EXPECT_FALSE(QFile::exists(png));
    EXPECT_LT(clock.elapsed(), 30000);
  }
}

TEST_F(SnapshotTool, PausedTicksChangeNothingAndAStepIsOneTick) {
  const struct {
    const char* steps;
    const char* same;  // steps giving the same picture
  } cases[] = {
      {"tick:40,pause,tick:50", "tick:40"},
      {"tick:40,pause,tick:50,step,step", "tick:42"},
      {"tick:40,pause,resume,tick:2", "tick:42"},
      {"tick:40,restart,tick:5", "tick:40,menu,open,tick:5"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.steps);
    ASSERT_EQ(snapshot({"--window", "FH31", "--seed", "3", "--steps", c.steps, "--png", file("a.png")})
                  .exitCode,
              0);
    ASSERT_EQ(snapshot({"--window", "FH31", "--seed", "3", "--steps", c.same, "--png", file("b.png")})
                  .exitCode,
              0);
    EXPECT_EQ(QImage(file("a.png")), QImage(file("b.png")));
  }
}

TEST_F(SnapshotTool, EveryStepIsCheckedBeforeTheFirstRuns) {
  // A hundred million ticks would take minutes: the bad step after them is
  // found first.
  QElapsedTimer clock;
  clock.start();
  const ToolRun run = snapshot({"--window", "FH31", "--steps", "tick:100000000,click:Nothing"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_LT(clock.elapsed(), 20000);
}

TEST_F(SnapshotTool, AFailedOutputLeavesBothFilesAsTheyWere) {
  const QString png = file("old.png"), json = file("old.json");
  for (const QString& path : {png, json}) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
  }
  const QStringList cases[] = {
      {"--png", png, "--widgets", "/dev/full"},
      {"--png", "/dev/full", "--widgets", json},
      {"--png", png, "--widgets", dir.filePath("missing/x.json")},
  };
  for (const QStringList& outputs : cases) {
    SCOPED_TRACE(outputs.join(' ').toStdString());
    const ToolRun run = snapshot(QStringList{"--window", "FH11"} << outputs);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.stderrText.trimmed().count('\n'), 0) << run.stderrText.toStdString();
    for (const QString& path : {png, json}) {
      QFile f(path);
      ASSERT_TRUE(f.open(QIODevice::ReadOnly));
      EXPECT_EQ(f.readAll(), "old") << path.toStdString();
    }
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "a temporary file was left";
}

TEST_F(SnapshotTool, AnsweredMessageBoxesLetTheStepsGoOn) {
  for (const char* steps : {"click:SpeedButtonHelp,answer:OK,click:ButtonLesson3",
                            "click:BitBtnEinde,answer:No,expose",
                            "click:SpeedButtonEinde,answer:Yes"}) {
    SCOPED_TRACE(steps);
    const ToolRun run = snapshot({"--window", "FMainKavenor", "--steps", steps, "--widgets",
                                  file("menu.json")});
    ASSERT_EQ(run.exitCode, 0) << run.stderrText.toStdString();
    EXPECT_TRUE(run.stderrText.isEmpty()) << run.stderrText.toStdString();
    EXPECT_FALSE(readDump(file("menu.json")).isEmpty());
  }
}

}  // namespace
