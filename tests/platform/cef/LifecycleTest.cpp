// The engine's loop and shutdown paths, in the order a program meets them;
// the tests of this executable share one engine and run in file order.
#include <gtest/gtest.h>

#include <chrono>

#include "EngineTestHarness.h"
#include "RecordingClient.h"
#include "include/cef_app.h"
#include "include/cef_browser.h"

using namespace cefharness;

namespace {

CefRefPtr<RecordingClient> OpenBrowser(HWND host, const std::string& url) {
  CefRefPtr<RecordingClient> client = new RecordingClient;
  CefWindowInfo info;
  info.SetAsChild(host, RECT{0, 0, 400, 300});
  EXPECT_TRUE(CefBrowserHost::CreateBrowser(info, client.get(), url, CefBrowserSettings(), nullptr));
  return client;
}

TEST(LifecycleTest, InitializeStartsTheEngineOnce) {
  ASSERT_TRUE(StartEngine());
  EXPECT_FALSE(StartEngine());
}

TEST(LifecycleTest, RunMessageLoopServesCallbacksUntilTheyQuitIt) {
  const HWND host = CreateHostWindow();
  CefRefPtr<RecordingClient> client = OpenBrowser(host, "about:blank");
  client->onAfterCreated = [](CefRefPtr<CefBrowser>) { cef_quit_message_loop(); };
  CefRunMessageLoop();
  EXPECT_EQ(client->Count("OnAfterCreated"), 1);
  DestroyWindow(host);
  EXPECT_TRUE(WaitUntil([&] { return client->Count("OnBeforeClose") == 1; }));
}

TEST(LifecycleTest, RunMessageLoopReturnsAtOnceWhenQuitIsAlreadyMarked) {
  const auto start = std::chrono::steady_clock::now();
  CefQuitMessageLoop();
  CefRunMessageLoop();
  EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
}

TEST(LifecycleTest, ShutdownClosesOpenBrowsersReleasesClientsAndIsSafeTwice) {
  const int aliveBefore = RecordingClient::Alive();
  const HWND host = CreateHostWindow();
  CefRefPtr<RecordingClient> client = OpenBrowser(host, "about:blank");
  ASSERT_TRUE(WaitUntil([&] { return client->Count("OnAfterCreated") == 1; }));
  const HWND browserWindow = client->Browser()->GetHost()->GetWindowHandle();
  CefShutdown();
  EXPECT_EQ(client->Count("DoClose"), 1);
  EXPECT_EQ(client->Count("OnBeforeClose"), 1);
  EXPECT_FALSE(IsWindow(browserWindow));
  EXPECT_TRUE(IsWindow(host)) << "the program's own window stays the program's";
  client->Forget();
  client = nullptr;
  EXPECT_EQ(RecordingClient::Alive(), aliveBefore);
  CefShutdown();
  CefRunMessageLoop();
  CefRefPtr<RecordingClient> late = new RecordingClient;
  CefWindowInfo info;
  info.SetAsChild(host, RECT{0, 0, 10, 10});
  EXPECT_FALSE(CefBrowserHost::CreateBrowser(info, late.get(), "about:blank", CefBrowserSettings(), nullptr));
  EXPECT_FALSE(StartEngine());
  DestroyWindow(host);
}

}  // namespace

int main(int argc, char** argv) {
  return RunAllTests(argc, argv);
}
