#include "PaintRegistry.h"

#include <QPainter>
#include <QWidget>

namespace win32 {

PaintRegistry& PaintRegistry::Instance() {
  static PaintRegistry registry;
  return registry;
}

void PaintRegistry::EnterPaintEvent(HWND hwnd, const QRect& rect) {
  inPaintEvent_[hwnd] = rect;
}

void PaintRegistry::LeavePaintEvent(HWND hwnd) {
  inPaintEvent_.erase(hwnd);
  for (auto it = paints_.begin(); it != paints_.end();) {
    it = it->second.hwnd == hwnd ? paints_.erase(it) : std::next(it);
  }
}

bool PaintRegistry::InPaintEvent(HWND hwnd) const {
  return inPaintEvent_.count(hwnd) != 0;
}

QRect PaintRegistry::PaintRect(HWND hwnd) const {
  const auto it = inPaintEvent_.find(hwnd);
  return it == inPaintEvent_.end() ? QRect() : it->second;
}

HDC PaintRegistry::Begin(HWND hwnd, QWidget* widget) {
  next_ += 4;
  const HDC hdc = reinterpret_cast<HDC>(next_);
  // Outside its paint event a widget cannot be painted; the HDC is still valid but has no painter.
  auto painter = InPaintEvent(hwnd) && widget ? std::make_unique<QPainter>(widget) : nullptr;
  paints_[hdc] = Paint{hwnd, std::move(painter)};
  return hdc;
}

void PaintRegistry::End(HDC hdc) {
  paints_.erase(hdc);
}

QPainter* PaintRegistry::Painter(HDC hdc) const {
  const auto it = paints_.find(hdc);
  return it == paints_.end() ? nullptr : it->second.painter.get();
}

HWND PaintRegistry::Owner(HDC hdc) const {
  const auto it = paints_.find(hdc);
  return it == paints_.end() ? nullptr : it->second.hwnd;
}

}  // namespace win32
