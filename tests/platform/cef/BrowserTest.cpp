// Browsers on a real engine and a virtual display: navigation, pop-ups,
// titles, load errors, settings and closing. One engine for the whole
// executable; each test opens its own host window, client and browser.
#include <gtest/gtest.h>

#include <QWidget>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "EngineTestHarness.h"
#include "RecordingClient.h"
#include "TestHttpServer.h"
#include "qt/QtBridge.h"
#include "include/cef_app.h"
#include "include/cef_browser.h"
#include "include/cef_client.h"

using namespace cefharness;

namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

const char* const kPages[][2] = {
    {"index.html", "<html><head><title>index</title></head><body>index</body></html>"},
    {"target.html", "<html><head><title>target</title></head><body>target</body></html>"},
    {"login.html", "<html><head><title>login</title></head><body>login</body></html>"},
    {"game.html", "<html><head><title>game</title></head><body>game</body></html>"},
    {"frames.html", "<html><head><title>frames</title></head><body><iframe src=\"/target.html?inner\"></iframe></body></html>"},
    {"bad-frame.html",
     "<html><head><title>bad-frame</title></head><body><iframe src=\"http://frame.nowhere.invalid/\"></iframe></body></html>"},
    {"open.html", "<html><head><title>open</title></head><body><script>window.open('/target.html?open')</script></body></html>"},
    {"blank.html",
     "<html><head><title>blank</title></head><body><a id=\"a\" target=\"_blank\" href=\"/target.html?blank\">go</a>"
     "<script>document.getElementById('a').click()</script></body></html>"},
    {"script-title.html", "<html><head><title>static</title></head><body><script>document.title='scripted'</script></body></html>"},
};

// One engine, page folder and server for the whole executable.
class BrowserEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    ASSERT_TRUE(StartEngine());
    folder = MakeTempFolder();
    for (const auto& page : kPages) WriteFile(folder + "/" + page[0], page[1]);
    server = std::make_unique<TestHttpServer>(QString::fromStdString(folder));
    ASSERT_TRUE(server->Start());
  }

  void TearDown() override {
    CefShutdown();
    server.reset();
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }

  static inline std::string folder;
  static inline std::unique_ptr<TestHttpServer> server;
};

class BrowserTest : public ::testing::Test {
 protected:
  void SetUp() override { hitsBefore_ = server().Hits().size(); }

  void TearDown() override {
    if (host_ && IsWindow(host_)) DestroyWindow(host_);
    const size_t opened = client_ ? client_->Browsers().size() : 0;
    if (!client_) return;
    EXPECT_TRUE(WaitUntil([&] { return size_t(client_->Count("OnBeforeClose")) == opened; }));
  }

  static TestHttpServer& server() { return *BrowserEnvironment::server; }
  static std::string Url(const std::string& path) { return server().Url(path); }

  // Whether the server was asked for `path` during this test.
  bool Requested(const std::string& path) const {
    const auto& hits = server().Hits();
    return std::any_of(hits.begin() + hitsBefore_, hits.end(), [&](const auto& hit) { return hit.path == path; });
  }

  // A host window with one browser on `url`, after its OnAfterCreated.
  CefRefPtr<CefBrowser> Open(const std::string& url, const CefBrowserSettings& settings = CefBrowserSettings()) {
    host_ = CreateHostWindow();
    if (!client_) client_ = new RecordingClient;
    CefWindowInfo info;
    info.SetAsChild(host_, RECT{0, 0, 780, 560});
    if (!CefBrowserHost::CreateBrowser(info, client_.get(), url, settings, nullptr)) return nullptr;
    WaitUntil([&] { return client_->Browser() != nullptr; });
    return client_->Browser();
  }

  bool WaitForPage(CefRefPtr<CefBrowser> browser, const std::string& tail) {
    return WaitUntil([&] { return EndsWith(browser->GetMainFrame()->GetURL().ToString(), tail) && !browser->IsLoading(); });
  }

