// Skinned windows on a real (virtual) display: creation, clicks and looks under a real pointer, the default
// buttons, caption dragging, modal loops and broken layouts.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <memory>

#include "GuiHelpers.h"
#include "support/WaitUntil.h"
#include "support/Xdo.h"
#include "TestWindow.h"
#include "UIlib.h"
#include "WarningCapture.h"

using namespace DuiLib;
using testsupport::WaitUntil;

namespace {

const QColor kNormal(200, 40, 40);
const QColor kHot(40, 200, 40);
const QColor kPushed(40, 40, 200);

// 400 x 300: a 40 px title bar (min 310..340, max 340..370, close 370..400, restore hidden), then a row with
// "okbtn" at (20,50)-(120,90) drawn from images and "otherbtn" at (140,50)-(240,90).
const char kTestLayout[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<Window size="400,300" caption="0,0,0,40" sizebox="6,6,6,6" mininfo="200,150">
  <VerticalLayout bkcolor="#FF203040">
    <HorizontalLayout height="40" bkcolor="#FF101010">
      <Label name="title" text="Test"/>
      <Button name="minbtn" width="30" bkcolor="#FF505050"/>
      <Button name="maxbtn" width="30" bkcolor="#FF606060"/>
      <Button name="restorebtn" width="30" bkcolor="#FF707070" visible="false"/>
      <Button name="closebtn" width="30" bkcolor="#FF808080"/>
    </HorizontalLayout>
    <HorizontalLayout height="60" inset="20,10,20,10" childpadding="20">
      <Button name="okbtn" width="100" normalimage="normal.png" hotimage="hot.png" pushedimage="pushed.png"/>
      <Button name="otherbtn" width="100" bkcolor="#FF808080" hotbkcolor="#FFA0A0A0"/>
    </HorizontalLayout>
    <Control name="body"/>
  </VerticalLayout>
</Window>
)";

class SkinnedWindow : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        const QDir dir(s_dir->path());
        WriteFile(dir.filePath("Test.xml"), kTestLayout);
        WriteFile(dir.filePath("Broken.xml"), "<Window size='300,200'>\n<VerticalLayout>\n<Label>\n</Window>\n");
        WriteImage(dir.filePath("normal.png"), kNormal);
        WriteImage(dir.filePath("hot.png"), kHot);
        WriteImage(dir.filePath("pushed.png"), kPushed);
    }

    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }

    void SetUp() override { CPaintManagerUI::SetResourcePath(s_dir->path().toStdWString().c_str()); }

    // Creates, shows at (100,100) and waits for the first paint.
    std::unique_ptr<TestWindow> Open(const wchar_t* skin = L"Test.xml")
    {
        auto window = std::make_unique<TestWindow>(skin);
        window->Create(nullptr, L"duilib test", UI_WNDSTYLE_FRAME, 0, 100, 100);
        EXPECT_TRUE(IsWindow(window->GetHWND()));
        SetWindowPos(window->GetHWND(), nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        window->ShowWindow(true, true);
        EXPECT_TRUE(WaitUntil([&] { return window->paints > 0; }));
        return window;
    }

    // Moves the pointer onto a control and waits until the window has seen it there.
    static void Hover(TestWindow& window, LPCTSTR name)
    {
        MoveMouseTo(CenterOf(window.ScreenRect(name)));
        auto* button = dynamic_cast<CButtonUI*>(window.Control(name));
        ASSERT_TRUE(WaitUntil([&] { return button && button->IsHot(); }));
    }

    static void Click(TestWindow& window, LPCTSTR name)
    {
        Hover(window, name);
        const int ups = window.buttonUps;
        ASSERT_TRUE(LeftButton("click"));
        ASSERT_TRUE(WaitUntil([&] { return window.buttonUps > ups || !IsWindow(window.GetHWND()); }));
    }

    static bool PixelBecomes(POINT pt, const QColor& color)
    {
        return WaitUntil([&] { return Near(ScreenPixel(pt), color); });
    }

    static RECT WindowRect(HWND hwnd)
    {
        RECT rc{};
        GetWindowRect(hwnd, &rc);
        return rc;
    }

    static void WriteFile(const QString& path, const QByteArray& content)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    static void WriteImage(const QString& path, const QColor& color)
    {
        QImage image(10, 10, QImage::Format_ARGB32);
        image.fill(color);
        ASSERT_TRUE(image.save(path));
    }

    static QTemporaryDir* s_dir;
};

QTemporaryDir* SkinnedWindow::s_dir = nullptr;

