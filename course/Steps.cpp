#include "course/Steps.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <limits>

#include "course/Course.h"
#include "shell/LessonTimer.h"

namespace kavenor {

namespace {

[[noreturn]] void fail(const QString& message) { throw StepFailure{message}; }

void settle() {
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

QString className(const QMetaObject& meta) { return QString::fromLatin1(meta.className()); }
}  // namespace

// A plain unsigned decimal number no greater than `max`.
std::optional<quint64> PlainNumber(const QString& text, quint64 max) {
  static const QRegularExpression digits(QStringLiteral("^[0-9]{1,19}$"));
  if (!digits.match(text).hasMatch()) return std::nullopt;
  const quint64 value = text.toULongLong();
  if (value > max) return std::nullopt;
  return value;
}

// The forms of a step, exactly: anything else is not a step.
Step ParseStep(const QString& text) {
  static const QRegularExpression form(QStringLiteral(
      "^(?:(tick):([0-9]+)|(click):(\\w+)|(select|check|set):(\\w+)=([0-9]+)|"
      "(expose|menu|open)|(answer):(Yes|No|OK))$"));
  const QRegularExpressionMatch m = form.match(text);
  if (!m.hasMatch()) fail(QStringLiteral("unknown step \"%1\"").arg(text));
  Step s;
  s.text = text;
  auto count = [&](const QString& digits) {
    const auto n = PlainNumber(digits, std::numeric_limits<int>::max());
    if (!n) fail(QStringLiteral("the number in step %1 is too large").arg(text));
    return static_cast<int>(*n);
  };
  if (!m.captured(1).isEmpty()) {
    s.verb = Verb::Tick;
    s.number = count(m.captured(2));
  } else if (!m.captured(3).isEmpty()) {
    s.verb = Verb::Click;
    s.object = m.captured(4);
  } else if (!m.captured(5).isEmpty()) {
    const QString verb = m.captured(5);
    s.verb = verb == QLatin1String("select") ? Verb::Select
             : verb == QLatin1String("check") ? Verb::Check
                                               : Verb::Set;
    s.object = m.captured(6);
    s.number = count(m.captured(7));
    if (s.verb == Verb::Check && s.number > 1)
      fail(QStringLiteral("step %1: a check box is set to 0 or 1").arg(text));
  } else if (!m.captured(8).isEmpty()) {
    const QString verb = m.captured(8);
    s.verb = verb == QLatin1String("expose") ? Verb::Expose
             : verb == QLatin1String("menu")  ? Verb::Menu
                                              : Verb::Open;
  } else {
    s.verb = Verb::Answer;
    const QString button = m.captured(10);
    s.answer = button == QLatin1String("Yes") ? QMessageBox::Yes
               : button == QLatin1String("No") ? QMessageBox::No
                                               : QMessageBox::Ok;
  }
  return s;
}
class StepRunner::Impl {
 public:
  Impl(Course& course, const QString& window) : course_(course) {
    if (window == QLatin1String("FMainKavenor")) {
      target_ = &course.Menu();
    } else {
      lesson_ = course.Find(window);
      if (!lesson_) fail(QStringLiteral("unknown window %1").arg(window));
      target_ = lesson_;
    }
    // Answering Yes to the exit question ends the program; what it showed
    // last is what gets written.
    course.Menu().OnExit([this] { ended_ = true; });
  }

  // Finds each step's control and checks its number against it.
  void check(const std::vector<Step>& steps) {
    for (const Step& s : steps) {
      switch (s.verb) {
        case Verb::Click: control<QAbstractButton>(s); break;
        case Verb::Check: control<QCheckBox>(s); break;
        case Verb::Select: {
          const qsizetype items = control<QWidget>(s)->findChildren<QRadioButton*>().size();
          if (items == 0) fail(QStringLiteral("step %1: %2 is no radio group").arg(s.text, s.object));
          if (s.number >= items)
            fail(QStringLiteral("step %1: %2 has %3 items").arg(s.text, s.object).arg(items));
          break;
        }
        case Verb::Set: {
          const QAbstractSlider* bar = control<QAbstractSlider>(s);
          if (s.number < bar->minimum() || s.number > bar->maximum())
            fail(QStringLiteral("step %1: %2 runs from %3 to %4")
                     .arg(s.text, s.object)
                     .arg(bar->minimum())
                     .arg(bar->maximum()));
          break;
        }
        default: break;
      }
    }
  }

  void open() {
    if (lesson_)
      course_.OpenLesson(lesson_->Entry().number);
    else
      course_.Start();
    settle();
  }

  // Runs the steps in order; `answer` is the step after, when it answers a box.
  void run(const Step& step, const Step* answer) {
    if (ended_) fail(QStringLiteral("step %1 comes after the program ended").arg(step.text));
    if (step.verb == Verb::Answer)
      fail(QStringLiteral("step %1: the step before opened no message box").arg(step.text));
    {
      const std::unique_ptr<QTimer> watch = watchForBox(step, answer);
      act(step);
      settle();
    }
    if (boxProblem_) fail(*boxProblem_);
    if (answer && !answered_)
      fail(QStringLiteral("step %1: step %2 opened no message box").arg(answer->text, step.text));
  }

