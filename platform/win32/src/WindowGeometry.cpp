#include "WindowGeometry.h"

#include "WindowRegistry.h"
#include "WindowStyle.h"

#include <QWidget>
#include <QWindow>
#include <map>

namespace win32 {
namespace {

const std::map<int, Qt::Edges>& ResizeEdges() {
  static const std::map<int, Qt::Edges> table = {
      {HTLEFT, Qt::LeftEdge},
      {HTRIGHT, Qt::RightEdge},
      {HTTOP, Qt::TopEdge},
      {HTBOTTOM, Qt::BottomEdge},
      {HTTOPLEFT, Qt::TopEdge | Qt::LeftEdge},
      {HTTOPRIGHT, Qt::TopEdge | Qt::RightEdge},
      {HTBOTTOMLEFT, Qt::BottomEdge | Qt::LeftEdge},
      {HTBOTTOMRIGHT, Qt::BottomEdge | Qt::RightEdge},
  };
  return table;
}

WINDOWPOS PosOf(const Window& window, UINT flags) {
  const RECT r = window.PosRect();
  return WINDOWPOS{window.hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags};
}

}  // namespace

QMargins WindowGeometry::FrameMargins(const Window& window) {
  if (!window.widget || !window.HasFrame()) return {};
  const QRect frame = window.widget->frameGeometry();
  const QRect client = window.widget->geometry();
  return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                  frame.bottom() - client.bottom());
}

void WindowGeometry::ApplyWindowRect(Window& window, const QRect& outer) {
  if (!window.widget) return;
  QRect target = (window.IsChild() || window.adopted) ? outer : outer.marginsRemoved(FrameMargins(window));
  target.setWidth(std::max(0, target.width()));
  target.setHeight(std::max(0, target.height()));
  window.widget->setGeometry(target);
}

void WindowGeometry::RememberNormal(Window& window) {
  if (!window.widget || window.IsChild() || window.showState != ShowState::Normal) return;
  window.normalGeometry = window.widget->geometry();
}

void WindowGeometry::Announce(Window& window, UINT flags) {
  const RECT now = window.PosRect();
  const RECT& before = window.reportedRect;
  if (now.left == before.left && now.top == before.top) flags |= kSwpNoClientMove;
  if (now.right - now.left == before.right - before.left && now.bottom - now.top == before.bottom - before.top) {
    flags |= kSwpNoClientSize;
  }
  window.reportedRect = now;
  WINDOWPOS pos = PosOf(window, flags);
  window.Call(WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&pos));
}

void WindowGeometry::ReportFromQt(Window& window) {
  if (window.applyingGeometry || window.destroying || !window.widget) return;
  if (SameRect(window.PosRect(), window.reportedRect)) return;
  if (!window.pendingState && window.widget->windowState() == Qt::WindowNoState) RememberNormal(window);
  WINDOWPOS changing = PosOf(window, SWP_NOZORDER | SWP_NOACTIVATE);
  window.Call(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&changing));
  Announce(window, SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowGeometry::ShowWidget(Window& window, bool activate) {
  window.style |= WS_VISIBLE;
  if (!window.widget) return;
  const bool quiet = window.widget->testAttribute(Qt::WA_ShowWithoutActivating);
  window.widget->setAttribute(Qt::WA_ShowWithoutActivating, quiet || !activate);
  window.widget->show();
  window.widget->setAttribute(Qt::WA_ShowWithoutActivating, quiet);
  if (activate && !window.IsChild()) window.widget->activateWindow();
}

void WindowGeometry::HideWidget(Window& window) {
  window.style &= ~WS_VISIBLE;
  if (window.widget) window.widget->hide();
}

void WindowGeometry::Restack(Window& window, HWND insertAfter) {
  if (!window.widget) return;
  if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
    const DWORD before = window.exStyle;
    window.exStyle = insertAfter == HWND_TOPMOST ? (before | WS_EX_TOPMOST) : (before & ~WS_EX_TOPMOST);
    if (before != window.exStyle) WindowStyle::Apply(window);
    window.widget->raise();
    return;
  }
  if (insertAfter == HWND_TOP) return window.widget->raise();
  if (insertAfter == HWND_BOTTOM) return window.widget->lower();
  auto above = WindowRegistry::Instance().Find(insertAfter);
  if (above && above->widget && above->widget->parentWidget() == window.widget->parentWidget()) {
    window.widget->stackUnder(above->widget);
  }
}