TEST_F(SkinnedWindow, CreateBuildsAFramelessWindowOfTheLayoutSizeAndInitialisesItOnce)
{
    TestWindow window(L"Test.xml");
    const HWND hwnd = window.Create(nullptr, L"duilib test", UI_WNDSTYLE_FRAME, 0);
    ASSERT_TRUE(IsWindow(hwnd));
    EXPECT_EQ(window.initCalls, 1) << "InitWindow runs inside Create";
    EXPECT_TRUE(window.initSawWindowAndLayout);
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_STYLE) & WS_CAPTION, 0);
    const RECT rc = WindowRect(hwnd);
    EXPECT_EQ(rc.right - rc.left, 400);
    EXPECT_EQ(rc.bottom - rc.top, 300);
    window.ShowWindow(true, true);
    ASSERT_TRUE(WaitUntil([&] { return window.paints > 0; }));
    EXPECT_EQ(window.initCalls, 1);
}

TEST_F(SkinnedWindow, CenterWindowCentresOnTheWorkArea)
{
    auto window = Open();
    window->CenterWindow();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window->GetHWND(), MONITOR_DEFAULTTONEAREST), &monitor);
    const POINT center = CenterOf(WindowRect(window->GetHWND()));
    const POINT areaCenter = CenterOf(monitor.rcWork);
    EXPECT_NEAR(center.x, areaCenter.x, 1);
    EXPECT_NEAR(center.y, areaCenter.y, 1);
}

TEST_F(SkinnedWindow, HitTestGivesCaptionBordersAndClientWhereTheLayoutSays)
{
    auto window = Open();
    const RECT rc = WindowRect(window->GetHWND());
    struct Probe {
        const char* where;
        int x, y;
        LRESULT expected;
    };
    const Probe probes[] = {
        {"title label", 150, 20, HTCAPTION},  {"button in the title bar", 355, 20, HTCLIENT},
        {"body", 200, 200, HTCLIENT},         {"left edge", 2, 150, HTLEFT},
        {"right edge", 397, 150, HTRIGHT},    {"top edge", 150, 2, HTTOP},
        {"bottom edge", 200, 297, HTBOTTOM},  {"top-left corner", 2, 2, HTTOPLEFT},
        {"top-right corner", 397, 2, HTTOPRIGHT}, {"bottom-left corner", 2, 297, HTBOTTOMLEFT},
        {"bottom-right corner", 397, 297, HTBOTTOMRIGHT},
    };
    for (const Probe& probe : probes) {
        const LRESULT hit = SendMessageW(window->GetHWND(), WM_NCHITTEST, 0,
                                         MAKELPARAM(rc.left + probe.x, rc.top + probe.y));
        EXPECT_EQ(hit, probe.expected) << probe.where;
    }
}

TEST_F(SkinnedWindow, ARealClickGivesExactlyOneClickNamingTheButton)
{
    auto window = Open();
    Click(*window, L"okbtn");
    ASSERT_TRUE(WaitUntil([&] { return !window->clicks.empty(); }));
    // Anything still queued from the click is served before counting.
    const int ups = window->buttonUps;
    Click(*window, L"otherbtn");
    ASSERT_TRUE(WaitUntil([&] { return window->buttonUps > ups && window->clicks.size() >= 2; }));
    EXPECT_EQ(window->clicks, (std::vector<std::wstring>{L"okbtn", L"otherbtn"}));
}

TEST_F(SkinnedWindow, PressOnOneButtonAndReleaseOnAnotherClicksNeither)
{
    auto window = Open();
    Hover(*window, L"okbtn");
    ASSERT_TRUE(LeftButton("mousedown"));
    auto* ok = static_cast<CButtonUI*>(window->Control(L"okbtn"));
    ASSERT_TRUE(WaitUntil([&] { return ok->IsPushed(); }));
    MoveMouseTo(CenterOf(window->ScreenRect(L"otherbtn")));
    ASSERT_TRUE(WaitUntil([&] { return !ok->IsPushed(); }));
    ASSERT_TRUE(LeftButton("mouseup"));
    ASSERT_TRUE(WaitUntil([&] { return window->buttonUps > 0; }));
    EXPECT_TRUE(window->clicks.empty());
}

