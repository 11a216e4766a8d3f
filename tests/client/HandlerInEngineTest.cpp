// The browser client in a real engine on a virtual display: game entry, pop-ups, titles and
// load errors as a player's browser meets them, and the list of open browsers.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "EngineTestHarness.h"
#include "TestHttpServer.h"
#include "app/Globals.h"
#include "client/SimpleHandler.h"
#include "include/cef_browser.h"
#include "support/FakeOpener.h"
#include "windows/Messages.h"

using namespace cefharness;

namespace {

std::vector<std::wstring> g_entries;  // addresses the start window was told of, in order

LRESULT CALLBACK StartWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_ENTER_GAME)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    g_entries.push_back(reinterpret_cast<const wchar_t*>(lParam));
    return 0;
}

HWND CreateStartWindow()
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = StartWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"RecordingStartWindow";
    RegisterClassW(&wc);
    return CreateWindowExW(0, L"RecordingStartWindow", L"start", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

const char* const kPages[][2] = {
    {"blank.html", "<html><head><title>blank</title></head></html>"},
    {"target.html", "<html><head><title>target</title></head><body>target</body></html>"},
    {"frames.html", "<html><head><title>frames</title></head><body><iframe src=\"/target.html?client=3\"></iframe></body></html>"},
    {"popups.html",
     "<html><head><title>popups</title></head><body><script>"
     "for (const t of ['http://popup.example/a', 'file:///etc/passwd', 'javascript:void(0)', 'smb://server/share'])"
     "  window.open(t);"
     "document.title = 'popups-done';</script></body></html>"},
};

class EngineEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        ASSERT_TRUE(StartEngine());
        folder = MakeTempFolder();
        for (const auto& page : kPages)
            WriteFile(folder + "/" + page[0], page[1]);
        server = std::make_unique<TestHttpServer>(QString::fromStdString(folder));
        ASSERT_TRUE(server->Start());
        g_hMainWnd = CreateStartWindow();
    }

    void TearDown() override
    {
        DestroyWindow(g_hMainWnd);
        CefShutdown();
        server.reset();
        std::filesystem::remove_all(folder);
    }

    static inline std::string folder;
    static inline std::unique_ptr<TestHttpServer> server;
};

std::string Url(const std::string& path)
{
    return EngineEnvironment::server->Url(path);
}

class CountingHandler : public SimpleHandler {
public:
    void OnAfterCreated(CefRefPtr<CefBrowser> browser) override
    {
        ++created;
        SimpleHandler::OnAfterCreated(browser);
    }
    int created = 0;
};

// One host window with one browser of a fresh client, on the blank page.
class ClientInEngine : public ::testing::Test {
protected:
    void SetUp() override
    {
        host_ = CreateHostWindow();
        handler_ = new CountingHandler;
        CefWindowInfo info;
        info.SetAsChild(host_, RECT{0, 0, 610, 390});
        CefBrowserHost::CreateBrowser(info, handler_.get(), Url("/blank.html"), CefBrowserSettings(), nullptr);
        ASSERT_TRUE(WaitUntil([&] { return handler_->GetBrowser() && Title() == L"blank"; }));
        g_entries.clear();
    }

    void TearDown() override
    {
        DestroyWindow(host_);
        EXPECT_TRUE(WaitUntil([&] { return !handler_->GetBrowser(); }));
    }

    void Load(const std::string& url) { handler_->GetBrowser()->GetMainFrame()->LoadURL(url); }

    std::wstring Title() const
    {
        wchar_t text[512] = {};
        GetWindowTextW(handler_->GetBrowser()->GetHost()->GetWindowHandle(), text, 512);
        return text;
    }

    // The page's visible text, shown through its title.
    bool WaitForText(const std::wstring& part)
    {
        return WaitUntil([&] {
            handler_->GetBrowser()->GetMainFrame()->ExecuteJavaScript(
                "document.title = document.body ? document.body.innerText : ''", "", 0);
            Settle(100ms);
            return Title().find(part) != std::wstring::npos;
        });
    }

    HWND host_ = nullptr;
    CefRefPtr<CountingHandler> handler_;
};

struct NavigationCase {
    const char* name;
    std::string path;
    const wchar_t* title;     // of the page the navigation ends on
    const char* entry_path;   // the address reported as game entry, or null
};

const NavigationCase kNavigations[] = {
    {"MarkerStartsLongerValue", "/target.html?client=25", L"target", "/target.html?client=25"},
    {"UpperCaseMarker", "/target.html?Client=2", L"target", nullptr},
    {"BothMarkersOneMessage", "/target.html?client=2&client=3", L"target", "/target.html?client=2&client=3"},
    {"MarkerInSubFrame", "/frames.html", L"frames", "/target.html?client=3"},
    {"MarkerBehindRedirect", "/redirect?to=%2Ftarget.html%3Fclient%3D2", L"target", "/target.html?client=2"},
    {"NoMarker", "/target.html?client=1", L"target", nullptr},
};

class GameEntryTable : public ClientInEngine, public ::testing::WithParamInterface<NavigationCase> {};

