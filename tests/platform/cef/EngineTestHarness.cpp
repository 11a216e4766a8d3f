// What every engine test executable shares; main thread only.
#include "EngineTestHarness.h"

#include <stdlib.h>

#include <cstdio>
#include <fstream>
#include <memory>

#include "TestApp.h"
#include "qt/QtBridge.h"
#include "support/VirtualDisplay.h"
#include "support/WaitUntil.h"

namespace cefharness {

namespace {

int g_wmClose = 0;

std::unique_ptr<testsupport::VirtualDisplay>& Display() {
  static std::unique_ptr<testsupport::VirtualDisplay> display;
  return display;
}

LRESULT CALLBACK HostProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_CLOSE) ++g_wmClose;
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int EnterProcess(int argc, char** argv) {
  win32qt::RecordArguments(argc, argv);
  const int helperExit = CefExecuteProcess(CefMainArgs(nullptr), new TestApp, nullptr);
  if (helperExit >= 0) return helperExit;
  Display() = std::make_unique<testsupport::VirtualDisplay>(testsupport::VirtualDisplay::WindowManager::NoManager);
  if (!Display()->Start()) {
    std::fprintf(stderr, "test: could not start the virtual display\n");
    return 1;
  }
  setenv("DISPLAY", Display()->Name().c_str(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  // With no session bus, libdbus autolaunches one through a pipe that the
  // engine's helper processes inherit; the first widget shown then waits on
  // that pipe forever. An address that fails at once avoids the race.
  setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
  return -1;
}

int LeaveProcess(int result) {
  win32qt::ShutdownApplication();
  Display().reset();
  return result;
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  return testsupport::WaitUntil(done, timeout);
}

void Settle(std::chrono::milliseconds span) { testsupport::PumpFor(span); }

HWND CreateHostWindow() {
  static const bool registered = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = HostProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CefTestHost";
    return RegisterClassW(&wc) != 0;
  }();
  if (!registered) return nullptr;
  return CreateWindowExW(0, L"CefTestHost", L"host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 800, 600, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

int WmCloseCount() { return g_wmClose; }

bool StartEngine(const std::function<void(CefSettings&)>& configure) {
  CefSettings settings;
  settings.no_sandbox = 1;
  if (configure) configure(settings);
  return CefInitialize(CefMainArgs(nullptr), settings, new TestApp, nullptr);
}

std::string MakeTempFolder() {
  char pattern[] = "/tmp/cef-test-XXXXXX";
  const char* made = mkdtemp(pattern);
  return made ? made : "";
}

void WriteFile(const std::string& path, const std::string& text) { std::ofstream(path) << text; }

int RunAllTests(int argc, char** argv, ::testing::Environment* environment) {
  const int helperExit = EnterProcess(argc, argv);
  if (helperExit >= 0) return helperExit;
  ::testing::InitGoogleTest(&argc, argv);
  if (environment) ::testing::AddGlobalTestEnvironment(environment);
  return LeaveProcess(RUN_ALL_TESTS());
}

}  // namespace cefharness