TEST_F(SkinnedWindow, ButtonLooksFollowHoverAndPress)
{
    auto window = Open();
    const POINT ok = CenterOf(window->ScreenRect(L"okbtn"));
    const POINT elsewhere = CenterOf(window->ScreenRect(L"body"));
    MoveMouseTo(elsewhere);
    EXPECT_TRUE(PixelBecomes(ok, kNormal)) << "normal image";
    Hover(*window, L"okbtn");
    EXPECT_TRUE(PixelBecomes(ok, kHot)) << "hot image";
    ASSERT_TRUE(LeftButton("mousedown"));
    EXPECT_TRUE(PixelBecomes(ok, kPushed)) << "pushed image";
    MoveMouseTo(elsewhere);
    EXPECT_TRUE(PixelBecomes(ok, kNormal)) << "dragged off while pressed: not pushed";
    MoveMouseTo(ok);
    EXPECT_TRUE(PixelBecomes(ok, kPushed)) << "back over it: pushed again";
    ASSERT_TRUE(LeftButton("mouseup"));
    EXPECT_TRUE(PixelBecomes(ok, kHot)) << "released: hot";
    ASSERT_TRUE(WaitUntil([&] { return window->clicks.size() == 1; }));

    const POINT other = CenterOf(window->ScreenRect(L"otherbtn"));
    EXPECT_TRUE(PixelBecomes(other, QColor(0x80, 0x80, 0x80))) << "normal colour";
    Hover(*window, L"otherbtn");
    EXPECT_TRUE(PixelBecomes(other, QColor(0xA0, 0xA0, 0xA0))) << "hot colour";
}

TEST_F(SkinnedWindow, CloseButtonClosesTheWindow)
{
    auto window = Open();
    Click(*window, L"closebtn");
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window->GetHWND()); }));
    EXPECT_EQ(window->GetHWND(), nullptr);
    EXPECT_EQ(window->finalMessages, 1);
    EXPECT_EQ(window->clicks, std::vector<std::wstring>{L"closebtn"});
}

TEST_F(SkinnedWindow, MinimiseButtonMinimises)
{
    auto window = Open();
    Click(*window, L"minbtn");
    EXPECT_TRUE(WaitUntil([&] { return IsIconic(window->GetHWND()) != FALSE; }));
}

TEST_F(SkinnedWindow, MaximiseAndRestoreButtonsSwapAndTheWindowFillsTheWorkArea)
{
    auto window = Open();
    CControlUI* maxButton = window->Control(L"maxbtn");
    CControlUI* restoreButton = window->Control(L"restorebtn");
    Click(*window, L"maxbtn");
    ASSERT_TRUE(WaitUntil([&] { return IsZoomed(window->GetHWND()) != FALSE; }));
    EXPECT_FALSE(maxButton->IsVisible());
    EXPECT_TRUE(restoreButton->IsVisible());
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(window->GetHWND(), MONITOR_DEFAULTTONEAREST), &monitor);
    EXPECT_TRUE(WaitUntil([&] {
        const RECT rc = WindowRect(window->GetHWND());
        return EqualRect(&rc, &monitor.rcWork) != FALSE;
    }));
    const RECT rc = WindowRect(window->GetHWND());
    EXPECT_EQ(SendMessageW(window->GetHWND(), WM_NCHITTEST, 0, MAKELPARAM(rc.left + 1, rc.top + 150)), HTCLIENT)
        << "no resize border while maximised";

    ASSERT_TRUE(WaitUntil([&] { return window->ScreenRect(L"restorebtn").right == rc.right - 30; }));
    Click(*window, L"restorebtn");
    ASSERT_TRUE(WaitUntil([&] { return IsZoomed(window->GetHWND()) == FALSE; }));
    EXPECT_TRUE(maxButton->IsVisible());
    EXPECT_FALSE(restoreButton->IsVisible());
    EXPECT_TRUE(window->clicks == (std::vector<std::wstring>{L"maxbtn", L"restorebtn"}));
}

TEST_F(SkinnedWindow, DraggingTheCaptionMovesTheWindow)
{
    auto window = Open();
    const RECT before = WindowRect(window->GetHWND());
    ASSERT_TRUE(WaitUntil([&] { return ManagedOrNoManager(window->GetHWND()); }));
    const POINT grab{before.left + 150, before.top + 20};
    MoveMouseTo(grab);
    ASSERT_TRUE(LeftButton("mousedown"));
    // The move starts when the press is served; a window manager then follows the pointer itself.
    ASSERT_TRUE(WaitUntil([&] { return window->captionPresses == 1; }));
    for (int step = 1; step <= 4; ++step)
        MoveMouseTo(POINT{grab.x + 30 * step, grab.y + 17 * step + (step == 4 ? 2 : 0)});
    const bool moved = WaitUntil([&] {
        const RECT now = WindowRect(window->GetHWND());
        return std::abs(now.left - (before.left + 120)) <= 2 && std::abs(now.top - (before.top + 70)) <= 2;
    });
    ASSERT_TRUE(LeftButton("mouseup"));
    const RECT after = WindowRect(window->GetHWND());
    EXPECT_TRUE(moved) << "window at " << after.left << "," << after.top << " from " << before.left << ","
                       << before.top;
    EXPECT_TRUE(window->clicks.empty());
}

