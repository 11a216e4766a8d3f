// Geometry, show state, styles and handle validity without a window manager.
#include "TestWindow.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <chrono>

using testsupport::WaitUntil;

namespace {

struct PosCase {
  const char* name;
  HWND insertAfter;
  int x, y, cx, cy;
  UINT flags;
  RECT expected;
  bool visibleAfter;
};

class SetWindowPosTable : public testing::TestWithParam<PosCase> {};

TEST_P(SetWindowPosTable, WindowRectFollowsTheFlags) {
  const PosCase& c = GetParam();
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);
  ASSERT_TRUE(window.Create(WS_POPUP | WS_VISIBLE, 0, 100, 100, 300, 200));
  ASSERT_TRUE(SetWindowPos(window.Handle(), c.insertAfter, c.x, c.y, c.cx, c.cy, c.flags));
  EXPECT_EQ(WindowRectOf(window.Handle()), c.expected);
  EXPECT_EQ(IsWindowVisible(window.Handle()), c.visibleAfter ? TRUE : FALSE);
  // What the X server makes of it must not drift from what Windows reported.
  testsupport::PumpFor(std::chrono::milliseconds(100));
  EXPECT_EQ(WindowRectOf(window.Handle()), c.expected);
  RECT client{};
  GetClientRect(window.Handle(), &client);
  auto size = window.Last(WM_SIZE);
  ASSERT_TRUE(size);
  EXPECT_EQ(LOWORD(size->lParam), client.right);
  EXPECT_EQ(HIWORD(size->lParam), client.bottom);
  auto move = window.Last(WM_MOVE);
  ASSERT_TRUE(move);
  EXPECT_EQ(GET_X_LPARAM(move->lParam), c.expected.left);
  EXPECT_EQ(GET_Y_LPARAM(move->lParam), c.expected.top);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, SetWindowPosTable,
    testing::Values(PosCase{"MoveAndSize", nullptr, 10, 20, 200, 150, SWP_NOZORDER, {10, 20, 210, 170}, true},
                    PosCase{"NoMove", nullptr, 500, 500, 220, 120, SWP_NOMOVE | SWP_NOZORDER, {100, 100, 320, 220}, true},
                    PosCase{"NoSize", nullptr, 30, 40, 999, 999, SWP_NOSIZE, {30, 40, 330, 240}, true},
                    PosCase{"Neither", nullptr, 1, 2, 3, 4, SWP_NOMOVE | SWP_NOSIZE, {100, 100, 400, 300}, true},
                    PosCase{"Topmost", HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE, {100, 100, 400, 300}, true},
                    PosCase{"Bottom", HWND_BOTTOM, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE, {5, 5, 305, 205}, true},
                    PosCase{"Hide", nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE,
                            {100, 100, 400, 300}, false},
                    PosCase{"FrameChanged", nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE,
                            {100, 100, 400, 300}, true}),
    [](const testing::TestParamInfo<PosCase>& info) { return std::string(info.param.name); });

TEST(Geometry, TopmostIsAnExtendedStyle) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);
  ASSERT_TRUE(window.Create(WS_POPUP | WS_VISIBLE, 0, 100, 100, 300, 200));
  SetWindowPos(window.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_TRUE(GetWindowLongW(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  SetWindowPos(window.Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_FALSE(GetWindowLongW(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST(Geometry, ChildRectsAreInScreenCoordinatesAndClientPointsMap) {
  auto log = std::make_shared<MessageLog>();
  TestWindow parent("parent", log), child("child", log);
  ASSERT_TRUE(parent.Create(WS_POPUP | WS_VISIBLE, 0, 100, 100, 300, 200));
  ASSERT_TRUE(child.Create(WS_CHILD | WS_VISIBLE, 0, 10, 20, 50, 40, parent.Handle()));
  EXPECT_EQ(WindowRectOf(child.Handle()), (RECT{110, 120, 160, 160}));
  EXPECT_EQ(GetParent(child.Handle()), parent.Handle());
  EXPECT_TRUE(IsChild(parent.Handle(), child.Handle()));
  POINT p{1, 2};
  ClientToScreen(child.Handle(), &p);
  EXPECT_EQ(p.x, 111);
  EXPECT_EQ(p.y, 122);
  ScreenToClient(parent.Handle(), &p);
  EXPECT_EQ(p.x, 11);
  EXPECT_EQ(p.y, 22);
  MoveWindow(child.Handle(), 0, 0, 30, 30, TRUE);
  EXPECT_EQ(GET_X_LPARAM(child.Last(WM_MOVE)->lParam), 0);  // children report parent client coordinates
  ShowWindow(parent.Handle(), SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(child.Handle()));
  EXPECT_TRUE(GetWindowLongW(child.Handle(), GWL_STYLE) & WS_VISIBLE);
}

TEST(Geometry, MaximiseWithoutWindowManagerFillsTheWorkAreaAndRestores) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);
  ASSERT_TRUE(window.Create(WS_POPUP | WS_VISIBLE, 0, 100, 100, 300, 200));
  RECT work{};
  ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
  ShowWindow(window.Handle(), SW_MAXIMIZE);
  EXPECT_TRUE(IsZoomed(window.Handle()));
  EXPECT_TRUE(WaitUntil([&] { return WindowRectOf(window.Handle()) == work; }));
  EXPECT_EQ(window.Last(WM_SIZE)->wParam, static_cast<WPARAM>(SIZE_MAXIMIZED));
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  ASSERT_TRUE(GetWindowPlacement(window.Handle(), &placement));
  EXPECT_EQ(placement.showCmd, static_cast<UINT>(SW_SHOWMAXIMIZED));
  EXPECT_EQ(placement.rcNormalPosition, (RECT{100 - work.left, 100 - work.top, 400 - work.left, 300 - work.top}));
  ShowWindow(window.Handle(), SW_RESTORE);
  EXPECT_FALSE(IsZoomed(window.Handle()));
  EXPECT_TRUE(WaitUntil([&] { return WindowRectOf(window.Handle()) == RECT{100, 100, 400, 300}; }));
  EXPECT_EQ(window.Last(WM_SIZE)->wParam, static_cast<WPARAM>(SIZE_RESTORED));
}

TEST(Geometry, ShowWindowReturnsThePreviousVisibility) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);
  ASSERT_TRUE(window.Create(WS_POPUP, 0, 0, 0, 50, 50));
  EXPECT_FALSE(ShowWindow(window.Handle(), SW_SHOWNOACTIVATE));
  EXPECT_TRUE(ShowWindow(window.Handle(), SW_HIDE));
  EXPECT_FALSE(ShowWindow(window.Handle(), SW_HIDE));
  SetWindowLongW(window.Handle(), GWL_STYLE, GetWindowLongW(window.Handle(), GWL_STYLE) | WS_VISIBLE);
  EXPECT_TRUE(IsWindowVisible(window.Handle()));
}

TEST(Attributes, TextUserDataProcedureAndClassRoundTrip) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);
  ASSERT_TRUE(window.Create(WS_POPUP, 0, 0, 0, 50, 50));
  const HWND hwnd = window.Handle();
  wchar_t text[16];
  EXPECT_EQ(GetWindowTextW(hwnd, text, 16), 1);
  EXPECT_STREQ(text, L"w");
  ASSERT_TRUE(SetWindowTextW(hwnd, L"tessvane caption"));
  EXPECT_EQ(GetWindowTextLengthW(hwnd), 16);
  EXPECT_EQ(GetWindowTextW(hwnd, text, 8), 7);  // truncated, terminated
  EXPECT_STREQ(text, L"tessvan");
  EXPECT_EQ(GetClassNameW(hwnd, text, 16), 15);
  EXPECT_STREQ(text, L"TessvaneTestWin");
  const LONG_PTR before = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
  EXPECT_NE(before, 0);
  EXPECT_EQ(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcW)), before);
  EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&DefWindowProcW));
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, before);
  EXPECT_TRUE(IsWindowEnabled(hwnd));
  EXPECT_FALSE(EnableWindow(hwnd, FALSE));
  EXPECT_FALSE(IsWindowEnabled(hwnd));
  EXPECT_EQ(window.Last(WM_ENABLE)->wParam, static_cast<WPARAM>(FALSE));
}