bool WindowGeometry::SetPos(Window& window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  WINDOWPOS pos{window.hwnd, insertAfter, x, y, cx, cy, flags};
  const RECT current = window.PosRect();
  if (flags & SWP_NOMOVE) pos.x = current.left, pos.y = current.top;
  if (flags & SWP_NOSIZE) pos.cx = current.right - current.left, pos.cy = current.bottom - current.top;
  if (!(flags & SWP_NOSENDCHANGING)) window.Call(WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
  if (!window.widget) return false;
  window.applyingGeometry = true;
  if (pos.flags & SWP_FRAMECHANGED) WindowStyle::Apply(window);
  if ((pos.flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE)) {
    ApplyWindowRect(window, QRect(pos.x, pos.y, pos.cx, pos.cy));
  }
  if (!(pos.flags & SWP_NOZORDER)) Restack(window, pos.hwndInsertAfter);
  if (pos.flags & SWP_SHOWWINDOW) ShowWidget(window, !(pos.flags & SWP_NOACTIVATE));
  if (pos.flags & SWP_HIDEWINDOW) HideWidget(window);
  window.applyingGeometry = false;
  RememberNormal(window);
  Announce(window, pos.flags);
  return true;
}

void WindowGeometry::StartMoveOrResize(Window& window, int hitTest, const QPoint& cursor) {
  if (!window.widget) return;
  QWidget* top = window.widget->window();
  top->winId();
  QWindow* handle = top->windowHandle();
  const auto edges = ResizeEdges().find(hitTest);
  if (hitTest != HTCAPTION && edges == ResizeEdges().end()) return;
  // A window manager that takes the move over grabs the pointer, so no motion reaches us; when
  // motion keeps arriving (no manager, or one that ignored the request) we move the window ourselves.
  if (hitTest == HTCAPTION) {
    handle->startSystemMove();
  } else {
    handle->startSystemResize(edges->second);
  }
  auto root = WindowRegistry::Instance().FindByWidget(top);
  if (!root) return;
  root->drag = std::make_unique<DragState>(DragState{hitTest, cursor, top->geometry()});
}

QRect WindowGeometry::DraggedRect(const DragState& drag, const QPoint& cursor) {
  const QPoint delta = cursor - drag.startCursor;
  QRect r = drag.startGeometry;
  if (drag.hitTest == HTCAPTION) return r.translated(delta);
  const Qt::Edges edges = ResizeEdges().at(drag.hitTest);
  if (edges & Qt::LeftEdge) r.setLeft(std::min(r.left() + delta.x(), r.right()));
  if (edges & Qt::RightEdge) r.setRight(std::max(r.right() + delta.x(), r.left()));
  if (edges & Qt::TopEdge) r.setTop(std::min(r.top() + delta.y(), r.bottom()));
  if (edges & Qt::BottomEdge) r.setBottom(std::max(r.bottom() + delta.y(), r.top()));
  return r;
}

bool WindowGeometry::ContinueDrag(Window& window, const QPoint& cursor) {
  if (!window.drag || !window.widget) return false;
  const QRect r = DraggedRect(*window.drag, cursor).marginsAdded(FrameMargins(window));
  SetPos(window, nullptr, r.x(), r.y(), r.width(), r.height(), SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

bool WindowGeometry::EndDrag(Window& window) {
  if (!window.drag) return false;
  window.drag.reset();
  return true;
}

}  // namespace win32
