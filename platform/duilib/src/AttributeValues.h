// Parsing of layout attribute values ("l,t,r,b", "w,h", "#AARRGGBB", "true"); pure functions, any thread.
// Each parser prints one line naming the attribute and returns false when the value is malformed.
#pragma once

#include <windows.h>

namespace DuiLib {

bool ParseInt(LPCTSTR name, LPCTSTR value, int& out);
bool ParseBool(LPCTSTR name, LPCTSTR value, bool& out);
bool ParseRect(LPCTSTR name, LPCTSTR value, RECT& out);
bool ParseSize(LPCTSTR name, LPCTSTR value, SIZE& out);
// "#AARRGGBB", or "#RRGGBB" for an opaque colour.
bool ParseColor(LPCTSTR name, LPCTSTR value, DWORD& out);
// Comma-separated words among left, center, right, top, vcenter, bottom, wordbreak.
bool ParseAlign(LPCTSTR name, LPCTSTR value, UINT& out);
// "size" or "size,bold".
bool ParseFont(LPCTSTR name, LPCTSTR value, int& size, bool& bold);

}  // namespace DuiLib
