// A window whose procedure records every message it gets, for tests on the GUI thread. The object
// owns its window (destroyed with it unless the test destroyed it already) and the shared log.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct LoggedMessage {
  std::string window;  // the TestWindow's label
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

using MessageLog = std::vector<LoggedMessage>;

class TestWindow {
 public:
  // Answers a message instead of DefWindowProc when it returns a value.
  using Hook = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

  TestWindow(std::string label, std::shared_ptr<MessageLog> log, Hook hook = {});
  ~TestWindow();

  // Creates the window; Handle() stays null when creation failed.
  HWND Create(DWORD style, DWORD exStyle, int x, int y, int width, int height, HWND parent = nullptr);
  HWND Handle() const { return hwnd_; }
  HWND HandleDuringCreate() const { return seen_; }
  const std::shared_ptr<MessageLog>& Log() const { return log_; }
  // The messages in `keep`, in order, for this window only.
  std::vector<UINT> Messages(const std::vector<UINT>& keep) const;
  std::optional<LoggedMessage> Last(UINT message) const;
  size_t Count(UINT message) const;

 private:
  static void RegisterOnce();
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

  std::string label_;
  std::shared_ptr<MessageLog> log_;
  Hook hook_;
  HWND hwnd_ = nullptr;
  HWND seen_ = nullptr;
};

// The log of every TestWindow: messages of one window, as a label-qualified sequence.
std::vector<std::pair<std::string, UINT>> Sequence(const MessageLog& log, const std::vector<UINT>& keep);

// The window rectangle, or an empty one for a bad handle.
RECT WindowRectOf(HWND hwnd);

// A skinned window's hit test: the top 30 pixels are its caption.
TestWindow::Hook CaptionOnTop();

bool operator==(const RECT& a, const RECT& b);
std::ostream& operator<<(std::ostream& out, const RECT& r);

// A tray icon record for `window` that calls back with `callback` and carries a tip.
NOTIFYICONDATAW TrayRecord(HWND window, UINT id, UINT callback);
