// Rectangle arithmetic exactly as user32 defines it (empty means right <= left or bottom <= top).
#include <windows.h>

#include <algorithm>

BOOL WINAPI SetRect(LPRECT rect, int left, int top, int right, int bottom) {
  if (!rect) return FALSE;
  *rect = RECT{left, top, right, bottom};
  return TRUE;
}

BOOL WINAPI SetRectEmpty(LPRECT rect) {
  return SetRect(rect, 0, 0, 0, 0);
}

BOOL WINAPI CopyRect(LPRECT dst, const RECT* src) {
  if (!dst || !src) return FALSE;
  *dst = *src;
  return TRUE;
}

BOOL WINAPI IsRectEmpty(const RECT* rect) {
  return !rect || rect->right <= rect->left || rect->bottom <= rect->top;
}

BOOL WINAPI EqualRect(const RECT* a, const RECT* b) {
  if (!a || !b) return FALSE;
  return a->left == b->left && a->top == b->top && a->right == b->right && a->bottom == b->bottom;
}

BOOL WINAPI PtInRect(const RECT* rect, POINT point) {
  if (!rect) return FALSE;
  return point.x >= rect->left && point.x < rect->right && point.y >= rect->top && point.y < rect->bottom;
}

BOOL WINAPI OffsetRect(LPRECT rect, int dx, int dy) {
  if (!rect) return FALSE;
  rect->left += dx, rect->right += dx, rect->top += dy, rect->bottom += dy;
  return TRUE;
}

BOOL WINAPI InflateRect(LPRECT rect, int dx, int dy) {
  if (!rect) return FALSE;
  rect->left -= dx, rect->right += dx, rect->top -= dy, rect->bottom += dy;
  return TRUE;
}

BOOL WINAPI IntersectRect(LPRECT dst, const RECT* a, const RECT* b) {
  if (!dst || !a || !b) return FALSE;
  const RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
               std::min(a->bottom, b->bottom)};
  if (IsRectEmpty(&r)) return SetRectEmpty(dst) && FALSE;
  *dst = r;
  return TRUE;
}

BOOL WINAPI UnionRect(LPRECT dst, const RECT* a, const RECT* b) {
  if (!dst || !a || !b) return FALSE;
  if (IsRectEmpty(a)) return IsRectEmpty(b) ? (SetRectEmpty(dst) && FALSE) : CopyRect(dst, b);
  if (IsRectEmpty(b)) return CopyRect(dst, a);
  *dst = RECT{std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
              std::max(a->bottom, b->bottom)};
  return TRUE;
}
