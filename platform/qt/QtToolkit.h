// The toolkit the player sees: Qt Widgets windows.
#pragma once

#include <QPointer>
#include <exception>
#include <map>
#include <memory>

#include "platform/qt/QtPictures.h"
#include "platform/qt/QtWindow.h"
#include "screens/Toolkit.h"

class QInputDialog;

namespace quorvan {

class QtToolkit : public Toolkit {
 public:
  // Needs the QApplication to exist for as long as the toolkit does.
  QtToolkit();
  ~QtToolkit() override;
  QtToolkit(const QtToolkit&) = delete;
  QtToolkit& operator=(const QtToolkit&) = delete;

  WindowId CreateWindow(const WindowLayout& layout, WindowEvents& events) override;
  void DestroyWindow(WindowId w) override;
  void ShowWindow(WindowId w) override;
  void HideWindow(WindowId w) override;
  WindowRect GetWindowRect(WindowId w) override;
  void MoveWindow(WindowId w, const WindowRect& rect) override;
  void SetWindowCaption(WindowId w, const std::string& caption) override;
  void SetBackColor(WindowId w, Rgb colour) override;
  void SetFocus(WindowId w) override;

  void SetControlRect(WindowId w, int control, int left, int top, int width, int height) override;
  void SetControlVisible(WindowId w, int control, bool visible) override;
  void SetControlText(WindowId w, int control, const std::string& text) override;
  void SetControlPicture(WindowId w, int control, const Picture* picture) override;
  bool IsOptionSelected(WindowId w, int control) override;
  void SetTimer(WindowId w, int control, int intervalMs, bool enabled) override;

  void ClearSurface(WindowId w) override;
  void PrintText(WindowId w, int x, int y, const std::string& text) override;
  int TextHeight(WindowId w, const std::string& text) override;
  void DrawLine(WindowId w, int x1, int y1, int x2, int y2, Rgb colour) override;

  std::string AskText(const std::string& prompt, const std::string& title,
                      const std::string& defaultText) override;

  void PumpEvents() override;
  void ProcessPendingEvents() override;
  std::uint64_t ClockSeed() override;
  int ScreenWidth() override;
  int ScreenHeight() override;
  void EndProgram(int code) override;

  // The whole-number zoom every window is drawn at, 1 at first. It may
  // change while the game runs: each window keeps its top left corner in
  // twips and redraws itself at the new size.
  void SetZoom(int zoom);
  int Zoom() const { return zoom_; }

  // F11 and Alt+Enter go into fullscreen at `zoom` and back again; the game
  // never hears those keys.
  void OfferFullscreen(int zoom);
  // A black backdrop covers the screen behind the game's windows; the status
  // panel and the playfield stand in its middle at the fullscreen zoom, and
  // every other window keeps its place beside them. Leaving puts back the
  // zoom and the places the windows had.
  void EnterFullscreen();
  void LeaveFullscreen();
  bool Fullscreen() const { return fullscreen_; }

  // The widget of a window, nullptr once destroyed (for tests and tools).
  QtWindow* Window(WindowId w) const;

 private:
  QtWindow* Named(QLatin1String name) const;
  QRect PairBox() const;  // the status panel and the playfield, pixels; null without them
  void StandPairAt(QPoint centre);
  // While fullscreen, the pair is put back in the middle whenever it shows,
  // the game moves one of them, or the window manager frames one anew.
  void KeepPairInMiddle(const QtWindow& window);
  // Each window beside the pair keeps its centre as far from the pair's, in
  // twips, as it was at the zoom before.
  void KeepPlacesBesidePair(const std::map<WindowId, QPoint>& centres, QPoint from, QPoint to,
                            int fromZoom);

  // After the events: deferred deletions, then a handler's failure or the
  // end of the program is thrown.
  void Settle();

  std::map<WindowId, QPointer<QtWindow>> windows_;
  WindowId nextId_ = 1;
  PictureCache pictures_;
  int zoom_ = 1;
  std::exception_ptr failure_;
  bool ending_ = false;
  int endCode_ = 0;
  QPointer<QInputDialog> dialog_;
  class ZoomedStyle;
  QPointer<ZoomedStyle> style_;

  int fullscreenZoom_ = 1;
  bool fullscreen_ = false;
  std::unique_ptr<QObject> fullscreenKeys_;
  QPointer<QWidget> backdrop_;
  // What leaving fullscreen puts back.
  int windowedZoom_ = 1;
  std::map<WindowId, QPoint> windowedCorners_;  // outer, pixels
  QPoint windowedPairCentre_;
};

}  // namespace quorvan
