// The engine of the browser process; window thread only (the quit mark may
// be set from any thread). It owns the profile and a reference to every open
// browser, and tears both down in CefShutdown.
#pragma once

#include <QPointer>
#include <QWebEngineProfile>
#include <atomic>
#include <vector>

#include "include/cef_app.h"
#include "include/cef_client.h"

namespace cefport {

class Browser;

class Engine {
 public:
  static Engine& Instance();

  bool Initialize(const CefSettings& settings, CefRefPtr<CefApp> app);
  void Shutdown();
  void RunMessageLoop();
  void QuitMessageLoop();
  bool IsRunning() const { return state_ == State::Running; }

  // A browser whose window is a child of info.parent_window, or null (printed).
  // `opener` is the window of the browser that opened a pop-up, else null.
  CefRefPtr<Browser> CreateBrowser(const CefWindowInfo& info, CefRefPtr<CefClient> client,
                                   const CefBrowserSettings& settings, HWND opener);
  // Called by a browser once it has closed.
  void Forget(Browser* browser);

 private:
  enum class State { Idle, Running, Down };

  Engine() = default;
  void PrepareEnvironment(const CefSettings& settings, CefRefPtr<CefApp> app);
  void CreateProfile(const CefSettings& settings);
  void PostContextInitialized(CefRefPtr<CefApp> app);
  void CloseAllBrowsers();

  State state_ = State::Idle;
  std::atomic<bool> quit_{false};
  DWORD windowThread_ = 0;
  QPointer<QWebEngineProfile> profile_;
  std::vector<CefRefPtr<Browser>> browsers_;
};

}  // namespace cefport
