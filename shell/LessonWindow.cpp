#include "shell/LessonWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QWindow>
#include <unordered_map>
#include <xcb/xcb.h>

#include "shell/LessonTimer.h"
#include "shell/LessonTools.h"
#include "shell/TheoryPane.h"
#include "shell/Widgets.h"

namespace kavenor {

// On X11 a showing arrives as two exposes: the toolkit announces one when the
// window is mapped, and the X server then sends its own Expose for the freshly
// mapped window. Both are the same showing, so the server's first Expose after
// a map is not a repaint request of its own. This filter watches the X event
// stream for that pair; it sees each event before the toolkit turns it into
// an expose.
class LessonWindow::MapExposeWatch : public QAbstractNativeEventFilter {
 public:
  static MapExposeWatch& Instance() {
    static MapExposeWatch watch;
    return watch;
  }
  void Watch(quintptr window, LessonWindow* lesson) {
    if (!installed_) {
      if (auto* dispatcher = QAbstractEventDispatcher::instance()) {
        dispatcher->installNativeEventFilter(this);
        installed_ = true;
      }
    }
    lessons_[window] = lesson;
  }
  void Forget(LessonWindow* lesson) {
    std::erase_if(lessons_, [lesson](const auto& entry) { return entry.second == lesson; });
  }

  bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
    if (type != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7F) {
      case XCB_MAP_NOTIFY: {
        const auto* map = static_cast<const xcb_map_notify_event_t*>(message);
        if (LessonWindow* lesson = find(map->window)) lesson->mapExposeAwaited_ = true;
        break;
      }
      case XCB_EXPOSE: {
        const auto* expose = static_cast<const xcb_expose_event_t*>(message);
        LessonWindow* lesson = find(expose->window);
        if (lesson && lesson->mapExposeAwaited_) {
          lesson->mapExposeAwaited_ = false;
          ++lesson->exposesOfTheShowing_;
        }
        break;
      }
      default: break;
    }
    return false;
  }

 private:
  LessonWindow* find(quintptr window) const {
    const auto it = lessons_.find(window);
    return it == lessons_.end() ? nullptr : it->second;
  }
  std::unordered_map<quintptr, LessonWindow*> lessons_;
  bool installed_ = false;
};

LessonWindow::LessonWindow(const LessonEntry& entry, QWidget* parent)
    : QWidget(parent), entry_(entry) {
  const LayoutMetrics& m = Layout();
  SetUpCourseWindow(this, QString::fromLatin1(entry.window), QString::fromLatin1(entry.caption),
                    QApplication::palette().color(QPalette::Button), false);

  panel_ = MakeTitlePanel(this, QString::fromLatin1(entry.panel), m.PanelHeight, 8);

  const QIcon back = StandardIcon(QStyle::SP_ArrowBack);
  returnButton_ = MakePushButton(this, QStringLiteral("ReturnButton"), QStringLiteral("Menu"));
  returnButton_->setIcon(back);
  returnButton_->setGeometry(m.Margin, m.FormHeight - 3 * m.ButtonHeight, m.ButtonWidth,
                             m.ButtonHeight);
  connect(returnButton_, &QPushButton::clicked, this, &LessonWindow::ReturnButtonClick);

  returnSpeed_ = MakeSpeedButton(panel_, QStringLiteral("ReturnSpeed"));
  returnSpeed_->setIcon(back);
  returnSpeed_->setToolTip(QStringLiteral("Menu"));
  returnSpeed_->setGeometry(panel_->width() - m.SpeedWidth - m.Margin, m.SpeedTop, m.SpeedWidth,
                            m.SpeedHeight);
  connect(returnSpeed_, &QToolButton::clicked, this, &LessonWindow::ReturnButtonClick);

  richEdit_ = new TheoryPane(this);
  if (entry.placement != PanePlacement::Paint) PlacePane();

  if (entry.timer.exists) {
    timer_ = std::make_unique<LessonTimer>();
    timer_->OnTick([this] { tick(); });
    timer_->SetInterval(entry.timer.interval);
    timer_->SetEnabled(entry.timer.enabled);
  }
  tools_ = std::make_unique<LessonTools>(*this);
}

LessonWindow::~LessonWindow() { MapExposeWatch::Instance().Forget(this); }

void LessonWindow::PlacePane() {
  const LayoutMetrics& m = Layout();
  richEdit_->setGeometry(m.FormWidth - m.AreaWidth - 2 * m.AreaLeft, m.AreaTop, m.AreaWidth,
                         PaneHeight(entry_.pane, m));
}

void LessonWindow::Open() {
  SetHeld(false);  // a lesson opens running
  // The opening's activation draws the first picture, whether or not the
  // window system gives the window the focus. What the hidden ticks left
  // pending is drawn with it, only where the activation draws nothing, so
  // each place is drawn once and the old picture is never copied first.
  opening_ = true;
  show();
  BringToFront(this);
  returnButton_->setFocus(Qt::OtherFocusReason);
  Activate();
  opening_ = false;
  drawPending();
}