  bool WaitForTitle(const std::string& title) {
    return WaitUntil([&] {
      const auto titles = client_->EventsOf("OnTitleChange");
      return !titles.empty() && titles.back().text == title;
    });
  }

  size_t hitsBefore_ = 0;
  HWND host_ = nullptr;
  CefRefPtr<RecordingClient> client_;
};

TEST_F(BrowserTest, AfterCreatedComesOnceFromTheLoopAsAChildWindowOfTheHost) {
  host_ = CreateHostWindow();
  client_ = new RecordingClient;
  CefWindowInfo info;
  info.SetAsChild(host_, RECT{5, 6, 405, 306});
  ASSERT_TRUE(CefBrowserHost::CreateBrowser(info, client_.get(), Url("/index.html"), CefBrowserSettings(), nullptr));
  EXPECT_EQ(client_->Count("OnAfterCreated"), 0) << "OnAfterCreated must not run inside CreateBrowser";
  ASSERT_TRUE(WaitUntil([&] { return client_->Browser() != nullptr; }));
  ASSERT_TRUE(WaitForPage(client_->Browser(), "/index.html"));
  EXPECT_EQ(client_->Count("OnAfterCreated"), 1);
  const HWND browserWindow = client_->Browser()->GetHost()->GetWindowHandle();
  ASSERT_TRUE(IsWindow(browserWindow));
  EXPECT_EQ(GetParent(browserWindow), host_);
  RECT rect{};
  GetClientRect(browserWindow, &rect);
  EXPECT_EQ(rect.right - rect.left, 400);
  EXPECT_EQ(rect.bottom - rect.top, 300);
  EXPECT_TRUE(MoveWindow(browserWindow, 0, 0, 200, 100, TRUE));
  EXPECT_EQ(win32qt::WidgetFromHwnd(browserWindow)->width(), 200);
  EXPECT_NE(client_->Browser()->GetIdentifier(), 0);
  EXPECT_TRUE(client_->Browser()->IsSame(client_->Browser()));
  EXPECT_FALSE(client_->Browser()->IsPopup());
}

TEST_F(BrowserTest, CreateBrowserRefusesAWindowInfoWithoutParent) {
  client_ = new RecordingClient;
  EXPECT_FALSE(CefBrowserHost::CreateBrowser(CefWindowInfo(), client_.get(), Url("/index.html"), CefBrowserSettings(), nullptr));
  Settle(200ms);
  EXPECT_EQ(client_->Count("OnAfterCreated"), 0);
}

struct NavigationCase {
  const char* name;
  const char* start;
  // Expected OnBeforeBrowse calls, in order: address tail, main frame, redirect.
  std::vector<std::tuple<std::string, bool, bool>> expected;
};

class OnBeforeBrowseTest : public BrowserTest, public ::testing::WithParamInterface<NavigationCase> {};

