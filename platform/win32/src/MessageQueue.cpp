#include "MessageQueue.h"

#include "WindowRegistry.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <algorithm>

namespace win32 {

struct MessageQueue::SentMessage {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  LRESULT result = 0;
  bool done = false;
  std::shared_ptr<MessageQueue> sender;
};

namespace {

constexpr std::chrono::milliseconds kMinimumTimer{10};
constexpr size_t kKeyTextsKept = 256;

std::mutex& DirectoryMutex() {
  static std::mutex mutex;
  return mutex;
}

std::map<DWORD, std::weak_ptr<MessageQueue>>& Directory() {
  static std::map<DWORD, std::weak_ptr<MessageQueue>> directory;
  return directory;
}

thread_local bool tInCrossThreadSend = false;

bool PassesFilter(const MSG& msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  if (hwnd == reinterpret_cast<HWND>(-1) && msg.hwnd) return false;
  if (hwnd && hwnd != reinterpret_cast<HWND>(-1) && msg.hwnd != hwnd && !::IsChild(hwnd, msg.hwnd)) return false;
  if (filterMin == 0 && filterMax == 0) return true;
  return msg.message >= filterMin && msg.message <= filterMax;
}

// Deregisters the thread's queue when the thread ends.
struct QueueHolder {
  std::shared_ptr<MessageQueue> queue;
  ~QueueHolder() {
    if (!queue) return;
    std::lock_guard lock(DirectoryMutex());
    Directory().erase(queue->ThreadId());
  }
};

}  // namespace

bool InCrossThreadSend() {
  return tInCrossThreadSend;
}

MessageQueue::MessageQueue(DWORD threadId) : threadId_(threadId) {}

MessageQueue::~MessageQueue() = default;

MessageQueue& MessageQueue::Current() {
  thread_local QueueHolder holder;
  if (!holder.queue) {
    holder.queue = std::make_shared<MessageQueue>(GetCurrentThreadId());
    std::lock_guard lock(DirectoryMutex());
    Directory()[holder.queue->ThreadId()] = holder.queue;
  }
  return *holder.queue;
}

std::shared_ptr<MessageQueue> MessageQueue::ForThread(DWORD threadId) {
  std::lock_guard lock(DirectoryMutex());
  const auto it = Directory().find(threadId);
  return it == Directory().end() ? nullptr : it->second.lock();
}

void MessageQueue::WakeLocked() {
  if (qtWaiting_) qtWaiting_->wakeUp();
  changed_.notify_all();
}

void MessageQueue::Post(const MSG& msg) {
  std::lock_guard lock(mutex_);
  posted_.push_back(msg);
  WakeLocked();
}

void MessageQueue::PostFront(const std::vector<MSG>& msgs) {
  std::lock_guard lock(mutex_);
  posted_.insert(posted_.begin(), msgs.begin(), msgs.end());
  WakeLocked();
}

void MessageQueue::PostQuit(int exitCode) {
  std::lock_guard lock(mutex_);
  quitPending_ = true;
  quitCode_ = exitCode;
  WakeLocked();
}

LRESULT MessageQueue::Send(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  MessageQueue& sender = Current();
  auto item = std::make_shared<SentMessage>(SentMessage{hwnd, msg, wParam, lParam, 0, false, sender.shared_from_this()});
  {
    std::lock_guard lock(mutex_);
    sent_.push_back(item);
    WakeLocked();
  }
  // A nested Qt loop on the receiving GUI thread (a modal box) still serves the message.
  if (auto* app = QCoreApplication::instance(); app && app->thread() != QThread::currentThread()) {
    QMetaObject::invokeMethod(app, [receiver = shared_from_this()] { receiver->ServeSent(); }, Qt::QueuedConnection);
  }
  sender.WaitForReply(*item);
  return item->result;
}

void MessageQueue::WaitForReply(const SentMessage& item) {
  for (;;) {
    ServeSent();
    std::unique_lock lock(mutex_);
    if (item.done) return;
    changed_.wait(lock, [&] { return item.done || !sent_.empty(); });
    if (item.done) return;
  }
}

void MessageQueue::ServeSent() {
  for (;;) {
    std::shared_ptr<SentMessage> item;
    {
      std::lock_guard lock(mutex_);
      if (sent_.empty()) return;
      item = sent_.front();
      sent_.pop_front();
    }
    const bool outer = tInCrossThreadSend;
    tInCrossThreadSend = true;
    if (auto window = WindowRegistry::Instance().Find(item->hwnd)) {
      item->result = window->Call(item->msg, item->wParam, item->lParam);
    }
    tInCrossThreadSend = outer;
    std::lock_guard lock(item->sender->mutex_);
    item->done = true;
    item->sender->changed_.notify_all();
  }
}

bool MessageQueue::TakePosted(MSG* out, HWND hwnd, UINT filterMin, UINT filterMax, bool remove) {
  std::lock_guard lock(mutex_);
  const auto it = std::find_if(posted_.begin(), posted_.end(),
                               [&](const MSG& m) { return PassesFilter(m, hwnd, filterMin, filterMax); });
  if (it == posted_.end()) return false;
  *out = *it;
  if (remove) posted_.erase(it);
  return true;
}

bool MessageQueue::TakeQuit(MSG* out, bool remove) {
  std::lock_guard lock(mutex_);
  if (!quitPending_) return false;
  *out = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(quitCode_), 0, GetTickCount(), {}, 0};
  if (remove) quitPending_ = false;
  return true;
}

