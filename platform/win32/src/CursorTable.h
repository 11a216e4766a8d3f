// System cursors (IDC_*) as cursor handles; GUI thread only, a static table, nothing to free.
#pragma once

#include <windows.h>

#include <Qt>

namespace win32 {

class CursorTable {
 public:
  // Null for a name that is not a system cursor.
  static HCURSOR Load(LPCWSTR name);
  static bool Shape(HCURSOR cursor, Qt::CursorShape* shape);
  // The cursor DefWindowProc shows over a hit-test area.
  static HCURSOR ForHitTest(int hitTest);
  // SetCursor applies to the window that last received a mouse message.
  static void SetTarget(HWND hwnd);
  static HWND Target();
  static HCURSOR Apply(HCURSOR cursor);
};

}  // namespace win32
