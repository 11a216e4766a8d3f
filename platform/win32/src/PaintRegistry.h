// The HDCs handed out by BeginPaint and the painters behind them; GUI thread only. A painter lives
// from BeginPaint to EndPaint and is owned by the registry.
#pragma once

#include <windows.h>

#include <QRect>
#include <map>
#include <memory>

class QPainter;
class QWidget;

namespace win32 {

class PaintRegistry {
 public:
  static PaintRegistry& Instance();
  // Marks that `hwnd` is inside its paint event, so BeginPaint may open a painter on it.
  void EnterPaintEvent(HWND hwnd, const QRect& rect);
  void LeavePaintEvent(HWND hwnd);
  bool InPaintEvent(HWND hwnd) const;
  QRect PaintRect(HWND hwnd) const;
  HDC Begin(HWND hwnd, QWidget* widget);
  void End(HDC hdc);
  QPainter* Painter(HDC hdc) const;
  HWND Owner(HDC hdc) const;

 private:
  struct Paint {
    HWND hwnd;
    std::unique_ptr<QPainter> painter;
  };
  std::map<HWND, QRect> inPaintEvent_;
  std::map<HDC, Paint> paints_;
  uintptr_t next_ = 0x20000;
};

}  // namespace win32
