#include "CursorTable.h"

#include "WindowRegistry.h"

#include <QWidget>
#include <map>

namespace win32 {
namespace {

const std::map<ULONG_PTR, Qt::CursorShape>& Shapes() {
  static const std::map<ULONG_PTR, Qt::CursorShape> table = {
      {32512, Qt::ArrowCursor},    {32513, Qt::IBeamCursor},    {32514, Qt::WaitCursor},
      {32515, Qt::CrossCursor},    {32516, Qt::UpArrowCursor},  {32642, Qt::SizeFDiagCursor},
      {32643, Qt::SizeBDiagCursor}, {32644, Qt::SizeHorCursor}, {32645, Qt::SizeVerCursor},
      {32646, Qt::SizeAllCursor},  {32648, Qt::ForbiddenCursor}, {32649, Qt::PointingHandCursor},
      {32650, Qt::BusyCursor},     {32651, Qt::WhatsThisCursor},
  };
  return table;
}

const std::map<int, LPCWSTR>& HitTestCursors() {
  static const std::map<int, LPCWSTR> table = {
      {HTLEFT, IDC_SIZEWE},        {HTRIGHT, IDC_SIZEWE},         {HTTOP, IDC_SIZENS},
      {HTBOTTOM, IDC_SIZENS},      {HTTOPLEFT, IDC_SIZENWSE},     {HTBOTTOMRIGHT, IDC_SIZENWSE},
      {HTTOPRIGHT, IDC_SIZENESW},  {HTBOTTOMLEFT, IDC_SIZENESW},
  };
  return table;
}

// Cursor handles sit in their own numeric range so they never collide with icons.
constexpr ULONG_PTR kBase = 0x50000;

HWND g_target = nullptr;
HCURSOR g_current = nullptr;

}  // namespace

HCURSOR CursorTable::Load(LPCWSTR name) {
  if (!IS_INTRESOURCE(name)) return nullptr;
  const auto id = reinterpret_cast<ULONG_PTR>(name);
  return Shapes().count(id) ? reinterpret_cast<HCURSOR>(kBase + id) : nullptr;
}

bool CursorTable::Shape(HCURSOR cursor, Qt::CursorShape* shape) {
  const auto it = Shapes().find(reinterpret_cast<ULONG_PTR>(cursor) - kBase);
  if (it == Shapes().end()) return false;
  *shape = it->second;
  return true;
}

HCURSOR CursorTable::ForHitTest(int hitTest) {
  const auto it = HitTestCursors().find(hitTest);
  return Load(it == HitTestCursors().end() ? IDC_ARROW : it->second);
}

void CursorTable::SetTarget(HWND hwnd) {
  g_target = hwnd;
}

HWND CursorTable::Target() {
  return g_target;
}

HCURSOR CursorTable::Apply(HCURSOR cursor) {
  const HCURSOR previous = g_current;
  g_current = cursor;
  auto window = WindowRegistry::Instance().Find(g_target);
  Qt::CursorShape shape = Qt::ArrowCursor;
  if (!window || !window->widget) return previous;
  if (!cursor) shape = Qt::BlankCursor;
  if (cursor && !Shape(cursor, &shape)) return previous;
  if (window->widget->cursor().shape() != shape) window->widget->setCursor(shape);
  return previous;
}

}  // namespace win32
