// Real X input (xdotool) turned into Windows messages, without a window manager.
#include "TestWindow.h"
#include "support/WaitUntil.h"
#include "support/Xdo.h"

#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>

using testsupport::WaitUntil;
using testsupport::Xdo;

namespace {


bool Focused(HWND hwnd) {
  SetForegroundWindow(hwnd);
  SetFocus(hwnd);
  return WaitUntil([&] { return GetFocus() == hwnd; });
}

TEST(Mouse, ClickInTheClientAreaGivesButtonMessagesWithClientCoordinates) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);
  ASSERT_TRUE(window.Create(WS_POPUP | WS_VISIBLE, 0, 200, 150, 300, 200));
  ASSERT_TRUE(WaitUntil([&] { return !Xdo::SearchByName("^w$").empty(); }));
  ASSERT_TRUE(Xdo::Click(260, 190));
  ASSERT_TRUE(WaitUntil([&] { return window.Count(WM_LBUTTONUP) == 1; }));
  const auto down = window.Last(WM_LBUTTONDOWN);
  ASSERT_TRUE(down);
  EXPECT_EQ(GET_X_LPARAM(down->lParam), 60);
  EXPECT_EQ(GET_Y_LPARAM(down->lParam), 40);
  EXPECT_TRUE(down->wParam & MK_LBUTTON);
  EXPECT_GE(window.Count(WM_NCHITTEST), 1u);
}

TEST(Mouse, TrackMouseEventReportsLeavingOnce) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);
  ASSERT_TRUE(window.Create(WS_POPUP | WS_VISIBLE, 0, 200, 150, 300, 200));
  ASSERT_TRUE(WaitUntil([&] { return !Xdo::SearchByName("^w$").empty(); }));
  ASSERT_TRUE(Xdo::MoveMouse(300, 250));
  ASSERT_TRUE(WaitUntil([&] { return window.Count(WM_MOUSEMOVE) > 0; }));
  TRACKMOUSEEVENT track{};
  track.cbSize = sizeof track;
  track.dwFlags = TME_LEAVE;
  track.hwndTrack = window.Handle();
  ASSERT_TRUE(TrackMouseEvent(&track));
  ASSERT_TRUE(Xdo::MoveMouse(900, 700));
  EXPECT_TRUE(WaitUntil([&] { return window.Count(WM_MOUSELEAVE) == 1; }));
  ASSERT_TRUE(Xdo::MoveMouse(300, 250));
  ASSERT_TRUE(Xdo::MoveMouse(900, 700));
  EXPECT_FALSE(WaitUntil([&] { return window.Count(WM_MOUSELEAVE) > 1; }, std::chrono::milliseconds(200)));
}

TEST(Mouse, CaptionDragMovesTheWindowWithoutWindowManager) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log, CaptionOnTop());
  ASSERT_TRUE(window.Create(WS_POPUP | WS_VISIBLE, 0, 200, 200, 300, 200));
  ASSERT_TRUE(WaitUntil([&] { return !Xdo::SearchByName("^w$").empty(); }));
  ASSERT_TRUE(Xdo::Drag(250, 210, 400, 330));
  EXPECT_TRUE(WaitUntil([&] {
    const RECT r = WindowRectOf(window.Handle());
    return r.left == 350 && r.top == 320;
  }));
  EXPECT_EQ(GET_X_LPARAM(window.Last(WM_MOVE)->lParam), 350);
  EXPECT_EQ(window.Count(WM_LBUTTONDOWN), 0u);  // the caption is not client area
}

struct KeyCase {
  const char* keysym;
  UINT virtualKey;
  wchar_t character;  // 0: no WM_CHAR
};

class Keyboard : public testing::TestWithParam<KeyCase> {};

TEST_P(Keyboard, KeyPressGivesKeyDownWithTheVirtualKeyAndTranslatedCharacter) {
  const KeyCase& c = GetParam();
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);
  ASSERT_TRUE(window.Create(WS_POPUP | WS_VISIBLE, 0, 200, 150, 300, 200));
  ASSERT_TRUE(WaitUntil([&] { return !Xdo::SearchByName("^w$").empty(); }));
  ASSERT_TRUE(Focused(window.Handle()));
  ASSERT_TRUE(Xdo::Key(c.keysym));
  ASSERT_TRUE(WaitUntil([&] { return window.Count(WM_KEYUP) == 1; }));
  const auto down = window.Last(WM_KEYDOWN);
  ASSERT_TRUE(down);
  EXPECT_EQ(down->wParam, c.virtualKey);
  EXPECT_EQ(window.Last(WM_KEYUP)->wParam, c.virtualKey);
  const auto order = window.Messages({WM_KEYDOWN, WM_CHAR, WM_KEYUP});
  if (c.character == 0) {
    EXPECT_EQ(order, (std::vector<UINT>{WM_KEYDOWN, WM_KEYUP}));
    return;
  }
  EXPECT_EQ(order, (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP}));
  EXPECT_EQ(window.Last(WM_CHAR)->wParam, static_cast<WPARAM>(c.character));
}

INSTANTIATE_TEST_SUITE_P(Keys, Keyboard,
                         testing::Values(KeyCase{"Escape", VK_ESCAPE, 0x1B}, KeyCase{"Return", VK_RETURN, L'\r'},
                                         KeyCase{"a", 'A', L'a'}, KeyCase{"7", '7', L'7'},
                                         KeyCase{"F1", VK_F1, 0}, KeyCase{"Left", VK_LEFT, 0}),
                         [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.keysym); });

TEST(Tray, AddingFailsWithoutANotificationArea) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);
  ASSERT_TRUE(window.Create(WS_POPUP, 0, 0, 0, 10, 10));
  NOTIFYICONDATAW data = TrayRecord(window.Handle(), 1, WM_APP + 1);
  EXPECT_FALSE(Shell_NotifyIconW(NIM_ADD, &data));
  EXPECT_FALSE(Shell_NotifyIconW(NIM_DELETE, &data));
}

}  // namespace
