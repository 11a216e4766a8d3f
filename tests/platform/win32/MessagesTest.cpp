// Message sequences, queues, sending across threads, quitting and timers, as Windows defines them.
#include "TestWindow.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <atomic>
#include <chrono>
#include <thread>

using testsupport::WaitUntil;

namespace {

const std::vector<UINT> kStructural = {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SHOWWINDOW,
                                       WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_SIZE, WM_MOVE, WM_DESTROY,
                                       WM_NCDESTROY};

// Drains the queue, dispatching everything except the messages a test wants to look at itself.
std::vector<MSG> TakeAll(HWND hwnd) {
  std::vector<MSG> taken;
  MSG msg;
  while (PeekMessageW(&msg, hwnd, 0, 0, PM_REMOVE)) taken.push_back(msg);
  return taken;
}

TEST(MessageSequence, CreateShowHideDestroyArriveInWindowsOrder) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);
  ASSERT_TRUE(window.Create(WS_POPUP, 0, 100, 100, 300, 200));
  const HWND hwnd = window.Handle();

  struct Phase {
    const char* name;
    std::function<void()> act;
    std::vector<UINT> expected;
  };
  const std::vector<Phase> phases = {
      {"after create", [] {}, {WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}},
      {"show", [&] { ShowWindow(hwnd, SW_SHOW); },
       {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}},
      {"show again changes nothing", [&] { ShowWindow(hwnd, SW_SHOW); }, {}},
      {"move", [&] { SetWindowPos(hwnd, nullptr, 50, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER); },
       {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_MOVE}},
      {"resize", [&] { SetWindowPos(hwnd, nullptr, 0, 0, 320, 240, SWP_NOMOVE | SWP_NOZORDER); },
       {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_SIZE}},
      {"hide", [&] { ShowWindow(hwnd, SW_HIDE); }, {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}},
      {"show for destroy", [&] { ShowWindow(hwnd, SW_SHOWNA); },
       {WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED}},
      {"destroy", [&] { DestroyWindow(hwnd); }, {WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, WM_DESTROY, WM_NCDESTROY}},
  };
  for (const Phase& phase : phases) {
    phase.act();
    // Qt's answers from the X server (configure, expose) must not add to what Windows sends.
    testsupport::PumpFor(std::chrono::milliseconds(150));
    EXPECT_EQ(window.Messages(kStructural), phase.expected) << phase.name;
    log->clear();
  }
  EXPECT_FALSE(IsWindow(hwnd));
}

TEST(MessageSequence, ParentAndChildDestroyTopDownAndNcDestroyBottomUp) {
  auto log = std::make_shared<MessageLog>();
  TestWindow parent("parent", log), child("child", log);
  ASSERT_TRUE(parent.Create(WS_POPUP | WS_VISIBLE, 0, 100, 100, 300, 200));
  ASSERT_TRUE(child.Create(WS_CHILD | WS_VISIBLE, 0, 10, 10, 50, 50, parent.Handle()));
  log->clear();
  DestroyWindow(parent.Handle());
  const std::vector<std::pair<std::string, UINT>> expected = {
      {"parent", WM_DESTROY}, {"child", WM_DESTROY}, {"child", WM_NCDESTROY}, {"parent", WM_NCDESTROY}};
  EXPECT_EQ(Sequence(*log, {WM_DESTROY, WM_NCDESTROY}), expected);
  EXPECT_FALSE(IsWindow(child.Handle()));
}

TEST(MessageSequence, OwnedWindowIsDestroyedBeforeItsOwner) {
  auto log = std::make_shared<MessageLog>();
  TestWindow owner("owner", log), owned("owned", log);
  ASSERT_TRUE(owner.Create(WS_POPUP | WS_VISIBLE, 0, 100, 100, 300, 200));
  ASSERT_TRUE(owned.Create(WS_POPUP | WS_VISIBLE, 0, 150, 150, 100, 100, owner.Handle()));
  EXPECT_EQ(GetWindow(owned.Handle(), GW_OWNER), owner.Handle());
  log->clear();
  DestroyWindow(owner.Handle());
  const std::vector<std::pair<std::string, UINT>> expected = {
      {"owned", WM_DESTROY}, {"owned", WM_NCDESTROY}, {"owner", WM_DESTROY}, {"owner", WM_NCDESTROY}};
  EXPECT_EQ(Sequence(*log, {WM_DESTROY, WM_NCDESTROY}), expected);
}

TEST(MessageSequence, CreateReturningMinusOneFailsCreation) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log, [](HWND, UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (msg == WM_CREATE) return -1;
    return std::nullopt;
  });
  EXPECT_EQ(window.Create(WS_POPUP | WS_VISIBLE, 0, 0, 0, 100, 100), nullptr);
  EXPECT_EQ(window.Messages(kStructural),
            (std::vector<UINT>{WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}));
  EXPECT_FALSE(IsWindow(window.HandleDuringCreate()));
}

TEST(MessageSequence, CloseGoesThroughDefWindowProcToDestroy) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);
  ASSERT_TRUE(window.Create(WS_POPUP | WS_VISIBLE, 0, 0, 0, 100, 100));
  SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(window.Messages({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY, WM_NCDESTROY}),
            (std::vector<UINT>{WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY, WM_NCDESTROY}));
}

