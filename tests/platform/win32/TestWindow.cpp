#include "TestWindow.h"

#include <cwchar>

#include <algorithm>

namespace {

const wchar_t kClassName[] = L"TessvaneTestWindow";
thread_local TestWindow* tCreating = nullptr;

}  // namespace

void TestWindow::RegisterOnce() {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &TestWindow::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc);
  }();
  (void)atom;
}

TestWindow::TestWindow(std::string label, std::shared_ptr<MessageLog> log, Hook hook)
    : label_(std::move(label)), log_(std::move(log)), hook_(std::move(hook)) {}

TestWindow::~TestWindow() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

HWND TestWindow::Create(DWORD style, DWORD exStyle, int x, int y, int width, int height, HWND parent) {
  RegisterOnce();
  // WM_GETMINMAXINFO comes before WM_NCCREATE carries the create parameter, so the window being
  // created is found through tCreating.
  tCreating = this;
  hwnd_ = CreateWindowExW(exStyle, kClassName, std::wstring(label_.begin(), label_.end()).c_str(), style, x, y,
                          width, height, parent, nullptr, GetModuleHandleW(nullptr), this);
  tCreating = nullptr;
  return hwnd_;
}

LRESULT CALLBACK TestWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self && tCreating) {
    self = tCreating;
    self->seen_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
  self->log_->push_back(LoggedMessage{self->label_, msg, wParam, lParam});
  if (self->hook_) {
    if (auto answer = self->hook_(hwnd, msg, wParam, lParam)) return *answer;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

std::vector<UINT> TestWindow::Messages(const std::vector<UINT>& keep) const {
  std::vector<UINT> result;
  for (const LoggedMessage& m : *log_) {
    if (m.window == label_ && std::find(keep.begin(), keep.end(), m.message) != keep.end()) result.push_back(m.message);
  }
  return result;
}

std::optional<LoggedMessage> TestWindow::Last(UINT message) const {
  for (auto it = log_->rbegin(); it != log_->rend(); ++it) {
    if (it->window == label_ && it->message == message) return *it;
  }
  return std::nullopt;
}

size_t TestWindow::Count(UINT message) const {
  return std::count_if(log_->begin(), log_->end(),
                       [&](const LoggedMessage& m) { return m.window == label_ && m.message == message; });
}

std::vector<std::pair<std::string, UINT>> Sequence(const MessageLog& log, const std::vector<UINT>& keep) {
  std::vector<std::pair<std::string, UINT>> result;
  for (const LoggedMessage& m : log) {
    if (std::find(keep.begin(), keep.end(), m.message) != keep.end()) result.emplace_back(m.window, m.message);
  }
  return result;
}

NOTIFYICONDATAW TrayRecord(HWND window, UINT id, UINT callback) {
  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = id;
  data.uFlags = NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = callback;
  wcscpy(data.szTip, L"tessvane");
  return data;
}

RECT WindowRectOf(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

TestWindow::Hook CaptionOnTop() {
  return [](HWND hwnd, UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
    if (msg != WM_NCHITTEST) return std::nullopt;
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ScreenToClient(hwnd, &p);
    return p.y < 30 ? HTCAPTION : HTCLIENT;
  };
}

bool operator==(const RECT& a, const RECT& b) {
  return EqualRect(&a, &b);
}

std::ostream& operator<<(std::ostream& out, const RECT& r) {
  return out << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}