TEST_P(GameEntryTable, ReportsMarkedAddressesAndLetsEveryNavigationProceed)
{
    const NavigationCase& c = GetParam();
    Load(Url(c.path));

    ASSERT_TRUE(WaitUntil([&] { return Title() == c.title; })) << "the navigation must go on";
    std::vector<std::wstring> expected;
    if (c.entry_path)
        expected.push_back(CefString(Url(c.entry_path)).ToWString());
    // A sub-frame may start its navigation after the page has its title.
    EXPECT_TRUE(WaitUntil([&] { return g_entries == expected; }));
    Settle(200ms);
    EXPECT_EQ(expected, g_entries);
}

INSTANTIATE_TEST_SUITE_P(Navigations, GameEntryTable, ::testing::ValuesIn(kNavigations),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClientInEngine, SameMarkedAddressTwiceIsReportedTwice)
{
    const std::string marked = Url("/target.html?client=2");
    Load(marked);
    ASSERT_TRUE(WaitUntil([&] { return g_entries.size() == 1 && Title() == L"target"; }));
    Load(marked);
    EXPECT_TRUE(WaitUntil([&] { return g_entries.size() == 2; }));
}

TEST_F(ClientInEngine, PopupsGoToTheSystemBrowserOnlyForWebAddressesAndOpenNoBrowser)
{
    testsupport::FakeOpener opener(0);
    Load(Url("/popups.html"));
    ASSERT_TRUE(WaitUntil([&] { return Title() == L"popups-done"; }));

    using Calls = testsupport::FakeOpener::Calls;
    EXPECT_TRUE(WaitUntil([&] { return opener.CallsOf("xdg-open") == Calls{{"http://popup.example/a"}}; }));
    Settle(500ms);
    EXPECT_EQ(opener.CallsOf("xdg-open"), Calls{{"http://popup.example/a"}});
    EXPECT_EQ(1, handler_->created);
}

TEST_F(ClientInEngine, TitleGoesToTheBrowserWindowNotTheHost)
{
    Load(Url("/target.html"));
    ASSERT_TRUE(WaitUntil([&] { return Title() == L"target"; }));

    wchar_t caption[64] = {};
    GetWindowTextW(host_, caption, 64);
    EXPECT_STREQ(L"host", caption);
}

TEST_F(ClientInEngine, UnresolvableHostShowsTheErrorPageWithCodeAndAddress)
{
    Load("http://nowhere.invalid/");
    EXPECT_TRUE(WaitForText(L"Failed to load URL http://nowhere.invalid/ with error "));
    EXPECT_NE(std::wstring::npos, Title().find(L"(-105)."));
}

TEST_F(ClientInEngine, ScriptInAFailingAddressDoesNotRun)
{
    // The word the scripts would write is never spelled out in the address itself.
    Load("http://nowhere.invalid/#<script>document.title='p'+'wned'</script>"
         "<img src=x onerror=\"document.title='p'+'wned'\">");
    EXPECT_TRUE(WaitForText(L"Failed to load URL"));
    Settle(300ms);
    EXPECT_EQ(std::wstring::npos, Title().find(L"pwned"));
}

TEST_F(ClientInEngine, AbortedLoadShowsNoErrorPage)
{
    Load(Url("/hang"));
    Settle(300ms);
    Load(Url("/target.html"));
    ASSERT_TRUE(WaitUntil([&] { return Title() == L"target"; }));
    EXPECT_TRUE(WaitForText(L"target"));
    EXPECT_EQ(std::wstring::npos, Title().find(L"Failed"));
}

TEST(BrowserList, LendsTheOldestOpenBrowser)
{
    CefRefPtr<SimpleHandler> handler = new SimpleHandler;
    EXPECT_FALSE(handler->GetBrowser()) << "a fresh client has none";

    HWND first = CreateHostWindow(), second = CreateHostWindow();
    for (HWND host : {first, second}) {
        CefWindowInfo info;
        info.SetAsChild(host, RECT{0, 0, 200, 100});
        CefBrowserHost::CreateBrowser(info, handler.get(), Url("/blank.html"), CefBrowserSettings(), nullptr);
        ASSERT_TRUE(WaitUntil([&] {
            CefRefPtr<CefBrowser> b = handler->GetBrowser();
            return b && GetParent(b->GetHost()->GetWindowHandle()) == first;
        }));
    }
    Settle(500ms);
    EXPECT_EQ(first, GetParent(handler->GetBrowser()->GetHost()->GetWindowHandle()));

    DestroyWindow(first);
    EXPECT_TRUE(WaitUntil([&] {
        CefRefPtr<CefBrowser> b = handler->GetBrowser();
        return b && GetParent(b->GetHost()->GetWindowHandle()) == second;
    }));
    DestroyWindow(second);
    EXPECT_TRUE(WaitUntil([&] { return !handler->GetBrowser(); }));
}

}  // namespace

int main(int argc, char** argv)
{
    return RunAllTests(argc, argv, new EngineEnvironment);
}
