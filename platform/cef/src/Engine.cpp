// The engine of the browser process; window thread only.
#include "Engine.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "Browser.h"
#include "ChromiumSwitches.h"
#include "CommandLine.h"
#include "HelperProcess.h"
#include "Utf.h"
#include "qt/QtBridge.h"

namespace cefport {

namespace {

// Every helper process of the engine is a copy of this executable (see CefExecuteProcess).
std::string HelperExecutable(const CefSettings& settings) {
  const CefString configured(&settings.browser_subprocess_path);
  if (!configured.empty()) return configured.ToString();
  std::error_code error;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) std::fprintf(stderr, "cef: cannot read /proc/self/exe: %s\n", error.message().c_str());
  return self.string();
}

}  // namespace

Engine& Engine::Instance() {
  static Engine engine;
  return engine;
}

bool Engine::Initialize(const CefSettings& settings, CefRefPtr<CefApp> app) {
  if (state_ != State::Idle) {
    std::fprintf(stderr, "cef: CefInitialize called %s\n", state_ == State::Running ? "twice" : "after CefShutdown");
    return false;
  }
  PrepareEnvironment(settings, app);
  if (QCoreApplication::instance() && !QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts))
    std::fprintf(stderr, "cef: the application object exists without Qt::AA_ShareOpenGLContexts\n");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  win32qt::EnsureApplication();
  CreateProfile(settings);
  windowThread_ = GetCurrentThreadId();
  state_ = State::Running;
  PostContextInitialized(app);
  return true;
}

void Engine::PrepareEnvironment(const CefSettings& settings, CefRefPtr<CefApp> app) {
  CefRefPtr<CommandLine> commandLine = new CommandLine(HelperProcess::StartArguments());
  if (app) app->OnBeforeCommandLineProcessing(CefString(), commandLine.get());
  ChromiumSwitches switches;
  switches.Add(commandLine->AppendedSwitches());
  switches.AddFromSettings(settings);
  switches.Export();
  setenv("QTWEBENGINEPROCESS_PATH", HelperExecutable(settings).c_str(), 1);
  if (settings.no_sandbox || geteuid() == 0) setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
}

void Engine::CreateProfile(const CefSettings& settings) {
  const QString cachePath = ToQString(CefString(&settings.cache_path));
  // An empty cache path keeps everything in memory, as the original engine does.
  profile_ = cachePath.isEmpty() ? new QWebEngineProfile() : new QWebEngineProfile(QStringLiteral("tessvane"));
  if (!cachePath.isEmpty()) {
    profile_->setPersistentStoragePath(cachePath);
    profile_->setCachePath(cachePath + QStringLiteral("/Cache"));
  }
  const QString locale = ToQString(CefString(&settings.locale));
  if (!locale.isEmpty()) profile_->setHttpAcceptLanguage(locale);
  if (settings.persist_session_cookies)
    profile_->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
}

void Engine::PostContextInitialized(CefRefPtr<CefApp> app) {
  CefRefPtr<CefBrowserProcessHandler> handler = app ? app->GetBrowserProcessHandler() : nullptr;
  if (!handler) return;
  QTimer::singleShot(0, profile_, [handler] { handler->OnContextInitialized(); });
}

void Engine::Shutdown() {
  if (state_ != State::Running) return;
  CloseAllBrowsers();
  delete profile_.data();
  state_ = State::Down;
}

void Engine::CloseAllBrowsers() {
  const std::vector<CefRefPtr<Browser>> open = browsers_;
  for (const auto& browser : open) browser->Destroy();
}

void Engine::RunMessageLoop() {
  if (state_ != State::Running) {
    std::fprintf(stderr, "cef: CefRunMessageLoop without a running engine\n");
    return;
  }
  MSG msg;
  while (!quit_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // WM_QUIT belongs to the program's own loop as well: leave it in the queue.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Engine::QuitMessageLoop() {
  quit_ = true;
  // Wakes a loop that waits in GetMessageW.
  if (windowThread_) PostThreadMessageW(windowThread_, WM_NULL, 0, 0);
}

CefRefPtr<Browser> Engine::CreateBrowser(const CefWindowInfo& info, CefRefPtr<CefClient> client,
                                         const CefBrowserSettings& settings, HWND opener) {
  if (state_ != State::Running) {
    std::fprintf(stderr, "cef: CreateBrowser without a running engine\n");
    return nullptr;
  }
  if (!info.parent_window) {
    std::fprintf(stderr, "cef: CreateBrowser needs a parent window (CefWindowInfo::SetAsChild)\n");
    return nullptr;
  }
  CefRefPtr<Browser> browser = new Browser(client, opener != nullptr, opener);
  if (!browser->Attach(profile_, info, settings)) return nullptr;
  browsers_.push_back(browser);
  return browser;
}

void Engine::Forget(Browser* browser) {
  std::erase_if(browsers_, [browser](const CefRefPtr<Browser>& open) { return open.get() == browser; });
}

}  // namespace cefport
