#pragma once
// LessonTools: what a teacher or a student reaches for in every lesson
// window: hold the animation, go on a tick at a time, start the lesson again,
// take its picture and its theory away. One set per window, owned by its
// frame, reaching the lesson only through what every lesson has: its timer
// (through the frame's hold), its activation, its drawing and its pane.
//
// The commands are a context menu on the window (right click, the Menu key,
// Shift+F10) and shortcuts shown beside each entry:
//
//   Pause / Resume   Ctrl+Shift+P      (only where the timer moves the picture)
//   Step             Ctrl+Shift+N      (while paused)
//   Restart          Ctrl+R
//   Copy picture     Ctrl+Shift+C
//   Save picture...  Ctrl+S
//   Copy theory      Ctrl+Shift+T
//   Print...         Ctrl+P
//
// Unused, they change nothing: no control, focus order or picture of the
// lesson; the shortcuts belong to the window only while it is active.

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QString>
#include <optional>

class QAction;
class QMenu;
class QMimeData;
class QPrinter;
class QWidget;

namespace kavenor {

class LessonWindow;

// The tools' own dialogs carry this property: the focus coming back from one
// of them is not a return from one of the lesson's dialogs, so the lesson is
// not activated again (saving a held picture must not start it afresh).
inline constexpr char kToolDialogProperty[] = "kavenorLessonTool";
bool IsToolDialog(const QWidget* widget);

// The dialogs the tools ask: the standard ones, or a test's.
class LessonToolDialogs {
 public:
  virtual ~LessonToolDialogs() = default;
  // The file to save a picture in; empty when the person cancels.
  virtual QString PictureFileName(QWidget* parent, const QString& suggested);
  // Lets the person choose the printer and its settings; whether to print.
  virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer);
};
// Makes `dialogs` the ones every lesson's tools ask (nullptr: the standard
// ones again). The caller keeps it alive while it is in use.
void SetLessonToolDialogs(LessonToolDialogs* dialogs);

class LessonTools : public QObject {
  Q_OBJECT

 public:
  explicit LessonTools(LessonWindow& lesson);
  ~LessonTools() override;

  enum Command { Pause, Step, Restart, CopyPicture, SavePicture, CopyTheory, Print };
  QAction* Action(Command command) const { return actions_[command]; }
  // The menu, made on first use.
  QMenu& Menu();
  // Opens the menu at a point of the screen, or below the picture's corner
  // for a keyboard request.
  void ShowMenu(std::optional<QPoint> at);
  // Brings the entries up to date with the lesson (held or not).
  void Update();

  // The picture as shown, at the scale of the window's screen.
  QImage Picture() const;
  // The theory pane's text: plain text with its Greek letters as characters,
  // and rich text with its styles.
  QMimeData* Theory() const;
  // Writes the picture to `path` as a PNG, completely or not at all; the
  // reason when it could not.
  std::optional<QString> WritePicture(const QString& path) const;
  // Prints the lesson on one page of `printer`; the reason when it could not.
  std::optional<QString> PrintTo(QPrinter& printer) const;

 private:
  void triggered(Command command);
  void savePicture();
  void print();
  void warn(const QString& title, const QString& text);

  LessonWindow& lesson_;
  QAction* actions_[Print + 1] = {};
  QAction* menuKey_ = nullptr;
  QMenu* menu_ = nullptr;
};

}  // namespace kavenor
