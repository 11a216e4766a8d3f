// The QWidget behind a window created with CreateWindowExW: turns Qt events into the messages a
// Windows window receives. GUI thread only; the window's record owns it through WindowLifecycle.
#pragma once

#include <windows.h>

#include <QWidget>
#include <memory>

class QMouseEvent;

namespace win32 {

class Window;

class WindowWidget : public QWidget {
 public:
  WindowWidget(HWND hwnd, bool doubleClicks, QWidget* parent);
  ~WindowWidget() override;

  HWND Handle() const { return hwnd_; }
  // How many window widgets are inside event handling on this thread right now.
  static int EventDepth();

 protected:
  bool event(QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  using Handler = bool (WindowWidget::*)(Window&, QEvent*);

  std::shared_ptr<Window> Record() const;
  int HitTest(Window& window, const QPoint& global);
  void PostInput(Window& window, UINT msg, WPARAM wParam, LPARAM lParam, DWORD extra = 0);

  bool OnPress(Window& window, QEvent* event);
  bool OnRelease(Window& window, QEvent* event);
  bool OnDoubleClick(Window& window, QEvent* event);
  bool OnMove(Window& window, QEvent* event);
  bool OnWheel(Window& window, QEvent* event);
  bool OnLeave(Window& window, QEvent* event);
  bool OnKeyPress(Window& window, QEvent* event);
  bool OnKeyRelease(Window& window, QEvent* event);
  bool OnPaint(Window& window, QEvent* event);
  bool OnFocusIn(Window& window, QEvent* event);
  bool OnFocusOut(Window& window, QEvent* event);
  bool OnActivation(Window& window, QEvent* event);
  bool OnGeometry(Window& window, QEvent* event);
  bool OnStateChange(Window& window, QEvent* event);
  bool OnClose(Window& window, QEvent* event);
  bool OnNativeWindowChange(Window& window, QEvent* event);
  bool OnShow(Window& window, QEvent* event);
  bool OnButton(Window& window, QMouseEvent* event, int column);

  const HWND hwnd_;
  const bool doubleClicks_;
};

}  // namespace win32