TEST_P(OnBeforeBrowseTest, ReportsEveryNavigation) {
  const NavigationCase& c = GetParam();
  CefRefPtr<CefBrowser> browser = Open(Url(c.start));
  ASSERT_TRUE(browser);
  ASSERT_TRUE(WaitUntil([&] { return client_->Count("OnBeforeBrowse") >= int(c.expected.size()); }));
  Settle(300ms);
  const auto events = client_->EventsOf("OnBeforeBrowse");
  ASSERT_EQ(events.size(), c.expected.size());
  for (size_t i = 0; i < events.size(); ++i) {
    const auto& [tail, main, redirect] = c.expected[i];
    EXPECT_TRUE(EndsWith(events[i].url, tail)) << events[i].url << " should end with " << tail;
    EXPECT_EQ(events[i].mainFrame, main) << events[i].url;
    EXPECT_EQ(events[i].flag, redirect) << events[i].url;
    EXPECT_EQ(events[i].browserId, browser->GetIdentifier());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Navigations, OnBeforeBrowseTest,
    ::testing::Values(NavigationCase{"MainFrame", "/index.html", {{"/index.html", true, false}}},
                      NavigationCase{"SubFrame",
                                     "/frames.html",
                                     {{"/frames.html", true, false}, {"/target.html?inner", false, false}}},
                      NavigationCase{"Redirect",
                                     "/redirect?to=/target.html",
                                     {{"/redirect?to=/target.html", true, false}, {"/target.html", true, true}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BrowserTest, TheSameAddressTwiceIsReportedTwice) {
  CefRefPtr<CefBrowser> browser = Open(Url("/index.html"));
  ASSERT_TRUE(WaitForPage(browser, "/index.html"));
  browser->GetMainFrame()->LoadURL(Url("/target.html"));
  ASSERT_TRUE(WaitForPage(browser, "/target.html"));
  browser->GetMainFrame()->LoadURL(Url("/target.html"));
  ASSERT_TRUE(WaitUntil([&] { return client_->Count("OnBeforeBrowse") == 3; }));
  EXPECT_TRUE(EndsWith(client_->EventsOf("OnBeforeBrowse")[2].url, "/target.html"));
}

TEST_F(BrowserTest, ReturningTrueFromOnBeforeBrowseCancelsTheNavigationWithErrAborted) {
  CefRefPtr<CefBrowser> browser = Open(Url("/index.html"));
  ASSERT_TRUE(WaitForPage(browser, "/index.html"));
  client_->onBeforeBrowse = [](auto, auto, const std::string& url) { return EndsWith(url, "/target.html?cancel"); };
  browser->GetMainFrame()->LoadURL(Url("/target.html?cancel"));
  ASSERT_TRUE(WaitUntil([&] { return client_->Count("OnBeforeBrowse") == 2; }));
  Settle(500ms);
  EXPECT_TRUE(EndsWith(browser->GetMainFrame()->GetURL().ToString(), "/index.html"));
  EXPECT_FALSE(Requested("/target.html?cancel"));
  const auto errors = client_->EventsOf("OnLoadError");
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0].code, ERR_ABORTED);
  EXPECT_EQ(errors[0].url, Url("/target.html?cancel"));
}

// The program opens its game window from here and sends the login browser
// back to the login page: that load must win over the game page.
TEST_F(BrowserTest, LoadUrlInsideOnBeforeBrowseRunsAfterTheCallbackAndWins) {
  CefRefPtr<CefBrowser> browser = Open(Url("/index.html"));
  ASSERT_TRUE(WaitForPage(browser, "/index.html"));
  const std::string login = Url("/login.html");
  client_->onBeforeBrowse = [&](CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame, const std::string& url) {
    if (url.find("client=2") != std::string::npos) frame->LoadURL(login);
    return false;
  };
  browser->GetMainFrame()->LoadURL(Url("/game.html?client=2"));
  ASSERT_TRUE(WaitForPage(browser, "/login.html"));
  Settle(700ms);
  EXPECT_EQ(browser->GetMainFrame()->GetURL().ToString(), login);
  for (const auto& event : client_->Events())
    EXPECT_EQ(event.depth, 0) << event.kind << " " << event.url << " came inside another callback";
}

struct PopupCase {
  const char* name;
  const char* page;
  const char* target;
};

class PopupTest : public BrowserTest, public ::testing::WithParamInterface<PopupCase> {};

TEST_P(PopupTest, OnBeforePopupGetsTheTargetAndTrueOpensNothing) {
  CefRefPtr<CefBrowser> browser = Open(Url(GetParam().page));
  ASSERT_TRUE(WaitUntil([&] { return client_->Count("OnBeforePopup") == 1; }));
  EXPECT_EQ(client_->EventsOf("OnBeforePopup")[0].url, Url(GetParam().target));
  Settle(700ms);
  EXPECT_EQ(client_->Count("OnAfterCreated"), 1);
  EXPECT_FALSE(Requested(GetParam().target));
}

TEST_P(PopupTest, FalseWithAParentWindowOpensAChildPopupBrowser) {
  client_ = new RecordingClient;
  HWND popupHost = nullptr;
  client_->onBeforePopup = [&](const std::string&, CefWindowInfo& info) {
    popupHost = CreateHostWindow();
    info.SetAsChild(popupHost, RECT{0, 0, 300, 200});
    return false;
  };
  CefRefPtr<CefBrowser> browser = Open(Url(GetParam().page));
  ASSERT_TRUE(WaitUntil([&] { return client_->Count("OnAfterCreated") == 2; }));
  CefRefPtr<CefBrowser> popup = client_->Browsers()[1];
  EXPECT_TRUE(popup->IsPopup());
  EXPECT_EQ(GetParent(popup->GetHost()->GetWindowHandle()), popupHost);
  EXPECT_EQ(popup->GetHost()->GetOpenerWindowHandle(), browser->GetHost()->GetWindowHandle());
  EXPECT_TRUE(WaitForPage(popup, GetParam().target));
  DestroyWindow(popupHost);
}

INSTANTIATE_TEST_SUITE_P(Popups, PopupTest,
                         ::testing::Values(PopupCase{"WindowOpen", "/open.html", "/target.html?open"},
                                           PopupCase{"TargetBlank", "/blank.html", "/target.html?blank"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BrowserTest, TitleChangesAreReported) {
  Open(Url("/script-title.html"));
  EXPECT_TRUE(WaitForTitle("scripted"));
}

TEST_F(BrowserTest, BrowserSettingsAreHonoured) {
  CefBrowserSettings settings;
  settings.javascript = STATE_DISABLED;
  CefRefPtr<CefBrowser> browser = Open(Url("/script-title.html"), settings);
  ASSERT_TRUE(WaitForPage(browser, "/script-title.html"));
  ASSERT_TRUE(WaitForTitle("static"));
  Settle(300ms);
  EXPECT_EQ(client_->EventsOf("OnTitleChange").back().text, "static");
}

TEST_F(BrowserTest, AnUnresolvableHostReportsChromiumsErrorCodeAndText) {
  Open("http://nowhere.invalid/");
  ASSERT_TRUE(WaitUntil([&] { return client_->Count("OnLoadError") == 1; }));
  const auto error = client_->EventsOf("OnLoadError")[0];
  EXPECT_EQ(error.code, ERR_NAME_NOT_RESOLVED);
  EXPECT_NE(error.text.find("ERR_NAME_NOT_RESOLVED"), std::string::npos) << error.text;
  EXPECT_EQ(error.url, "http://nowhere.invalid/");
  EXPECT_TRUE(error.mainFrame);
}

// Known limit of the engine: a navigation replaced by a newer one before it
// answered is folded into the new load and reports no ERR_ABORTED.
TEST_F(BrowserTest, AReplacedNavigationIsNotReported) {
  CefRefPtr<CefBrowser> browser = Open(Url("/hang"));
  ASSERT_TRUE(WaitUntil([&] { return Requested("/hang"); }));
  browser->GetMainFrame()->LoadURL(Url("/index.html"));
  ASSERT_TRUE(WaitForPage(browser, "/index.html"));
  Settle(300ms);
  EXPECT_EQ(client_->Count("OnLoadError"), 0);
}

// The program answers a load error with its own page under the failed
// address; neither the page nor failures inside it may start the cycle again.
TEST_F(BrowserTest, LoadStringContentShowsUnderItsAddressAndReportsNoErrors) {
  client_ = new RecordingClient;
  Open("http://nowhere.invalid/");
  ASSERT_TRUE(WaitUntil([&] { return client_->Count("OnLoadError") == 1; }));
  client_->Browser()->GetMainFrame()->LoadString(
      "<html><head><meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; img-src http:\">"
      "<title>own error</title></head><body><img src=\"http://img.nowhere.invalid/x.png\">"
      "<iframe src=\"http://frame.nowhere.invalid/\"></iframe></body></html>",
      "http://nowhere.invalid/");
  ASSERT_TRUE(WaitForTitle("own error"));
  Settle(1s);
  EXPECT_EQ(client_->Count("OnLoadError"), 1);
  EXPECT_EQ(client_->Count("OnBeforeBrowse"), 1) << "the program's own page is no visit to the failed address";
  EXPECT_EQ(client_->Browser()->GetMainFrame()->GetURL().ToString(), "http://nowhere.invalid/");
}

// Known limit of the engine: failed sub-frame loads are not reported at all.
TEST_F(BrowserTest, SubFrameLoadErrorsAreNotReported) {
  CefRefPtr<CefBrowser> browser = Open(Url("/bad-frame.html"));
  ASSERT_TRUE(WaitForPage(browser, "/bad-frame.html"));
  Settle(1s);
  EXPECT_EQ(client_->Count("OnLoadError"), 0);
}

TEST_F(BrowserTest, DestroyingTheHostWindowClosesTheBrowserAndReleasesTheClient) {
  const int aliveBefore = RecordingClient::Alive();
  CefRefPtr<CefBrowser> browser = Open(Url("/index.html"));
  ASSERT_TRUE(WaitForPage(browser, "/index.html"));
  const HWND browserWindow = browser->GetHost()->GetWindowHandle();
  ASSERT_TRUE(DestroyWindow(host_));
  ASSERT_TRUE(WaitUntil([&] { return client_->Count("OnBeforeClose") == 1; }));
  std::vector<std::string> order;
  for (const auto& event : client_->Events())
    if (event.kind == "DoClose" || event.kind == "OnBeforeClose") order.push_back(event.kind);
  EXPECT_EQ(order, (std::vector<std::string>{"DoClose", "OnBeforeClose"}));
  EXPECT_FALSE(IsWindow(browserWindow));
  EXPECT_EQ(browser->GetHost()->GetWindowHandle(), nullptr);
  EXPECT_EQ(browser->GetHost()->GetClient(), nullptr);
  client_->Forget();
  browser = nullptr;
  client_ = nullptr;
  EXPECT_EQ(RecordingClient::Alive(), aliveBefore);
}

TEST_F(BrowserTest, CloseBrowserAsksDoCloseThenSendsWmCloseToTheTopLevelWindow) {
  CefRefPtr<CefBrowser> browser = Open(Url("/index.html"));
  ASSERT_TRUE(WaitForPage(browser, "/index.html"));
  const int closesBefore = WmCloseCount();
  browser->GetHost()->CloseBrowser(false);
  EXPECT_EQ(client_->Count("DoClose"), 1);
  ASSERT_TRUE(WaitUntil([&] { return client_->Count("OnBeforeClose") == 1; }));
  EXPECT_EQ(WmCloseCount(), closesBefore + 1);
  EXPECT_FALSE(IsWindow(host_));
  EXPECT_EQ(client_->Count("DoClose"), 1);
}

TEST_F(BrowserTest, CloseBrowserLeavesTheWindowsAloneWhenDoCloseReturnsTrue) {
  client_ = new RecordingClient;
  client_->onDoClose = [](CefRefPtr<CefBrowser>) { return true; };
  CefRefPtr<CefBrowser> browser = Open(Url("/index.html"));
  ASSERT_TRUE(WaitForPage(browser, "/index.html"));
  const int closesBefore = WmCloseCount();
  browser->GetHost()->CloseBrowser(false);
  Settle(300ms);
  EXPECT_EQ(WmCloseCount(), closesBefore);
  EXPECT_TRUE(IsWindow(browser->GetHost()->GetWindowHandle()));
  EXPECT_EQ(client_->Count("OnBeforeClose"), 0);
}

}  // namespace

int main(int argc, char** argv) {
  return RunAllTests(argc, argv, new BrowserEnvironment);
}