TEST_F(SkinnedWindow, ShowModalReturnsTheCodeGivenToClose)
{
    auto window = Open();
    window->Close(42);
    EXPECT_EQ(window->ShowModal(), 42u);
    EXPECT_FALSE(IsWindow(window->GetHWND()));
    EXPECT_EQ(window->finalMessages, 1);
}

TEST_F(SkinnedWindow, ShowModalEndsWhenTheWindowIsDestroyed)
{
    auto window = Open();
    window->PostMessage(TestWindow::kDestroyMe);
    window->ShowModal();
    EXPECT_FALSE(IsWindow(window->GetHWND()));
}

TEST_F(SkinnedWindow, ShowModalEndsOnQuitAndPassesTheQuitOn)
{
    auto window = Open();
    PostQuitMessage(7);
    EXPECT_EQ(window->ShowModal(), 7u);
    EXPECT_TRUE(IsWindow(window->GetHWND())) << "quitting ends the loop, not the window";
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.message, UINT(WM_QUIT));
    EXPECT_EQ(msg.wParam, WPARAM(7));
}

TEST_F(SkinnedWindow, ReturnAndEscapeReachResponseDefaultKeyEventAndChangeNothing)
{
    auto window = Open();
    for (WPARAM key : {WPARAM(VK_RETURN), WPARAM('A'), WPARAM(VK_ESCAPE)})
        SendMessageW(window->GetHWND(), WM_KEYDOWN, key, 0);
    EXPECT_EQ(window->defaultKeys, (std::vector<WPARAM>{VK_RETURN, VK_ESCAPE}));
    EXPECT_TRUE(IsWindow(window->GetHWND()));
    EXPECT_TRUE(window->clicks.empty());
}

TEST_F(SkinnedWindow, FindControlOfAMissingNameIsNullAndOneLine)
{
    auto window = Open();
    WarningCapture warnings;
    EXPECT_EQ(window->Manager().FindControl(L"nosuchbtn"), nullptr);
    EXPECT_EQ(warnings.Matching({"duilib:", "nosuchbtn"}).size(), 1);
    EXPECT_EQ(warnings.Lines().size(), 1);
}

struct BrokenCase {
    const char* name;
    const wchar_t* file;
    QStringList fragments;
};

class BrokenLayoutWindow : public SkinnedWindow, public testing::WithParamInterface<BrokenCase> {};

TEST_P(BrokenLayoutWindow, GivesAnEmptyWindowAndOneLineNamingTheFile)
{
    WarningCapture warnings;
    auto window = Open(GetParam().file);
    EXPECT_EQ(window->Manager().GetRoot(), nullptr);
    EXPECT_EQ(window->initCalls, 1);
    const QStringList lines = warnings.Matching({"duilib:"});
    ASSERT_EQ(lines.size(), 1) << warnings.Lines().join('\n').toStdString();
    for (const QString& fragment : GetParam().fragments)
        EXPECT_TRUE(lines.first().contains(fragment)) << lines.first().toStdString();
    MoveMouseTo(CenterOf(WindowRect(window->GetHWND())));
    ASSERT_TRUE(LeftButton("click"));
    EXPECT_TRUE(WaitUntil([&] { return window->buttonUps > 0; })) << "an empty window still takes the mouse";
}

const BrokenCase kBrokenCases[] = {
    {"MissingFile", L"Absent.xml", {"Absent.xml"}},
    {"MalformedXml", L"Broken.xml", {"Broken.xml", "line 4"}},
};

INSTANTIATE_TEST_SUITE_P(Layouts, BrokenLayoutWindow, testing::ValuesIn(kBrokenCases),
                         [](const testing::TestParamInfo<BrokenCase>& info) { return info.param.name; });

TEST_F(SkinnedWindow, StartWindowSkinPaintsItsArtworkAndTheCloseButtonLightsUp)
{
    WarningCapture warnings;
    CPaintManagerUI::SetResourcePath(TESSVANE_SKIN_DIR);
    auto window = Open(L"FormLogin.xml");
    const RECT rc = WindowRect(window->GetHWND());
    EXPECT_EQ(rc.right - rc.left, 1130);
    EXPECT_EQ(rc.bottom - rc.top, 700);
    const RECT close = window->ScreenRect(L"closebtn");
    const POINT corner{close.left + 3, close.top + 3};
    const QColor before = ScreenPixel(corner);
    Hover(*window, L"closebtn");
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(corner).red() > before.red() + 80; }))
        << "hot close button turns red";
    EXPECT_TRUE(warnings.Matching({"duilib:"}).isEmpty()) << warnings.Lines().join('\n').toStdString();
}

}  // namespace
