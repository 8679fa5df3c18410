#pragma once
// The steps a headless run takes in a lesson window, in one strict form, as
// the snapshot tool and the handout give them: open the window the way the
// menu does, then, for example, "tick:121,click:ButtonShake,tick:1150".
//   tick:N               N timer ticks of the window (none while its timer is off)
//   click:OBJECT         a click on a button
//   select:OBJECT=INDEX  the radio button INDEX of a radio group
//   check:OBJECT=0|1     a check box off or on
//   set:OBJECT=VALUE     a scroll bar's position
//   expose               a repaint asked by the window system
//   menu                 back to the menu
//   open                 open the window again
//   answer:Yes|No|OK     answers the message box the step before opened
// N, INDEX and VALUE are plain unsigned decimal numbers. Every step is checked
// against the window before the first runs. A step that opens a message box
// must be followed by an answer.
//
// Bad steps throw StepFailure; it is thrown only outside the event loop, so
// everything unwinds normally.

#include <QMessageBox>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QWidget;

namespace kavenor {

class Course;

struct StepFailure {
  QString message;
};

// A plain unsigned decimal number no greater than `max`.
std::optional<quint64> PlainNumber(const QString& text, quint64 max);

enum class Verb { Tick, Click, Select, Check, Set, Expose, Menu, Open, Answer };

struct Step {
  QString text;  // as given, for messages
  Verb verb = Verb::Expose;
  QString object;
  int number = 0;
  QMessageBox::StandardButton answer = QMessageBox::NoButton;
};
// One step from its text; throws StepFailure for anything that is not a step.
Step ParseStep(const QString& text);

// Runs steps in one window of a course: FMainKavenor or a lesson.
class StepRunner {
 public:
  StepRunner(Course& course, const QString& window);
  ~StepRunner();

  // Finds each step's control and checks its number against it.
  void Check(const std::vector<Step>& steps);
  // Opens the window as the menu does (the menu: as at start-up).
  void Open();
  // Runs one step; `answer` is the step after, when it answers a box.
  void Run(const Step& step, const Step* answer);
  QWidget* Target() const;

 private:
  class Impl;
  std::unique_ptr<Impl> impl_;
};

// One line of the course's moments (course/moments, carried as a resource):
// a picture's file name, its window and the steps after opening it.
struct Moment {
  QString picture;  // FH12-start.png
  QString window;   // FH12
  std::vector<Step> steps;
};
// The whole list, in its order; throws StepFailure for a bad line.
std::vector<Moment> Moments();
// Opens the moment's window in `course` as the menu does and runs its steps;
// throws StepFailure where a step does not fit the window.
void RunMoment(Course& course, const Moment& moment);

}  // namespace kavenor
