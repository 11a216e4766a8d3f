#include "DefaultProc.h"

#include "CursorTable.h"
#include "IconRegistry.h"
#include "PaintRegistry.h"
#include "Text.h"
#include "WindowGeometry.h"
#include "WindowState.h"

#include <QPainter>
#include <QWidget>
#include <map>

namespace win32 {

LRESULT DefaultProc::Handle(Window& window, UINT msg, WPARAM wParam, LPARAM lParam) {
  static const std::map<UINT, Handler> table = {
      {WM_NCCREATE, &OnNcCreate},
      {WM_CLOSE, &OnClose},
      {WM_WINDOWPOSCHANGED, &OnPosChanged},
      {WM_SYSCOMMAND, &OnSysCommand},
      {WM_NCHITTEST, &OnHitTest},
      {WM_NCLBUTTONDOWN, &OnNcButtonDown},
      {WM_NCLBUTTONDBLCLK, &OnNcDoubleClick},
      {WM_SETCURSOR, &OnSetCursor},
      {WM_SETICON, &OnSetIcon},
      {WM_GETICON, &OnGetIcon},
      {WM_SETTEXT, &OnSetText},
      {WM_GETTEXT, &OnGetText},
      {WM_GETTEXTLENGTH, &OnGetTextLength},
      {WM_PAINT, &OnPaint},
      {WM_ERASEBKGND, &OnEraseBackground},
      {WM_NCACTIVATE, &OnTrue},
      {WM_QUERYENDSESSION, &OnTrue},
      {WM_MOUSEACTIVATE, &OnMouseActivate},
  };
  const auto it = table.find(msg);
  return it == table.end() ? 0 : it->second(window, wParam, lParam);
}

LRESULT DefaultProc::OnNcCreate(Window& window, WPARAM, LPARAM lParam) {
  const auto* cs = reinterpret_cast<const CREATESTRUCTW*>(lParam);
  if (cs && cs->lpszName) window.text = cs->lpszName;
  return TRUE;
}

LRESULT DefaultProc::OnClose(Window& window, WPARAM, LPARAM) {
  DestroyWindow(window.hwnd);
  return 0;
}

LRESULT DefaultProc::OnPosChanged(Window& window, WPARAM, LPARAM lParam) {
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
  if (!pos) return 0;
  if (!(pos->flags & kSwpNoClientMove)) {
    const QPoint origin = window.MovePosition();
    window.Call(WM_MOVE, 0, MAKELPARAM(origin.x(), origin.y()));
  }
  if ((pos->flags & kSwpNoClientSize) && !(pos->flags & kSwpStateChanged)) return 0;
  const WPARAM type = window.showState == ShowState::Minimized   ? SIZE_MINIMIZED
                      : window.showState == ShowState::Maximized ? SIZE_MAXIMIZED
                                                                 : SIZE_RESTORED;
  const SIZE client = window.ClientSize();
  window.Call(WM_SIZE, type, MAKELPARAM(client.cx, client.cy));
  return 0;
}

LRESULT DefaultProc::OnSysCommand(Window& window, WPARAM wParam, LPARAM) {
  static const std::map<WPARAM, int> showCommands = {
      {SC_MINIMIZE, SW_MINIMIZE}, {SC_MAXIMIZE, SW_MAXIMIZE}, {SC_RESTORE, SW_RESTORE}};
  const WPARAM command = wParam & 0xFFF0;
  if (command == SC_CLOSE) return window.Call(WM_CLOSE, 0, 0);
  const auto it = showCommands.find(command);
  if (it != showCommands.end()) WindowState::Show(window, it->second);
  return 0;
}

LRESULT DefaultProc::OnHitTest(Window& window, WPARAM, LPARAM lParam) {
  const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const RECT r = window.WindowRect();
  return PtInRect(&r, p) ? HTCLIENT : HTNOWHERE;
}

LRESULT DefaultProc::OnNcButtonDown(Window& window, WPARAM wParam, LPARAM lParam) {
  WindowGeometry::StartMoveOrResize(window, static_cast<int>(wParam),
                                    QPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
  return 0;
}

LRESULT DefaultProc::OnNcDoubleClick(Window& window, WPARAM wParam, LPARAM) {
  if (wParam != HTCAPTION || !(window.style & WS_MAXIMIZEBOX)) return 0;
  const bool maximized = window.showState == ShowState::Maximized;
  return window.Call(WM_SYSCOMMAND, maximized ? SC_RESTORE : SC_MAXIMIZE, 0);
}

LRESULT DefaultProc::OnSetCursor(Window& window, WPARAM, LPARAM lParam) {
  const int hit = static_cast<short>(LOWORD(lParam));
  if (hit != HTCLIENT) {
    CursorTable::Apply(CursorTable::ForHitTest(hit));
    return TRUE;
  }
  const HCURSOR cursor = window.cls ? window.cls->info.hCursor : nullptr;
  if (cursor) CursorTable::Apply(cursor);
  return cursor ? TRUE : FALSE;
}

LRESULT DefaultProc::OnSetIcon(Window& window, WPARAM wParam, LPARAM lParam) {
  HICON& slot = wParam == ICON_SMALL ? window.smallIcon : window.bigIcon;
  const HICON previous = slot;
  slot = reinterpret_cast<HICON>(lParam);
  const HICON shown = window.bigIcon ? window.bigIcon : window.smallIcon;
  if (window.widget) window.widget->setWindowIcon(IconRegistry::Instance().Icon(shown));
  return reinterpret_cast<LRESULT>(previous);
}

LRESULT DefaultProc::OnGetIcon(Window& window, WPARAM wParam, LPARAM) {
  return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? window.bigIcon : window.smallIcon);
}

LRESULT DefaultProc::OnSetText(Window& window, WPARAM, LPARAM lParam) {
  const auto* text = reinterpret_cast<LPCWSTR>(lParam);
  window.text = text ? text : L"";
  if (window.widget) window.widget->setWindowTitle(QString::fromStdWString(window.text));
  return TRUE;
}

LRESULT DefaultProc::OnGetText(Window& window, WPARAM wParam, LPARAM lParam) {
  return CopyOut(window.text, reinterpret_cast<LPWSTR>(lParam), static_cast<int>(wParam));
}

LRESULT DefaultProc::OnGetTextLength(Window& window, WPARAM, LPARAM) {
  return static_cast<LRESULT>(window.text.size());
}

LRESULT DefaultProc::OnPaint(Window& window, WPARAM, LPARAM) {
  PAINTSTRUCT ps;
  BeginPaint(window.hwnd, &ps);
  EndPaint(window.hwnd, &ps);
  return 0;
}

LRESULT DefaultProc::OnEraseBackground(Window& window, WPARAM wParam, LPARAM) {
  if (!window.cls || !window.cls->info.hbrBackground || !window.widget) return 0;
  QPainter* painter = PaintRegistry::Instance().Painter(reinterpret_cast<HDC>(wParam));
  if (!painter) return 0;
  painter->fillRect(PaintRegistry::Instance().PaintRect(window.hwnd), window.widget->palette().window());
  return 1;
}

LRESULT DefaultProc::OnTrue(Window&, WPARAM, LPARAM) {
  return TRUE;
}

LRESULT DefaultProc::OnMouseActivate(Window&, WPARAM, LPARAM) {
  return 1;  // MA_ACTIVATE
}

}  // namespace win32
