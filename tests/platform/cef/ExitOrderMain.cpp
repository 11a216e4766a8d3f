// A program that ends in one of the orders a real program might use, with a
// browser still open; it must exit cleanly in each. The order is argv[1]:
//   engine-first       CefShutdown, then the window layer shuts down
//   windows-first      the window layer shuts down, then CefShutdown
//   no-engine-shutdown the window layer shuts down and CefShutdown never runs
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>

#include "EngineTestHarness.h"
#include "RecordingClient.h"
#include "include/cef_browser.h"
#include "qt/QtBridge.h"

using namespace cefharness;

namespace {

const std::map<std::string, std::function<void()>> kOrders{
    {"engine-first", [] { CefShutdown(), win32qt::ShutdownApplication(); }},
    {"windows-first", [] { win32qt::ShutdownApplication(), CefShutdown(); }},
    {"no-engine-shutdown", [] { win32qt::ShutdownApplication(); }},
};

}  // namespace

int main(int argc, char** argv) {
  const int helperExit = EnterProcess(argc, argv);
  if (helperExit >= 0) return helperExit;
  const auto order = argc > 1 ? kOrders.find(argv[1]) : kOrders.end();
  if (order == kOrders.end()) {
    std::fprintf(stderr, "usage: %s engine-first|windows-first|no-engine-shutdown\n", argv[0]);
    return 2;
  }
  if (!StartEngine()) return 3;
  CefRefPtr<RecordingClient> client = new RecordingClient;
  CefWindowInfo info;
  info.SetAsChild(CreateHostWindow(), RECT{0, 0, 300, 200});
  CefBrowserHost::CreateBrowser(info, client.get(), "about:blank", CefBrowserSettings(), nullptr);
  if (!WaitUntil([&] { return client->Count("OnAfterCreated") == 1; })) return 4;
  order->second();
  if (client->Count("OnBeforeClose") != 1) {
    std::fprintf(stderr, "exit order %s: OnBeforeClose came %d times\n", argv[1], client->Count("OnBeforeClose"));
    return 5;
  }
  std::printf("exit order %s: clean\n", argv[1]);
  return LeaveProcess(0);
}
