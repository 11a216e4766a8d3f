// The login page window with a real browser: its browser's fixed size, its keyboard answer,
// and the window class it shares with every skinned window of the program.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "EngineTestHarness.h"
#include "UIlib.h"
#include "client/SimpleHandler.h"
#include "include/cef_browser.h"
#include "windows/CDuiFormLoginBrowser.h"

using namespace cefharness;

namespace {

// A layout whose window is larger than the login browser, in a skin folder of the test's own.
class LoginBrowserWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(StartEngine());
        skin_ = MakeTempFolder();
        WriteFile(skin_ + "/FormLoginBrowser.xml",
                  "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Window size=\"800,600\"><VerticalLayout/></Window>");
        CPaintManagerUI::SetResourcePath(CefString(skin_).ToWString().c_str());
    }

    static void TearDownTestSuite()
    {
        CefShutdown();
        std::filesystem::remove_all(skin_);
    }

    static inline std::string skin_;
};

RECT ClientRect(HWND hwnd)
{
    RECT rc{};
    GetClientRect(hwnd, &rc);
    return rc;
}

TEST_F(LoginBrowserWindow, BrowserKeepsItsSizeAndKeysAreAnsweredWithZero)
{
    auto* window = new CDuiFormLoginBrowser(L"FormLoginBrowser.xml");
    HWND hwnd = window->Create(NULL, L"LoginBrowser", WS_VISIBLE | WS_OVERLAPPEDWINDOW, WS_EX_WINDOWEDGE);
    ASSERT_TRUE(hwnd);
    ASSERT_TRUE(WaitUntil([] { return g_handler->GetBrowser() != nullptr; }));
    HWND browser = g_handler->GetBrowser()->GetHost()->GetWindowHandle();

    EXPECT_EQ(hwnd, GetParent(browser));
    EXPECT_EQ(800, ClientRect(hwnd).right);
    window->ResizeClient(900, 700);
    Settle(200ms);
    const RECT rc = ClientRect(browser);
    EXPECT_EQ(610, rc.right - rc.left);
    EXPECT_EQ(390, rc.bottom - rc.top);

    for (UINT msg : {WM_KEYDOWN, WM_KEYUP, WM_CHAR, WM_SYSKEYDOWN})
        EXPECT_EQ(0, SendMessageW(hwnd, msg, 'A', 0)) << msg;

    wchar_t name[32] = {};
    GetClassNameW(hwnd, name, 32);
    EXPECT_STREQ(L"XMLWnd", name);

    DestroyWindow(hwnd);
    EXPECT_TRUE(WaitUntil([] { return g_handler->GetBrowser() == nullptr; }));
    delete window;
}

}  // namespace

int main(int argc, char** argv)
{
    return RunAllTests(argc, argv);
}