struct DeadHandleCase {
  const char* name;
  std::function<LONG_PTR(HWND)> call;
};

class DestroyedHandle : public testing::TestWithParam<DeadHandleCase> {};

TEST_P(DestroyedHandle, FailsWithInvalidWindowHandle) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);
  ASSERT_TRUE(window.Create(WS_POPUP | WS_VISIBLE, 0, 0, 0, 50, 50));
  const HWND hwnd = window.Handle();
  ASSERT_TRUE(DestroyWindow(hwnd));
  SetLastError(0);
  EXPECT_EQ(GetParam().call(hwnd), 0);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_WINDOW_HANDLE));
}

RECT g_scratch;

INSTANTIATE_TEST_SUITE_P(
    Calls, DestroyedHandle,
    testing::Values(
        DeadHandleCase{"DestroyWindow", [](HWND h) { return LONG_PTR{DestroyWindow(h)}; }},
        DeadHandleCase{"SetWindowPos", [](HWND h) { return LONG_PTR{SetWindowPos(h, nullptr, 0, 0, 1, 1, 0)}; }},
        DeadHandleCase{"MoveWindow", [](HWND h) { return LONG_PTR{MoveWindow(h, 0, 0, 1, 1, TRUE)}; }},
        DeadHandleCase{"ShowWindow", [](HWND h) { return LONG_PTR{ShowWindow(h, SW_SHOW)}; }},
        DeadHandleCase{"GetWindowRect", [](HWND h) { return LONG_PTR{GetWindowRect(h, &g_scratch)}; }},
        DeadHandleCase{"GetClientRect", [](HWND h) { return LONG_PTR{GetClientRect(h, &g_scratch)}; }},
        DeadHandleCase{"SetWindowTextW", [](HWND h) { return LONG_PTR{SetWindowTextW(h, L"x")}; }},
        DeadHandleCase{"GetWindowLongPtrW", [](HWND h) { return GetWindowLongPtrW(h, GWLP_USERDATA); }},
        DeadHandleCase{"SetWindowLongPtrW", [](HWND h) { return SetWindowLongPtrW(h, GWLP_USERDATA, 1); }},
        DeadHandleCase{"SendMessageW", [](HWND h) { return SendMessageW(h, WM_USER, 0, 0); }},
        DeadHandleCase{"PostMessageW", [](HWND h) { return LONG_PTR{PostMessageW(h, WM_USER, 0, 0)}; }},
        DeadHandleCase{"SetTimer", [](HWND h) { return static_cast<LONG_PTR>(SetTimer(h, 1, 10, nullptr)); }},
        DeadHandleCase{"GetParent", [](HWND h) { return reinterpret_cast<LONG_PTR>(GetParent(h)); }},
        DeadHandleCase{"GetWindowThreadProcessId",
                       [](HWND h) { return LONG_PTR{GetWindowThreadProcessId(h, nullptr)}; }}),
    [](const testing::TestParamInfo<DeadHandleCase>& info) { return std::string(info.param.name); });

}  // namespace
