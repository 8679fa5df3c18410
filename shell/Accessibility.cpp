#include "shell/Accessibility.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>

#include "shell/LayoutMetrics.h"
#include "shell/LessonWindow.h"
#include "shell/MainKavenor.h"
#include "shell/TheoryPane.h"

namespace kavenor {

namespace {

constexpr char kFigureProperty[] = "kavenorFigureDescription";

// The drawing area of a lesson window: no widget of its own (the lesson
// copies its figure onto the window), so an interface without an object,
// a child of the window's.
class FigureAccessible : public QAccessibleInterface {
 public:
  explicit FigureAccessible(LessonWindow* window) : window_(window) {}

  bool isValid() const override { return !window_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return window_ ? window_->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(window_.data());
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessible::Role role() const override { return QAccessible::Graphic; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!window_ || !window_->isVisible()) s.invisible = true;
    s.readOnly = true;
    return s;
  }
  QString text(QAccessible::Text t) const override {
    if (!window_) return {};
    switch (t) {
      case QAccessible::Name: return QString::fromLatin1(window_->Entry().caption);
      case QAccessible::Description: return FigureDescriptionOf(*window_);
      default: return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!window_) return {};
    const LayoutMetrics& m = Layout();
    return QRect(window_->mapToGlobal(QPoint(m.AreaLeft, m.AreaTop)),
                 QSize(m.AreaWidth, m.AreaHeight));
  }

 private:
  QPointer<LessonWindow> window_;
};

// A lesson window: its widgets as children, then its figure.
class LessonWindowAccessible : public QAccessibleWidget {
 public:
  explicit LessonWindowAccessible(LessonWindow* window)
      : QAccessibleWidget(window, QAccessible::Window) {
    figure_ = new FigureAccessible(window);
    figureId_ = QAccessible::registerAccessibleInterface(figure_);
  }
  ~LessonWindowAccessible() override {
    if (QAccessible::accessibleInterface(figureId_) == figure_)
      QAccessible::deleteAccessibleInterface(figureId_);
  }

  int childCount() const override { return QAccessibleWidget::childCount() + 1; }
  QAccessibleInterface* child(int index) const override {
    const int widgets = QAccessibleWidget::childCount();
    if (index == widgets) return figure_;
    return index >= 0 && index < widgets ? QAccessibleWidget::child(index) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == figure_) return QAccessibleWidget::childCount();
    return QAccessibleWidget::indexOfChild(child);
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    if (QAccessibleInterface* c = QAccessibleWidget::childAt(x, y)) return c;
    return figure_->rect().contains(x, y) ? figure_ : nullptr;
  }

 private:
  FigureAccessible* figure_ = nullptr;
  QAccessible::Id figureId_ = 0;
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (className == QLatin1String("kavenor::LessonWindow"))
    if (auto* lesson = qobject_cast<LessonWindow*>(object))
      return new LessonWindowAccessible(lesson);
  // The menu is a window of its own, not a pane of one.
  if (className == QLatin1String("kavenor::TFMainKavenor"))
    return new QAccessibleWidget(widget, QAccessible::Window);
  // The menu's picture of the tower.
  if (className == QLatin1String("QWidget") && widget->objectName() == QLatin1String("Image") &&
      qobject_cast<TFMainKavenor*>(widget->parentWidget()))
    return new QAccessibleWidget(widget, QAccessible::Graphic);
  return nullptr;
}

}  // namespace

void InstallAccessibleInterfaces() {
  static bool installed = false;
  if (installed) return;
  QAccessible::installFactory(factory);
  installed = true;
}

void MakeMenuAccessible(TFMainKavenor& menu, const LessonList& lessons) {
  for (const LessonEntry& e : lessons)
    menu.ButtonLesson(e.number)->setAccessibleName(QString::fromLatin1(e.caption));
  menu.SpeedButtonEinde()->setAccessibleName(QStringLiteral("Exit program"));
  menu.SpeedButtonHelp()->setAccessibleName(QStringLiteral("Help"));
  menu.BitBtnEinde()->setAccessibleDescription(QStringLiteral("Exit program"));
  if (auto* memo = menu.findChild<QWidget*>(QStringLiteral("MemoMain")))
    memo->setAccessibleName(QStringLiteral("Welcome"));
  if (auto* picture = menu.findChild<QWidget*>(QStringLiteral("Image")))
    picture->setAccessibleName(menu.LabelFig()->text());
  // The help glyph takes no focus, so the help has its key.
  auto* help = new QShortcut(QKeySequence::HelpContents, &menu);
  QObject::connect(help, &QShortcut::activated, &menu, &TFMainKavenor::SpeedButtonHelpClick);
}

void MakeLessonAccessible(LessonWindow& lesson, const QString& figureDescription) {
  lesson.setProperty(kFigureProperty, figureDescription);
  lesson.ReturnSpeed()->setAccessibleName(QStringLiteral("Back to the menu"));
  lesson.ReturnButton()->setAccessibleDescription(QStringLiteral("Back to the menu"));
  TheoryPane* pane = lesson.RichEdit();
  pane->setAccessibleName(QStringLiteral("Theory"));
  pane->setTabChangesFocus(true);

  // A scroll bar of the lesson's own sets a value (the centrifuge's speed),
  // it scrolls no view: the arrow keys and the wheel move its thumb the way
  // they point (towards "Fast" for Right), not inverted as for a view's.
  for (QScrollBar* bar : lesson.findChildren<QScrollBar*>(Qt::FindDirectChildrenOnly))
    if (bar->orientation() == Qt::Horizontal) bar->setInvertedControls(false);

  // The frame's controls are made before the lesson's own, the pane among
  // them; the pane comes last: Menu, the lesson's controls, the theory.
  QWidget* last = pane;
  for (QWidget* w = pane->nextInFocusChain(); w != pane; w = w->nextInFocusChain()) {
    if (w == &lesson || w->window() != &lesson) break;  // round to the window itself
    if (w->focusPolicy() & Qt::TabFocus) last = w;
  }
  if (last != pane) QWidget::setTabOrder(last, pane);
}

QString FigureDescriptionOf(const LessonWindow& lesson) {
  return lesson.property(kFigureProperty).toString();
}

}  // namespace kavenor
