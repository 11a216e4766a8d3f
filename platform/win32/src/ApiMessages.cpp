// Sending, posting, retrieving and dispatching messages; timers; thread identities.
#include "Diagnostics.h"
#include "KeyMap.h"
#include "MessageQueue.h"
#include "Text.h"
#include "WindowRegistry.h"
#include "WindowWidget.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>
#include <map>
#include <mutex>
#include <unistd.h>

using namespace win32;

namespace {

bool ThreadRunsQt() {
  return QCoreApplication::instance() && QAbstractEventDispatcher::instance(QThread::currentThread());
}

// Input and queued Qt work keep flowing even while posted messages never run out, and widgets of
// destroyed windows go away once no window widget is handling an event.
void TurnQt() {
  if (!ThreadRunsQt()) return;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  if (WindowWidget::EventDepth() == 0) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool ValidFilter(HWND hwnd, const char* call) {
  if (!hwnd || hwnd == reinterpret_cast<HWND>(-1) || WindowRegistry::Instance().Find(hwnd)) return true;
  FailInvalidHandle(call, hwnd);
  return false;
}

std::wstring CharactersFor(const MSG& msg) {
  const std::wstring text = MessageQueue::Current().KeyText(msg.lPrivate);
  if (!text.empty() || msg.lPrivate) return text;
  const wchar_t c = KeyMap::CharacterFor(static_cast<UINT>(msg.wParam), KeyMap::IsPressed(VK_SHIFT));
  return c ? std::wstring(1, c) : std::wstring();
}

}  // namespace

LRESULT WINAPI SendMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto window = FindOrFail(hwnd, "SendMessageW");
  if (!window) return 0;
  if (window->threadId == GetCurrentThreadId()) return window->Call(msg, wParam, lParam);
  auto queue = MessageQueue::ForThread(window->threadId);
  return queue ? queue->Send(hwnd, msg, wParam, lParam) : 0;
}

BOOL WINAPI PostMessageW(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!hwnd) return PostThreadMessageW(GetCurrentThreadId(), msg, wParam, lParam);
  auto window = FindOrFail(hwnd, "PostMessageW");
  if (!window) return FALSE;
  auto queue = MessageQueue::ForThread(window->threadId);
  if (!queue) return FALSE;
  queue->Post(MSG{hwnd, msg, wParam, lParam, GetTickCount(), {}, 0});
  return TRUE;
}

BOOL WINAPI PostThreadMessageW(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto queue = threadId == GetCurrentThreadId() ? MessageQueue::Current().shared_from_this()
                                                : MessageQueue::ForThread(threadId);
  if (!queue) {
    Fail("PostThreadMessageW", ERROR_INVALID_THREAD_ID, "thread " + std::to_string(threadId) + " has no message queue");
    return FALSE;
  }
  queue->Post(MSG{nullptr, msg, wParam, lParam, GetTickCount(), {}, 0});
  return TRUE;
}

void WINAPI PostQuitMessage(int exitCode) {
  MessageQueue::Current().PostQuit(exitCode);
}

BOOL WINAPI GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  if (!msg) {
    Fail("GetMessageW", ERROR_INVALID_PARAMETER, "no MSG to fill");
    return -1;
  }
  if (!ValidFilter(hwnd, "GetMessageW")) return -1;
  MessageQueue& queue = MessageQueue::Current();
  TurnQt();
  while (!queue.Take(msg, hwnd, filterMin, filterMax, true)) queue.WaitForWork();
  return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL WINAPI PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
  if (!msg) {
    Fail("PeekMessageW", ERROR_INVALID_PARAMETER, "no MSG to fill");
    return FALSE;
  }
  if (!ValidFilter(hwnd, "PeekMessageW")) return FALSE;
  TurnQt();
  return MessageQueue::Current().Take(msg, hwnd, filterMin, filterMax, removeFlags & PM_REMOVE) ? TRUE : FALSE;
}

BOOL WINAPI WaitMessage() {
  MessageQueue::Current().WaitForWork();
  return TRUE;
}

BOOL WINAPI TranslateMessage(const MSG* msg) {
  if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
  const std::wstring text = CharactersFor(*msg);
  if (text.empty()) return FALSE;
  const UINT charMessage = msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
  std::vector<MSG> chars;
  for (wchar_t c : text) chars.push_back(MSG{msg->hwnd, charMessage, static_cast<WPARAM>(c), msg->lParam, msg->time, msg->pt, 0});
  MessageQueue::Current().PostFront(chars);
  return TRUE;
}

LRESULT WINAPI DispatchMessageW(const MSG* msg) {
  if (!msg) return 0;
  const bool timerProc = msg->message == WM_TIMER && msg->lParam;
  if (timerProc) {
    reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, GetTickCount());
    return 0;
  }
  if (!msg->hwnd) return 0;
  auto window = FindOwnedOrFail(msg->hwnd, "DispatchMessageW");
  return window ? window->Call(msg->message, msg->wParam, msg->lParam) : 0;
}

BOOL WINAPI InSendMessage() {
  return InCrossThreadSend() ? TRUE : FALSE;
}

DWORD WINAPI GetCurrentThreadId() {
  return static_cast<DWORD>(gettid());
}

DWORD WINAPI GetCurrentProcessId() {
  return static_cast<DWORD>(getpid());
}

DWORD WINAPI GetWindowThreadProcessId(HWND hwnd, LPDWORD processId) {
  auto window = FindOrFail(hwnd, "GetWindowThreadProcessId");
  if (!window) return 0;
  if (processId) *processId = GetCurrentProcessId();
  return window->threadId;
}

UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  if (hwnd && !FindOwnedOrFail(hwnd, "SetTimer")) return 0;
  return MessageQueue::Current().SetTimer(hwnd, id, elapse, proc);
}

BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id) {
  if (MessageQueue::Current().KillTimer(hwnd, id)) return TRUE;
  SetLastError(ERROR_TIMER_NOT_FOUND);
  return FALSE;
}

UINT WINAPI RegisterWindowMessageW(LPCWSTR name) {
  static std::mutex mutex;
  static std::map<std::wstring, UINT> messages;
  if (!name || !*name) {
    Fail("RegisterWindowMessageW", ERROR_INVALID_PARAMETER, "empty message name");
    return 0;
  }
  std::lock_guard lock(mutex);
  const auto [it, added] = messages.emplace(name, static_cast<UINT>(0xC100 + messages.size()));
  return it->second;
}
