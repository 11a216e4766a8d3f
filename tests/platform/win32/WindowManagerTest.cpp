// Behaviour that depends on a real window manager (icewm with taskbar and tray).
#include "TestWindow.h"
#include "TrayIcons.h"
#include "support/VirtualDisplay.h"
#include "support/WaitUntil.h"
#include "support/Xdo.h"

#include "qt/QtBridge.h"

#include <shellapi.h>

#include <QOpenGLWidget>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using testsupport::WaitUntil;
using testsupport::Xdo;

namespace {

unsigned long XidOf(HWND hwnd) {
  QWidget* widget = win32qt::WidgetFromHwnd(hwnd);
  return widget ? static_cast<unsigned long>(widget->winId()) : 0;
}

// Client windows from bottom to top, as the window manager stacks them.
std::vector<unsigned long> Stacking() {
  const std::string out = Xdo::Run({"xprop", "-root", "_NET_CLIENT_LIST_STACKING"});
  std::vector<unsigned long> ids;
  const auto hash = out.find('#');
  if (hash == std::string::npos) return ids;
  std::istringstream in(out.substr(hash + 1));
  for (std::string token; std::getline(in, token, ',');) ids.push_back(std::stoul(token, nullptr, 16));
  return ids;
}

bool Above(HWND upper, HWND lower) {
  const auto ids = Stacking();
  const auto u = std::find(ids.begin(), ids.end(), XidOf(upper));
  const auto l = std::find(ids.begin(), ids.end(), XidOf(lower));
  return u != ids.end() && l != ids.end() && u > l;
}

bool Managed(HWND hwnd) {
  const auto ids = Stacking();
  return std::find(ids.begin(), ids.end(), XidOf(hwnd)) != ids.end();
}

bool Viewable(HWND hwnd) {
  const std::string out = Xdo::Run({"xwininfo", "-id", std::to_string(XidOf(hwnd))});
  return out.find("IsViewable") != std::string::npos;
}

TEST(WorkArea, ExcludesTheTaskbar) {
  const auto published = Xdo::WorkArea();
  RECT work{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(work.right - work.left, published.width);
  EXPECT_EQ(work.bottom - work.top, published.height);
  EXPECT_EQ(work.right - work.left, testsupport::VirtualDisplay::kWidth);
  EXPECT_LT(work.bottom - work.top, testsupport::VirtualDisplay::kHeight);
  EXPECT_EQ(work.bottom - work.top, 774);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 800);
}

TEST(Frame, CaptionStyleDecidesWhetherTheManagerDrawsAFrame) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("framed", log);
  ASSERT_TRUE(window.Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 100, 100, 400, 300));
  const HWND hwnd = window.Handle();
  auto framed = [&] {
    RECT outer = WindowRectOf(hwnd), client{};
    GetClientRect(hwnd, &client);
    return outer.right - outer.left > client.right && outer.bottom - outer.top > client.bottom;
  };
  EXPECT_TRUE(WaitUntil(framed));
  SetWindowLongW(hwnd, GWL_STYLE, GetWindowLongW(hwnd, GWL_STYLE) & ~WS_CAPTION);
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_TRUE(WaitUntil([&] { return !framed(); }));
  EXPECT_TRUE(IsWindowVisible(hwnd));
}

// A window at 100,100, 400 x 300, once the window manager has placed it there.
class Placement : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window.Create(WS_POPUP | WS_VISIBLE, 0, 100, 100, 400, 300));
    hwnd = window.Handle();
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    // The manager places a new window asynchronously; the normal rectangle is only known after that.
    ASSERT_TRUE(WaitUntil([&] { return Managed(hwnd) && WindowRectOf(hwnd) == normal; }));
  }

  TestWindow window{"placed", std::make_shared<MessageLog>()};
  HWND hwnd = nullptr;
  RECT work{};
  const RECT normal{100, 100, 500, 400};
};

