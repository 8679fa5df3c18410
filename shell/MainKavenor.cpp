#include "shell/MainKavenor.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>

#include "shell/Fonts.h"
#include "shell/LayoutMetrics.h"
#include "shell/Rounding.h"
#include "shell/TowerPicture.h"
#include "shell/Widgets.h"

namespace kavenor {

const QString kHelpText = QStringLiteral(
    "Kavenor\r\rThis is a program to show the main principles of soil mechanics.  "
    "By clicking on a button various topics will be presented, by text and graphics.\r\r");
const QString kExitQuestion = QStringLiteral("Are you sure you want to exit the program now?");

namespace {

const QString kWelcome = QStringLiteral(
    "Welcome to Kavenor, a short course on the mechanics of soils. Choose a topic on the right "
    "to see its principle at work beside a summary of the theory.");

// A message box centred on the screen its parent is on, not on the parent.
class ScreenCentredBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);  // gives the box its final size
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (!screen) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
  }
};

}  // namespace

// A picture that ignores the mouse and never greys out: it is disabled only
// so that clicks pass it by.
class PictureBox : public QWidget {
 public:
  PictureBox(const QImage& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
    setObjectName(QStringLiteral("Image"));
    setEnabled(false);
    resize(picture_.size());
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(rect(), picture_);
  }

 private:
  QImage picture_;
};

TFMainKavenor::TFMainKavenor(const LessonList& lessons) {
  SetUpCourseWindow(this, QStringLiteral("FMainKavenor"), QStringLiteral("Kavenor"),
                    QColor(0x00, 0xFF, 0x00), true);
  FormCreate(lessons);
}

void TFMainKavenor::FormCreate(const LessonList& lessons) {
  // The window's size and the title panel's height as the window system
  // reports them: the outer size is fixed, so is the panel.
  const LayoutRules rules = ComputeLayout(kFormWidth, kFormHeight, 32);
  const LayoutMetrics& m = rules.metrics;
  SetLayout(m);

  panel_ = MakeTitlePanel(this, QStringLiteral("KAVENOR"), m.PanelHeight, 9);

  speedButtonEinde_ = MakeSpeedButton(panel_, QStringLiteral("SpeedButtonEinde"));
  speedButtonEinde_->setIcon(StandardIcon(QStyle::SP_DialogCloseButton));
  speedButtonEinde_->setToolTip(QStringLiteral("Exit Program"));
  speedButtonEinde_->setGeometry(panel_->width() - m.SpeedWidth - m.Margin, m.SpeedTop,
                                 m.SpeedWidth, m.SpeedHeight);
  connect(speedButtonEinde_, &QToolButton::clicked, this, &TFMainKavenor::BitBtnEindeClick);

  speedButtonHelp_ = MakeSpeedButton(panel_, QStringLiteral("SpeedButtonHelp"));
  speedButtonHelp_->setIcon(StandardIcon(QStyle::SP_DialogHelpButton));
  speedButtonHelp_->setToolTip(QStringLiteral("Help"));
  speedButtonHelp_->setGeometry(speedButtonEinde_->x() - 40, m.SpeedTop, m.SpeedWidth,
                                m.SpeedHeight);
  connect(speedButtonHelp_, &QToolButton::clicked, this, &TFMainKavenor::SpeedButtonHelpClick);

  // Three columns of twelve buttons, from the right edge inwards.
  const int lefts[3] = {m.MenuColumnX - 2 * m.ButtonWidth - 2 * m.Margin,
                        m.MenuColumnX - m.ButtonWidth - m.Margin, m.MenuColumnX};
  for (const LessonEntry& e : lessons) {
    QPushButton* b = MakePushButton(this, QStringLiteral("ButtonLesson%1").arg(e.number),
                                    QString::fromLatin1(e.button));
    b->setGeometry(lefts[e.column - 1],
                   rules.FirstButtonTop + (e.row - 1) * (m.ButtonHeight + rules.Gap),
                   m.ButtonWidth, m.ButtonHeight);
    const int number = e.number;
    connect(b, &QPushButton::clicked, this, [this, number] { ButtonLessonClick(number); });
    lessonButtons_[e.number - 1] = b;
  }
  lessonButtons_[0]->setFont(Face(QString::fromLatin1(kSansFamily), 9, true));

  memoMain_ = new QPlainTextEdit(kWelcome, this);
  memoMain_->setObjectName(QStringLiteral("MemoMain"));
  memoMain_->setReadOnly(true);
  // A click focuses it, so its text can be selected and copied; Tab passes
  // it by.
  memoMain_->setFocusPolicy(Qt::ClickFocus);
  memoMain_->setGeometry(m.AreaLeft, m.AreaTop, nearest(m.AreaWidth * 0.7L),
                         nearest(m.AreaHeight * 0.5L));

  image_ = new PictureBox(TowerPicture(), this);
  image_->move((kFormWidth - image_->width()) / 4, 100);

  labelFig_ = new QLabel(QStringLiteral("The leaning tower of Pisa, in 1790"), this);
  labelFig_->setObjectName(QStringLiteral("LabelFig"));
  labelFig_->setAutoFillBackground(true);
  QPalette white = labelFig_->palette();
  white.setColor(QPalette::Window, Qt::white);
  labelFig_->setPalette(white);
  labelFig_->resize(labelFig_->sizeHint());
  labelFig_->move((kFormWidth - labelFig_->width()) / 4,
                  image_->y() + image_->height() - labelFig_->height() - 5);

  bitBtnEinde_ = MakePushButton(this, QStringLiteral("BitBtnEinde"), QStringLiteral("End"));
  bitBtnEinde_->setIcon(StandardIcon(QStyle::SP_DialogCloseButton));
  bitBtnEinde_->setToolTip(QStringLiteral("Exit Program"));
  bitBtnEinde_->setGeometry(m.Margin, m.FormHeight - 3 * m.ButtonHeight, m.ButtonWidth,
                            m.ButtonHeight);
  connect(bitBtnEinde_, &QPushButton::clicked, this, &TFMainKavenor::BitBtnEindeClick);

  // The memo is a window of its own and lies above the picture.
  memoMain_->raise();
  labelFig_->raise();

  QWidget* order[] = {bitBtnEinde_, lessonButtons_[0], panel_, memoMain_};
  QWidget* previous = nullptr;
  for (QWidget* w : order) {
    if (previous) setTabOrder(previous, w);
    previous = w;
  }
  for (int i = 1; i < kLessonCount; ++i) {
    setTabOrder(previous, lessonButtons_[i]);
    previous = lessonButtons_[i];
  }
  bitBtnEinde_->setFocus(Qt::OtherFocusReason);
  SharePushButtonPalette();
}

