#pragma once
// LessonWindow: the frame every lesson window is built on. A title panel
// with its small return button, the "Menu" button, the drawing area at
// (AreaLeft, AreaTop), the theory pane at x = 408 and the lesson's timer.
//
// A lesson derives from it, adds its controls and composes its theory text in
// its constructor (its FormCreate), and overrides the handlers it connects:
// FormActivate (each opening from the menu), FormPaint (when the window
// system asks for a repaint; connect it with ConnectPaint()), TimerTimer and
// WayOut (run on the way back to the menu, between hiding the lesson and
// showing the menu).
//
// Drawing: ShowFigure() draws a figure into CanvasBitmap and copies it to the
// window in one block copy. While the window is hidden the last figure asked
// for at each destination is kept and drawn only when the window is shown
// (a lesson with two pictures keeps both), so hidden lessons cost nothing to
// draw; a figure therefore captures the model state it draws by
// value. The window keeps what was last copied to it, so covering and
// uncovering it shows the last picture.

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "shell/Canvas.h"
#include "shell/LessonTable.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace kavenor {

class LessonTimer;
class LessonTools;
class TheoryPane;

// Where lessons go back to: the application's menu.
class Navigator {
 public:
  virtual ~Navigator() = default;
  virtual void ShowMenu() = 0;
};

class LessonWindow : public QWidget {
  Q_OBJECT

 public:
  explicit LessonWindow(const LessonEntry& entry, QWidget* parent = nullptr);
  ~LessonWindow() override;

  const LessonEntry& Entry() const { return entry_; }
  void SetNavigator(Navigator* navigator) { navigator_ = navigator; }

  // Shows the window as the menu does: visible, in front, ReturnButton
  // focused, then the activation handler once.
  void Open();
  // The shared handler of ReturnButton and ReturnSpeed.
  void ReturnButtonClick();
  // Activation: the pane placement of its row, then FormActivate.
  void Activate();
  // A repaint asked by the window system (an expose): FormPaint, where
  // connected, then the copy of the window's picture to the screen.
  void SystemRepaint();

  bool PaintConnected() const { return paintConnected_; }
  // Whether the lesson is at rest (see AtRest).
  bool Resting() const { return AtRest(); }
  LessonTimer* Timer() const { return timer_.get(); }
  TheoryPane* RichEdit() const { return richEdit_; }
  QPushButton* ReturnButton() const { return returnButton_; }
  QToolButton* ReturnSpeed() const { return returnSpeed_; }
  QLabel* Panel() const { return panel_; }
  Canvas& CanvasBitmap() { return canvasBitmap_; }
  // What the window shows of its own drawing (transparent where nothing was
  // copied yet; null before the first drawing), in window coordinates.
  const QImage& Surface() const { return surface_; }

  // The classroom tools (see LessonTools): reached through the context menu
  // and the shortcuts it shows; unused, they change nothing.
  LessonTools& Tools() const { return *tools_; }
  // Holding: while held, the lesson's own ticks do nothing and its picture
  // stands still. Only a lesson whose picture moves with its timer is held;
  // leaving the lesson or restarting it lets go.
  void SetHeld(bool held);
  bool Held() const { return held_; }
  // One tick of a held lesson, exactly what its timer's tick does (nothing
  // while the timer is off).
  void StepHeld();
  // What leaving the lesson and opening it again from the menu does to it,
  // in its window: the way back, the activation and the repaint of the
  // showing; a held lesson is let go.
  void Restart();
  // Where the window shows its own drawing: every place a figure was copied
  // to so far (empty before the first drawing), in window coordinates.
  QRect PictureRect() const { return pictureRect_; }

 protected:
  virtual void FormActivate() {}
  virtual void FormPaint() {}
  virtual void TimerTimer() {}
  virtual void WayOut() {}
  // Whether a tick would change nothing that can be seen now, and would go
  // on so until something other than a tick changes the lesson: no picture,
  // no state that a later drawing or opening reads, no random number drawn.
  // A hidden window at rest lets its timer sleep until it is shown again;
  // the ticks it skips are ones that would have done nothing.
  virtual bool AtRest() const { return false; }

  void ConnectPaint() { paintConnected_ = true; }
  // Places the pane by its row's rule.
  void PlacePane();
  void ShowFigure(std::function<void(Canvas&)> figure);
  void ShowFigure(std::function<void(Canvas&)> figure, QPoint at);

  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct PendingFigure {
    std::function<void(Canvas&)> figure;
    QPoint at;
  };
  void drawNow(const PendingFigure& pending);
  void drawPending();
  void sleepIfAtRest();
  void tick();

  const LessonEntry& entry_;
  Navigator* navigator_ = nullptr;
  QLabel* panel_ = nullptr;
  QToolButton* returnSpeed_ = nullptr;
  QPushButton* returnButton_ = nullptr;
  TheoryPane* richEdit_ = nullptr;
  std::unique_ptr<LessonTimer> timer_;
  Canvas canvasBitmap_;
  QImage surface_;
  QRect pictureRect_;
  std::unique_ptr<LessonTools> tools_;
  bool held_ = false;
  std::vector<PendingFigure> pending_;  // in the order asked, one a destination
  bool paintConnected_ = false;
  bool opening_ = false;  // within Open(): figures wait to be drawn together
  bool exposeWatched_ = false;
  // X11 only: the window was mapped and the server's Expose for the mapping
  // has not come yet; and how many exposes still to come belong to a showing
  // that was already painted.
  class MapExposeWatch;
  bool mapExposeAwaited_ = false;
  int exposesOfTheShowing_ = 0;
  // Wayland only: the compositor keeps a shown window's picture, so only the
  // first expose of a showing asks for one; those after it come with the
  // compositor's configures (the window made active, its size settled).
  bool picturesKept_ = false;
  bool showingPainted_ = false;
};

}  // namespace kavenor
