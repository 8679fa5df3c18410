#include "shell/LessonWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

#include "shell/LessonTimer.h"
#include "shell/TheoryPane.h"
#include "shell/Widgets.h"

namespace kavenor {

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
    timer_->OnTick([this] { TimerTimer(); });
    timer_->SetInterval(entry.timer.interval);
    timer_->SetEnabled(entry.timer.enabled);
  }
}

LessonWindow::~LessonWindow() = default;

void LessonWindow::PlacePane() {
  const LayoutMetrics& m = Layout();
  richEdit_->setGeometry(m.FormWidth - m.AreaWidth - 2 * m.AreaLeft, m.AreaTop, m.AreaWidth,
                         PaneHeight(entry_.pane, m));
}

void LessonWindow::Open() {
  show();
  BringToFront(this);
  returnButton_->setFocus(Qt::OtherFocusReason);
  Activate();
}

void LessonWindow::Activate() {
  if (entry_.placement == PanePlacement::CreateAndActivate) PlacePane();
  FormActivate();
}

void LessonWindow::ReturnButtonClick() {
  hide();
  WayOut();
  if (navigator_) navigator_->ShowMenu();
}

void LessonWindow::SystemRepaint() {
  if (entry_.placement == PanePlacement::Paint) PlacePane();
  if (paintConnected_) FormPaint();
  update();
}

void LessonWindow::ShowFigure(std::function<void(Canvas&)> figure) {
  const LayoutMetrics& m = Layout();
  ShowFigure(std::move(figure), QPoint(m.AreaLeft, m.AreaTop));
}

void LessonWindow::ShowFigure(std::function<void(Canvas&)> figure, QPoint at) {
  PendingFigure pending{std::move(figure), at};
  std::erase_if(pending_, [at](const PendingFigure& p) { return p.at == at; });
  if (isVisible())
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
  update(QRect(pending.at, QSize(canvasBitmap_.Width(), canvasBitmap_.Height())));
}

void LessonWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!exposeWatched_ && windowHandle()) {
    windowHandle()->installEventFilter(this);
    exposeWatched_ = true;
  }
  const std::vector<PendingFigure> pending = std::move(pending_);
  pending_.clear();
  for (const PendingFigure& figure : pending) drawNow(figure);
}

bool LessonWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Expose && watched == windowHandle() && isVisible() &&
      windowHandle()->isExposed())
    SystemRepaint();
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

}  // namespace kavenor
