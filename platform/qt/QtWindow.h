// One window of the game: a top-level widget made from its layout, with a
// drawing surface beneath its controls.
#pragma once

#include <QImage>
#include <QMargins>
#include <QTimer>
#include <QWidget>
#include <exception>
#include <functional>
#include <vector>

#include "platform/qt/QtControls.h"
#include "screens/Toolkit.h"

namespace quorvan {

class PictureCache;

class QtWindow : public QWidget {
 public:
  // Failures thrown by the game's handlers are kept in `failure` (the first
  // one), never let through Qt; the toolkit rethrows it from its pump.
  QtWindow(const WindowLayout& layout, WindowEvents& events, PictureCache& pictures,
           std::exception_ptr& failure, int zoom);

  // The game has let go of the window: no more events reach it.
  void Detach();
  bool Detached() const { return events_ == nullptr; }

  WindowRect OuterRect() const;
  void MoveOuter(const WindowRect& rect);
  // Draws the window at another zoom. Its top left corner keeps its place in
  // twips; the game hears that its frame changed, as the frame's twips did.
  void SetZoom(int zoom);
  int Zoom() const { return zoom_; }
  void SetBackColor(Rgb colour);
  // Runs once the game has heard of a frame the window manager drew anew.
  void WhenFramed(std::function<void()> then) { framed_ = std::move(then); }

  int ControlCount() const { return static_cast<int>(controls_.size()); }
  // The control's widget; nullptr for lines, shapes, timers and bad indices.
  QWidget* ControlWidget(int control) const;
  QTimer* ControlTimer(int control) const;
  void SetControlRect(int control, int left, int top, int width, int height);
  void SetControlVisible(int control, bool visible);
  void SetControlText(int control, const QString& text);
  void SetControlPicture(int control, const Picture* picture);
  bool IsOptionSelected(int control) const;
  void SetTimer(int control, int intervalMs, bool enabled);

  // Made on first use, at the size the window has had at its largest.
  QImage& Surface();
  void ClearSurface();
  void PrintText(int x, int y, const QString& text);
  int TextHeight(const QString& text) const;
  void DrawLine(int x1, int y1, int x2, int y2, Rgb colour);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  QImage BlankSurface() const;  // transparent, at the surface's size and ratio
  template <typename F>
  void Deliver(F handler);
  const QtControl* Find(int control) const;
  void ApplyBorder(Border border, QSize client);
  bool HandleKey(QObject* watched, QEvent* event);
  bool PressDefaultButton(QEvent* event);
  void NoticeFrame();

  WindowEvents* events_;
  PictureCache& pictures_;
  std::exception_ptr& failure_;
  int zoom_;
  Border border_;
  bool keyPreview_;
  QColor back_;
  QColor fore_;
  Font designFont_;
  QFont font_;              // at the zoom
  QImage surface_;          // null until something is drawn
  QSize surfaceSize_;       // in device pixels
  qreal surfaceRatio_ = 1;  // device pixels to a window's pixel
  QImage metrics_;          // measures text as the surface would
  QMargins frame_;          // what the window manager adds around the client area, pixels
  QTimer frameWatch_;
  int frameLooks_ = 0;
  const QEvent* previewed_ = nullptr;  // a key already given to the game
  std::function<void()> framed_;
  std::vector<QtControl> controls_;
};

}  // namespace quorvan
