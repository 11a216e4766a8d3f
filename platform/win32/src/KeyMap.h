// Qt keys to Windows virtual-key codes and the pressed-key state behind GetKeyState;
// GUI thread only, static tables.
#pragma once

#include <windows.h>

class QKeyEvent;

namespace win32 {

class KeyMap {
 public:
  // The virtual-key code of a Qt key event; 0 when Windows has no code for it.
  static UINT ToVirtualKey(const QKeyEvent& event);
  // The character TranslateMessage produces for a key without recorded text; 0 for none.
  static wchar_t CharacterFor(UINT virtualKey, bool shift);
  static void SetPressed(UINT virtualKey, bool pressed);
  static bool IsPressed(UINT virtualKey);
};

}  // namespace win32