TEST_F(Placement, MaximisedWindowRoundTrips) {
  ShowWindow(hwnd, SW_MAXIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return WindowRectOf(hwnd) == work; }));
  EXPECT_TRUE(IsZoomed(hwnd));
  const auto size = window.Last(WM_SIZE);
  EXPECT_EQ(size->wParam, static_cast<WPARAM>(SIZE_MAXIMIZED));
  EXPECT_EQ(LOWORD(size->lParam), work.right - work.left);
  EXPECT_EQ(HIWORD(size->lParam), work.bottom - work.top);

  WINDOWPLACEMENT saved{};
  saved.length = sizeof saved;
  ASSERT_TRUE(GetWindowPlacement(hwnd, &saved));
  EXPECT_EQ(saved.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
  EXPECT_EQ(normal, saved.rcNormalPosition);

  ShowWindow(hwnd, SW_RESTORE);
  ASSERT_TRUE(WaitUntil([&] { return WindowRectOf(hwnd) == normal; }));
  EXPECT_FALSE(IsZoomed(hwnd));

  ASSERT_TRUE(SetWindowPlacement(hwnd, &saved));
  ASSERT_TRUE(WaitUntil([&] { return IsZoomed(hwnd) && WindowRectOf(hwnd) == work; }))
      << "zoomed " << IsZoomed(hwnd) << " at " << WindowRectOf(hwnd) << " "
      << Xdo::Run({"xprop", "-id", std::to_string(XidOf(hwnd)), "_NET_WM_STATE"})
      << Xdo::Run({"xwininfo", "-id", std::to_string(XidOf(hwnd))});
  ShowWindow(hwnd, SW_RESTORE);
  EXPECT_TRUE(WaitUntil([&] { return WindowRectOf(hwnd) == normal; }));
}

TEST_F(Placement, NewNormalPlaceOfAMaximisedWindowIsWhereRestoreGoes) {
  ShowWindow(hwnd, SW_MAXIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return WindowRectOf(hwnd) == work; }));

  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  placement.showCmd = SW_SHOWMAXIMIZED;
  placement.rcNormalPosition = RECT{200, 150, 500, 350};  // work-area coordinates
  ASSERT_TRUE(SetWindowPlacement(hwnd, &placement));
  EXPECT_TRUE(IsZoomed(hwnd));
  ShowWindow(hwnd, SW_RESTORE);
  const RECT expected{work.left + 200, work.top + 150, work.left + 500, work.top + 350};
  EXPECT_TRUE(WaitUntil([&] { return !IsZoomed(hwnd) && WindowRectOf(hwnd) == expected; }));
}

TEST(OwnedWindow, StaysAboveItsOwnerAndOutlivesItsHiding) {
  auto log = std::make_shared<MessageLog>();
  TestWindow owner("owner", log), owned("owned", log);
  ASSERT_TRUE(owner.Create(WS_POPUP | WS_VISIBLE, 0, 100, 100, 400, 300));
  ASSERT_TRUE(owned.Create(WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 250, 200, 200, 150, owner.Handle()));
  ASSERT_TRUE(WaitUntil([&] { return Managed(owner.Handle()) && Managed(owned.Handle()); }));
  ASSERT_TRUE(Xdo::Click(120, 120));  // on the owner, away from the owned window
  ASSERT_TRUE(WaitUntil([&] { return owner.Count(WM_LBUTTONUP) == 1; }));
  EXPECT_TRUE(WaitUntil([&] { return Above(owned.Handle(), owner.Handle()); }));
  ShowWindow(owner.Handle(), SW_HIDE);
  EXPECT_TRUE(WaitUntil([&] { return !Viewable(owner.Handle()); }));
  EXPECT_TRUE(IsWindowVisible(owned.Handle()));
  EXPECT_TRUE(Viewable(owned.Handle()));
}

