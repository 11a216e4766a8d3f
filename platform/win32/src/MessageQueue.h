// A thread's message queue. Each thread owns its queue (created on first use); Post and Send may be
// called from any thread, everything else only on the owning thread. Blocking waits run inside Qt's
// event dispatcher when the thread has one, so X11 events and queued Qt calls keep flowing.
#pragma once

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class QAbstractEventDispatcher;
class QTimer;

namespace win32 {

class MessageQueue : public std::enable_shared_from_this<MessageQueue> {
 public:
  using Clock = std::chrono::steady_clock;

  explicit MessageQueue(DWORD threadId);
  ~MessageQueue();

  static MessageQueue& Current();
  static std::shared_ptr<MessageQueue> ForThread(DWORD threadId);

  DWORD ThreadId() const { return threadId_; }
  void Post(const MSG& msg);
  // Queues ahead of everything else (TranslateMessage's characters come next).
  void PostFront(const std::vector<MSG>& msgs);
  void PostQuit(int exitCode);
  // Runs on the sending thread: hands the message to this queue's thread and waits for the result,
  // serving messages sent to the sender meanwhile.
  LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void ServeSent();
  // Fills `out` with the next message that passes the filter; false when there is none.
  bool Take(MSG* out, HWND hwnd, UINT filterMin, UINT filterMax, bool remove);
  // Blocks until a message, a sent message, the quit request or a due timer may be waiting.
  void WaitForWork();

  UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc);
  bool KillTimer(HWND hwnd, UINT_PTR id);
  void KillTimers(HWND hwnd);

  // Keyboard text travels beside WM_KEYDOWN (in MSG::lPrivate) until TranslateMessage needs it.
  DWORD RememberKeyText(const std::wstring& text);
  std::wstring KeyText(DWORD id) const;

 private:
  struct SentMessage;
  struct Timer {
    HWND hwnd;
    UINT_PTR id;
    std::chrono::milliseconds interval;
    Clock::time_point due;
    TIMERPROC proc;
  };

  bool HasWorkLocked() const;
  void WakeLocked();
  void WaitForReply(const SentMessage& item);
  void WaitInQt(QAbstractEventDispatcher* dispatcher);
  void WaitOnCondition();
  bool TakePosted(MSG* out, HWND hwnd, UINT filterMin, UINT filterMax, bool remove);
  bool TakeQuit(MSG* out, bool remove);
  bool TakeTimer(MSG* out, HWND hwnd, UINT filterMin, UINT filterMax, bool remove);
  Clock::time_point NextDueLocked() const;

  const DWORD threadId_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<MSG> posted_;
  std::deque<std::shared_ptr<SentMessage>> sent_;
  bool quitPending_ = false;
  int quitCode_ = 0;
  std::vector<Timer> timers_;
  UINT_PTR nextThreadTimer_ = 0x7FF0;
  QAbstractEventDispatcher* qtWaiting_ = nullptr;
  std::unique_ptr<QTimer> wakeTimer_;
  std::map<DWORD, std::wstring> keyTexts_;
  DWORD nextKeyText_ = 0;
};

// True while the current thread runs a window procedure for a message sent from another thread.
bool InCrossThreadSend();

}  // namespace win32