bool MessageQueue::TakeTimer(MSG* out, HWND hwnd, UINT filterMin, UINT filterMax, bool remove) {
  std::lock_guard lock(mutex_);
  const auto now = Clock::now();
  for (Timer& timer : timers_) {
    const MSG msg{timer.hwnd, WM_TIMER, timer.id, reinterpret_cast<LPARAM>(timer.proc), GetTickCount(), {}, 0};
    if (timer.due > now || !PassesFilter(msg, hwnd, filterMin, filterMax)) continue;
    *out = msg;
    if (remove) timer.due = now + timer.interval;
    return true;
  }
  return false;
}

bool MessageQueue::Take(MSG* out, HWND hwnd, UINT filterMin, UINT filterMax, bool remove) {
  ServeSent();
  return TakePosted(out, hwnd, filterMin, filterMax, remove) || TakeQuit(out, remove) ||
         TakeTimer(out, hwnd, filterMin, filterMax, remove);
}

MessageQueue::Clock::time_point MessageQueue::NextDueLocked() const {
  auto next = Clock::time_point::max();
  for (const Timer& timer : timers_) next = std::min(next, timer.due);
  return next;
}

bool MessageQueue::HasWorkLocked() const {
  return !posted_.empty() || !sent_.empty() || quitPending_ || NextDueLocked() <= Clock::now();
}

void MessageQueue::WaitForWork() {
  QAbstractEventDispatcher* dispatcher =
      QCoreApplication::instance() ? QAbstractEventDispatcher::instance(QThread::currentThread()) : nullptr;
  if (dispatcher) {
    WaitInQt(dispatcher);
    return;
  }
  WaitOnCondition();
}

void MessageQueue::WaitInQt(QAbstractEventDispatcher* dispatcher) {
  Clock::time_point due;
  {
    std::lock_guard lock(mutex_);
    if (HasWorkLocked()) return;
    qtWaiting_ = dispatcher;
    due = NextDueLocked();
  }
  if (due != Clock::time_point::max()) {
    if (!wakeTimer_) {
      wakeTimer_ = std::make_unique<QTimer>();
      wakeTimer_->setSingleShot(true);
      wakeTimer_->setTimerType(Qt::PreciseTimer);
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(due - Clock::now());
    wakeTimer_->start(std::max<std::chrono::milliseconds>(wait, std::chrono::milliseconds(0)));
  }
  dispatcher->processEvents(QEventLoop::WaitForMoreEvents);
  if (wakeTimer_) wakeTimer_->stop();
  std::lock_guard lock(mutex_);
  qtWaiting_ = nullptr;
}

void MessageQueue::WaitOnCondition() {
  std::unique_lock lock(mutex_);
  const auto due = NextDueLocked();
  if (due == Clock::time_point::max()) {
    changed_.wait(lock, [&] { return HasWorkLocked(); });
    return;
  }
  changed_.wait_until(lock, due, [&] { return HasWorkLocked(); });
}

UINT_PTR MessageQueue::SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  std::lock_guard lock(mutex_);
  if (!hwnd) id = ++nextThreadTimer_;
  const auto interval = std::max<std::chrono::milliseconds>(std::chrono::milliseconds(elapse), kMinimumTimer);
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                               [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }),
                timers_.end());
  timers_.push_back(Timer{hwnd, id, interval, Clock::now() + interval, proc});
  WakeLocked();
  return hwnd ? (id ? id : 1) : id;
}

bool MessageQueue::KillTimer(HWND hwnd, UINT_PTR id) {
  std::lock_guard lock(mutex_);
  const auto before = timers_.size();
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                               [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }),
                timers_.end());
  return timers_.size() != before;
}

void MessageQueue::KillTimers(HWND hwnd) {
  std::lock_guard lock(mutex_);
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.hwnd == hwnd; }),
                timers_.end());
}

DWORD MessageQueue::RememberKeyText(const std::wstring& text) {
  std::lock_guard lock(mutex_);
  const DWORD id = ++nextKeyText_;
  keyTexts_[id] = text;
  if (keyTexts_.size() > kKeyTextsKept) keyTexts_.erase(keyTexts_.begin());
  return id;
}

std::wstring MessageQueue::KeyText(DWORD id) const {
  std::lock_guard lock(mutex_);
  const auto it = keyTexts_.find(id);
  return it == keyTexts_.end() ? std::wstring() : it->second;
}

}  // namespace win32