unsigned long TransientFor(HWND hwnd) {
  const std::string out = Xdo::Run({"xprop", "-id", std::to_string(XidOf(hwnd)), "WM_TRANSIENT_FOR"});
  const auto hash = out.find('#');
  return hash == std::string::npos ? 0 : std::stoul(out.substr(hash + 1), nullptr, 16);
}

// Qt gives a window a new native window behind our back when a texture-drawn child such as a
// browser view arrives in it; the owned window must stay transient for its owner, or it falls
// below it.
TEST(OwnedWindow, KeepsItsOwnerAcrossANewNativeWindow) {
  auto log = std::make_shared<MessageLog>();
  TestWindow owner("owner", log), owned("owned", log);
  ASSERT_TRUE(owner.Create(WS_POPUP | WS_VISIBLE, WS_EX_APPWINDOW, 100, 100, 400, 300));
  ASSERT_TRUE(owned.Create(WS_POPUP | WS_VISIBLE, 0, 250, 200, 200, 150, owner.Handle()));
  ASSERT_TRUE(WaitUntil([&] { return Managed(owner.Handle()) && Managed(owned.Handle()); }));

  QWidget* widget = win32qt::WidgetFromHwnd(owned.Handle());
  const unsigned long before = XidOf(owned.Handle());
  (new QOpenGLWidget(widget))->show();
  ASSERT_TRUE(WaitUntil([&] { return Managed(owned.Handle()) && XidOf(owned.Handle()) != before; }));

  EXPECT_EQ(XidOf(owner.Handle()), TransientFor(owned.Handle()));
  ASSERT_TRUE(Xdo::Click(120, 120));
  ASSERT_TRUE(WaitUntil([&] { return owner.Count(WM_LBUTTONUP) == 1; }));
  EXPECT_TRUE(WaitUntil([&] { return Above(owned.Handle(), owner.Handle()); }));
}

bool SkipsTaskbar(HWND hwnd) {
  const std::string out = Xdo::Run({"xprop", "-id", std::to_string(XidOf(hwnd)), "_NET_WM_STATE"});
  return out.find("_NET_WM_STATE_SKIP_TASKBAR") != std::string::npos;
}

struct TaskbarCase {
  const char* name;
  bool owned;
  DWORD exStyle;
  bool listed;
};

const TaskbarCase kTaskbarCases[] = {
    {"plain", false, 0, true},
    {"tool", false, WS_EX_TOOLWINDOW, false},
    {"owned", true, 0, false},
    {"owned app window", true, WS_EX_APPWINDOW, true},
    {"tool app window", false, WS_EX_TOOLWINDOW | WS_EX_APPWINDOW, true},
};

// Creates each case's window beside `owner`, checks its listing, lets `change` act on it and
// checks the listing again.
template <typename Change>
void ForEachTaskbarCase(Change change) {
  auto log = std::make_shared<MessageLog>();
  TestWindow owner("owner", log);
  ASSERT_TRUE(owner.Create(WS_POPUP | WS_VISIBLE, 0, 50, 50, 200, 150));
  for (const TaskbarCase& c : kTaskbarCases) {
    SCOPED_TRACE(c.name);
    TestWindow window(c.name, log);
    ASSERT_TRUE(window.Create(WS_POPUP | WS_VISIBLE, c.exStyle, 300, 200, 200, 150, c.owned ? owner.Handle() : nullptr));
    ASSERT_TRUE(WaitUntil([&] { return Managed(window.Handle()); }));
    EXPECT_EQ(c.listed, !SkipsTaskbar(window.Handle()));
    change(window.Handle());
    EXPECT_EQ(c.listed, !SkipsTaskbar(window.Handle())) << "after the change";
  }
}