  QWidget* target() const { return target_; }

 private:
  template <typename T>
  T* control(const Step& s) const {
    T* found = target_->findChild<T*>(s.object);
    if (!found)
      fail(QStringLiteral("step %1: no %2 named %3 in %4")
               .arg(s.text, className(T::staticMetaObject), s.object, target_->objectName()));
    return found;
  }

  void needShown(const Step& s) const {
    if (!target_->isVisible())
      fail(QStringLiteral("step %1: %2 is hidden").arg(s.text, target_->objectName()));
  }

  void act(const Step& s) {
    switch (s.verb) {
      case Verb::Tick: {
        LessonTimer* timer = lesson_ ? lesson_->Timer() : nullptr;
        for (int i = 0; i < s.number && timer; ++i) timer->Fire();
        break;
      }
      case Verb::Click:
        needShown(s);
        control<QAbstractButton>(s)->click();
        break;
      case Verb::Check: {
        needShown(s);
        QCheckBox* box = control<QCheckBox>(s);
        if (box->isChecked() != (s.number == 1)) box->click();
        break;
      }
      case Verb::Select:
        needShown(s);
        control<QWidget>(s)->findChildren<QRadioButton*>()[s.number]->click();
        break;
      case Verb::Set:
        needShown(s);
        control<QAbstractSlider>(s)->setValue(s.number);
        break;
      case Verb::Expose:
        if (lesson_)
          lesson_->SystemRepaint();
        else
          target_->update();
        break;
      case Verb::Menu:
        if (lesson_ && lesson_->isVisible()) lesson_->ReturnButtonClick();
        break;
      case Verb::Open: open(); break;
      case Verb::Answer: break;
    }
  }

  // A message box runs its own event loop until it is answered: the answer,
  // or the complaint that none was given, comes from a watch that runs inside
  // that loop for as long as the step lasts.
  std::unique_ptr<QTimer> watchForBox(const Step& step, const Step* answer) {
    answered_ = false;
    boxProblem_.reset();
    auto watch = std::make_unique<QTimer>();
    watch->setInterval(0);
    const QString stepText = step.text;
    const std::optional<Step> planned = answer ? std::optional<Step>(*answer) : std::nullopt;
    QObject::connect(watch.get(), &QTimer::timeout, watch.get(), [=, this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isVisible()) return;
      if (!planned) {
        boxProblem_ = QStringLiteral("step %1 opened a message box (\"%2\"): follow it with "
                                     "answer:Yes, answer:No or answer:OK")
                          .arg(stepText, box->windowTitle());
        box->done(QMessageBox::Cancel);
      } else if (QAbstractButton* button = box->button(planned->answer)) {
        answered_ = true;
        button->click();
      } else {
        boxProblem_ = QStringLiteral("step %1: the message box opened by %2 has no such button")
                          .arg(planned->text, stepText);
        box->done(QMessageBox::Cancel);
      }
    });
    watch->start();
    return watch;
  }

  Course& course_;
  LessonWindow* lesson_ = nullptr;
  QWidget* target_ = nullptr;
  bool ended_ = false;
  bool answered_ = false;
  std::optional<QString> boxProblem_;
};

StepRunner::StepRunner(Course& course, const QString& window)
    : impl_(std::make_unique<Impl>(course, window)) {}
StepRunner::~StepRunner() = default;
void StepRunner::Check(const std::vector<Step>& steps) { impl_->check(steps); }
void StepRunner::Open() { impl_->open(); }
void StepRunner::Run(const Step& step, const Step* answer) { impl_->run(step, answer); }
QWidget* StepRunner::Target() const { return impl_->target(); }

std::vector<Moment> Moments() {
  QFile file(QStringLiteral(":/kavenor/moments"));
  if (!file.open(QIODevice::ReadOnly))
    throw StepFailure{QStringLiteral("the list of moments is missing")};
  std::vector<Moment> list;
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
    const QString row = line.trimmed();
    if (row.isEmpty() || row.startsWith(QLatin1Char('#'))) continue;
    const QStringList fields = row.split(blanks);
    if (fields.size() > 3) throw StepFailure{QStringLiteral("bad moment \"%1\"").arg(row)};
    Moment m{fields[0], fields.value(1), {}};
    if (fields.size() == 3)
      for (const QString& step : fields[2].split(QLatin1Char(',')))
        m.steps.push_back(ParseStep(step));
    list.push_back(std::move(m));
  }
  return list;
}

void RunMoment(Course& course, const Moment& moment) {
  StepRunner runner(course, moment.window);
  runner.Check(moment.steps);
  runner.Open();
  for (std::size_t i = 0; i < moment.steps.size(); ++i) {
    const Step* next = i + 1 < moment.steps.size() ? &moment.steps[i + 1] : nullptr;
    const bool answered = next && next->verb == Verb::Answer;
    runner.Run(moment.steps[i], answered ? next : nullptr);
    if (answered) ++i;
  }
}

}  // namespace kavenor