void LessonWindow::Activate() {
  if (entry_.placement == PanePlacement::CreateAndActivate) PlacePane();
  FormActivate();
  richEdit_->EndComposition();
}

void LessonWindow::sleepIfAtRest() {
  if (timer_ && !isVisible() && AtRest()) timer_->SetPaused(true);
}

void LessonWindow::tick() {
  if (held_) return;
  TimerTimer();
  sleepIfAtRest();
}

void LessonWindow::SetHeld(bool held) {
  if (held && !Animated(entry_)) return;
  if (held_ == held) return;
  held_ = held;
  // The real timer sleeps while held; the ticks a manual timer still
  // delivers do nothing.
  if (timer_) timer_->SetPaused(held_);
  tools_->Update();
}

void LessonWindow::StepHeld() {
  if (!held_ || !timer_ || !timer_->Running()) return;
  TimerTimer();
  sleepIfAtRest();
}

void LessonWindow::Restart() {
  // Leaving and opening again, without the window going away: the way back
  // (some lessons start their animation again there), the activation, and
  // the repaint a showing brings.
  SetHeld(false);
  WayOut();
  Activate();
  SystemRepaint();
}

void LessonWindow::ReturnButtonClick() {
  hide();
  SetHeld(false);
  WayOut();
  sleepIfAtRest();
  if (navigator_) navigator_->ShowMenu();
}

void LessonWindow::SystemRepaint() {
  if (entry_.placement == PanePlacement::Paint) PlacePane();
  if (paintConnected_) FormPaint();
  richEdit_->EndComposition();
  update();
}

void LessonWindow::ShowFigure(std::function<void(Canvas&)> figure) {
  const LayoutMetrics& m = Layout();
  ShowFigure(std::move(figure), QPoint(m.AreaLeft, m.AreaTop));
}

void LessonWindow::ShowFigure(std::function<void(Canvas&)> figure, QPoint at) {
  PendingFigure pending{std::move(figure), at};
  std::erase_if(pending_, [at](const PendingFigure& p) { return p.at == at; });
  if (isVisible() && !opening_)
    drawNow(pending);
  else
    pending_.push_back(std::move(pending));
}

void LessonWindow::drawNow(const PendingFigure& pending) {
  pending.figure(canvasBitmap_);
  if (surface_.isNull()) {
    // Made on the first drawing: most windows are never opened in a run.
    surface_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
    surface_.fill(Qt::transparent);
  }
  canvasBitmap_.CopyTo(surface_, pending.at.x(), pending.at.y());
  const QRect copied =
      QRect(pending.at, QSize(canvasBitmap_.Width(), canvasBitmap_.Height())) & surface_.rect();
  const bool first = pictureRect_.isEmpty();
  pictureRect_ |= copied;
  if (first && tools_) tools_->Update();
  update(copied);
}

void LessonWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (timer_) timer_->SetPaused(false);
  // A new showing: whatever a hidden-too-soon showing left pending is void.
  mapExposeAwaited_ = false;
  exposesOfTheShowing_ = 0;
  showingPainted_ = false;
  if (!exposeWatched_ && windowHandle()) {
    windowHandle()->installEventFilter(this);
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) MapExposeWatch::Instance().Watch(winId(), this);
    picturesKept_ = platform.startsWith(QLatin1String("wayland"));
    exposeWatched_ = true;
  }
  if (!opening_) drawPending();
}

void LessonWindow::drawPending() {
  const std::vector<PendingFigure> pending = std::move(pending_);
  pending_.clear();
  for (const PendingFigure& figure : pending) drawNow(figure);
}

bool LessonWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && watched == windowHandle() && isVisible() &&
      windowHandle()->isExposed()) {
    if (exposesOfTheShowing_ > 0)
      --exposesOfTheShowing_;  // the second half of a showing already painted
    else if (!(picturesKept_ && showingPainted_))
      SystemRepaint();
    showingPainted_ = true;
  }
  return QWidget::eventFilter(watched, event);
}

void LessonWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!surface_.isNull()) painter.drawImage(0, 0, surface_);
}

void LessonWindow::closeEvent(QCloseEvent* event) {
  // A close by the window system acts as the Menu button: the lesson is only
  // ever hidden, and the menu comes back.
  event->ignore();
  if (isVisible()) ReturnButtonClick();
}

void LessonWindow::contextMenuEvent(QContextMenuEvent* event) {
  // Reached by the clicks and keys no control of the lesson took for itself.
  tools_->ShowMenu(event->reason() == QContextMenuEvent::Mouse ? std::optional(event->globalPos())
                                                              : std::nullopt);
  event->accept();
}

}  // namespace kavenor