void TFMainKavenor::SharePushButtonPalette() {
  // The 37 push buttons are of one size and look alike: with one palette the
  // style draws their face once and takes it from its cache for the others.
  std::array<QWidget*, kLessonCount + 1> buttons{};
  std::copy(lessonButtons_.begin(), lessonButtons_.end(), buttons.begin());
  buttons.back() = bitBtnEinde_;
  SharePalette(buttons);
}

void TFMainKavenor::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  // The buttons no longer inherit the window's palette by themselves.
  if (event->type() == QEvent::PaletteChange && bitBtnEinde_) SharePushButtonPalette();
}

void TFMainKavenor::ButtonLessonClick(int number) {
  if (onLesson_) onLesson_(number);
}

void TFMainKavenor::SpeedButtonHelpClick() {
  QString shown = kHelpText;
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  ScreenCentredBox box(QMessageBox::NoIcon, QStringLiteral("Kavenor"), shown, QMessageBox::Ok,
                       this);
  box.setObjectName(QStringLiteral("HelpBox"));
  // Like Yes and No of the exit question, OK answers to its underlined letter.
  box.button(QMessageBox::Ok)->setText(QStringLiteral("&OK"));
  box.exec();
  TakeFocusBack();
}

void TFMainKavenor::BitBtnEindeClick() {
  ScreenCentredBox box(QMessageBox::Question, QStringLiteral("Confirm"), kExitQuestion,
                       QMessageBox::Yes | QMessageBox::No, this);
  box.setObjectName(QStringLiteral("ExitQuestion"));
  box.setDefaultButton(QMessageBox::Yes);
  if (box.exec() == QMessageBox::Yes && onExit_) onExit_();
  TakeFocusBack();
}

void TFMainKavenor::TakeFocusBack() {
  // Without a window manager nobody gives the keyboard back to the menu when
  // a dialog closes, and the keys would go nowhere.
  if (isVisible() && !isActiveWindow()) BringToFront(this);
}

void TFMainKavenor::closeEvent(QCloseEvent* event) {
  // A close by the window system asks the exit question like "End".
  event->ignore();
  BitBtnEindeClick();
}

}  // namespace kavenor