TEST(MessageQueue, PostedMessagesArriveInOrderAndQuitComesLast) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);
  ASSERT_TRUE(window.Create(WS_POPUP, 0, 0, 0, 100, 100));
  PostQuitMessage(7);
  for (UINT i = 1; i <= 3; ++i) PostMessageW(window.Handle(), WM_APP + i, i, 0);
  PostThreadMessageW(GetCurrentThreadId(), WM_APP + 9, 0, 0);
  std::vector<UINT> got;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0)) got.push_back(msg.message);
  EXPECT_EQ(got, (std::vector<UINT>{WM_APP + 1, WM_APP + 2, WM_APP + 3, WM_APP + 9}));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
  EXPECT_EQ(msg.wParam, 7u);
}

TEST(MessageQueue, PeekWithoutRemoveLeavesTheMessage) {
  PostThreadMessageW(GetCurrentThreadId(), WM_APP + 1, 5, 6);
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE));
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_APP + 1));
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, WM_APP + 1, WM_APP + 1, PM_REMOVE));
}

TEST(MessageQueue, QueuedQtWorkRunsWhileGetMessageWaits) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);  // makes sure the QApplication exists
  ASSERT_TRUE(window.Create(WS_POPUP, 0, 0, 0, 10, 10));
  QMetaObject::invokeMethod(QCoreApplication::instance(), [] { PostQuitMessage(5); }, Qt::QueuedConnection);
  MSG msg;
  EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), FALSE);
  EXPECT_EQ(msg.wParam, 5u);
}

TEST(MessageQueue, PostFromAnotherThreadWakesGetMessage) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);
  ASSERT_TRUE(window.Create(WS_POPUP, 0, 0, 0, 10, 10));
  const HWND hwnd = window.Handle();
  std::thread poster([hwnd] { PostMessageW(hwnd, WM_APP + 3, 33, 0); });
  MSG msg;
  ASSERT_EQ(GetMessageW(&msg, nullptr, 0, 0), TRUE);
  poster.join();
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_APP + 3));
  EXPECT_EQ(msg.hwnd, hwnd);
}

TEST(CrossThreadSend, SenderBlocksGetsResultAndServesMessagesSentBack) {
  auto log = std::make_shared<MessageLog>();
  std::atomic<HWND> workerWindow{nullptr};
  std::atomic<DWORD> servedOn{0};
  static std::atomic<DWORD>* served = nullptr;
  served = &servedOn;
  TestWindow gui("gui", log, [&](HWND, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    if (msg != WM_APP + 1) return std::nullopt;
    // The worker is blocked in SendMessageW; it must still serve this.
    const LRESULT echoed = SendMessageW(workerWindow.load(), WM_APP + 2, wParam, 0);
    return echoed + 1;
  });
  ASSERT_TRUE(gui.Create(WS_POPUP, 0, 0, 0, 10, 10));
  const HWND guiHwnd = gui.Handle();
  std::atomic<LRESULT> result{0};
  std::atomic<bool> done{false};
  std::thread worker([&] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
      if (m != WM_APP + 2) return DefWindowProcW(h, m, w, l);
      *served = GetCurrentThreadId();
      return static_cast<LRESULT>(w * 10);
    };
    wc.lpszClassName = L"TessvaneWorkerWindow";
    RegisterClassExW(&wc);
    workerWindow = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    result = SendMessageW(guiHwnd, WM_APP + 1, 4, 0);
    DestroyWindow(workerWindow);
    done = true;
  });
  EXPECT_TRUE(WaitUntil([&] { return done.load(); }));
  worker.join();
  EXPECT_EQ(result.load(), 41);
  EXPECT_NE(servedOn.load(), 0u);
  EXPECT_NE(servedOn.load(), GetCurrentThreadId());
  EXPECT_EQ(gui.Count(WM_APP + 1), 1u);
}

TEST(Timers, WindowTimerRepeatsUntilKilled) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);
  ASSERT_TRUE(window.Create(WS_POPUP, 0, 0, 0, 10, 10));
  const auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(SetTimer(window.Handle(), 7, 30, nullptr), 7u);
  ASSERT_TRUE(WaitUntil([&] { return window.Count(WM_TIMER) >= 3; }));
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(80));
  EXPECT_EQ(window.Last(WM_TIMER)->wParam, 7u);
  ASSERT_TRUE(KillTimer(window.Handle(), 7));
  const size_t count = window.Count(WM_TIMER);
  EXPECT_FALSE(WaitUntil([&] { return window.Count(WM_TIMER) > count; }, std::chrono::milliseconds(150)));
  EXPECT_FALSE(KillTimer(window.Handle(), 7));
}

TEST(Timers, ThreadTimerCallsItsProcedureThroughDispatch) {
  static int calls = 0;
  calls = 0;
  const UINT_PTR id = SetTimer(nullptr, 0, 20, [](HWND, UINT msg, UINT_PTR, DWORD) {
    if (msg == WM_TIMER) ++calls;
  });
  ASSERT_NE(id, 0u);
  EXPECT_TRUE(WaitUntil([] { return calls >= 2; }));
  KillTimer(nullptr, id);
}

TEST(Timers, DestroyingTheWindowStopsItsTimers) {
  auto log = std::make_shared<MessageLog>();
  TestWindow window("w", log);
  ASSERT_TRUE(window.Create(WS_POPUP, 0, 0, 0, 10, 10));
  const HWND hwnd = window.Handle();
  SetTimer(hwnd, 1, 10, nullptr);
  DestroyWindow(hwnd);
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(100);
  bool timerArrived = false;
  while (std::chrono::steady_clock::now() < end) {
    for (const MSG& m : TakeAll(nullptr)) timerArrived |= m.message == WM_TIMER && m.hwnd == hwnd;
  }
  EXPECT_FALSE(timerArrived);
}

}  // namespace