// Windows lists a window in the taskbar when it has WS_EX_APPWINDOW, or has neither an owner nor
// WS_EX_TOOLWINDOW; a window manager may drop the hint when the window is hidden.
TEST(Taskbar, ListsTheWindowsWindowsWouldAcrossHiding) {
  ForEachTaskbarCase([](HWND hwnd) {
    ShowWindow(hwnd, SW_HIDE);
    ASSERT_TRUE(WaitUntil([&] { return !Managed(hwnd); }));
    ShowWindow(hwnd, SW_SHOW);
    ASSERT_TRUE(WaitUntil([&] { return Managed(hwnd); }));
  });
}

TEST(Taskbar, KeepsTheListingOnANewNativeWindow) {
  ForEachTaskbarCase([](HWND hwnd) {
    const unsigned long before = XidOf(hwnd);
    (new QOpenGLWidget(win32qt::WidgetFromHwnd(hwnd)))->show();
    ASSERT_TRUE(WaitUntil([&] { return Managed(hwnd) && XidOf(hwnd) != before; }));
  });
}

// Qt deactivates a window while it replaces its native window for a GPU-composed child; a
// program that repaints on WM_ACTIVATE must not flush through the surface that is not there yet.
TEST(ActivationRepaint, SurvivesANewNativeWindow) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("repainting", log, [](HWND hwnd, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (msg == WM_ACTIVATE) UpdateWindow(hwnd);
    return std::nullopt;
  });
  ASSERT_TRUE(window.Create(WS_POPUP | WS_VISIBLE, WS_EX_APPWINDOW, 100, 100, 400, 300));
  ASSERT_TRUE(WaitUntil([&] { return Managed(window.Handle()) && GetActiveWindow() == window.Handle(); }));
  const unsigned long before = XidOf(window.Handle());
  (new QOpenGLWidget(win32qt::WidgetFromHwnd(window.Handle())))->show();
  EXPECT_TRUE(WaitUntil([&] { return Managed(window.Handle()) && XidOf(window.Handle()) != before; }));
  EXPECT_GE(window.Count(WM_ACTIVATE), 2u);
}

TEST(Mouse, CaptionDragMovesTheWindowThroughTheWindowManager) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("dragged", log, CaptionOnTop());
  ASSERT_TRUE(window.Create(WS_POPUP | WS_VISIBLE, 0, 200, 200, 300, 200));
  ASSERT_TRUE(WaitUntil([&] { return Managed(window.Handle()); }));
  ASSERT_TRUE(Xdo::Drag(250, 210, 400, 330));
  EXPECT_TRUE(WaitUntil([&] {
    const RECT r = WindowRectOf(window.Handle());
    return r.left == 350 && r.top == 320;
  }));
  EXPECT_EQ(GET_Y_LPARAM(window.Last(WM_MOVE)->lParam), 320);
}

TEST(Tray, DockedIconReportsClicksToItsWindow) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("tray-owner", log);
  ASSERT_TRUE(window.Create(WS_POPUP, 0, 0, 0, 10, 10));
  NOTIFYICONDATAW data = TrayRecord(window.Handle(), 9, WM_APP + 5);
  ASSERT_TRUE(Shell_NotifyIconW(NIM_ADD, &data));
  QRect where;
  ASSERT_TRUE(WaitUntil([&] {
    where = win32::TrayIcons::Instance().Geometry(window.Handle(), 9);
    return where.width() > 0 && where.x() > 0;
  }));
  ASSERT_TRUE(Xdo::Click(where.center().x(), where.center().y(), 1));
  ASSERT_TRUE(WaitUntil([&] { return window.Count(WM_APP + 5) >= 1; }));
  EXPECT_EQ(window.Last(WM_APP + 5)->wParam, 9u);
  EXPECT_EQ(window.Last(WM_APP + 5)->lParam, static_cast<LPARAM>(WM_LBUTTONUP));
  ASSERT_TRUE(Xdo::Click(where.center().x(), where.center().y(), 3));
  ASSERT_TRUE(WaitUntil([&] { return window.Last(WM_APP + 5)->lParam == static_cast<LPARAM>(WM_RBUTTONUP); }));
  EXPECT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
}

}  // namespace
