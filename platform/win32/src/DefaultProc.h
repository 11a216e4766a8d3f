// What DefWindowProcW does for each message; GUI thread only, acts on registry-owned records.
#pragma once

#include "Window.h"

namespace win32 {

class DefaultProc {
 public:
  static LRESULT Handle(Window& window, UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  using Handler = LRESULT (*)(Window&, WPARAM, LPARAM);
  static LRESULT OnNcCreate(Window& window, WPARAM wParam, LPARAM lParam);
  static LRESULT OnClose(Window& window, WPARAM wParam, LPARAM lParam);
  static LRESULT OnPosChanged(Window& window, WPARAM wParam, LPARAM lParam);
  static LRESULT OnSysCommand(Window& window, WPARAM wParam, LPARAM lParam);
  static LRESULT OnHitTest(Window& window, WPARAM wParam, LPARAM lParam);
  static LRESULT OnNcButtonDown(Window& window, WPARAM wParam, LPARAM lParam);
  static LRESULT OnNcDoubleClick(Window& window, WPARAM wParam, LPARAM lParam);
  static LRESULT OnSetCursor(Window& window, WPARAM wParam, LPARAM lParam);
  static LRESULT OnSetIcon(Window& window, WPARAM wParam, LPARAM lParam);
  static LRESULT OnGetIcon(Window& window, WPARAM wParam, LPARAM lParam);
  static LRESULT OnSetText(Window& window, WPARAM wParam, LPARAM lParam);
  static LRESULT OnGetText(Window& window, WPARAM wParam, LPARAM lParam);
  static LRESULT OnGetTextLength(Window& window, WPARAM wParam, LPARAM lParam);
  static LRESULT OnPaint(Window& window, WPARAM wParam, LPARAM lParam);
  static LRESULT OnEraseBackground(Window& window, WPARAM wParam, LPARAM lParam);
  static LRESULT OnTrue(Window& window, WPARAM wParam, LPARAM lParam);
  static LRESULT OnMouseActivate(Window& window, WPARAM wParam, LPARAM lParam);
};

}  // namespace win32
