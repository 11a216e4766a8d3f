// The login page window over the start window: where it sits, that it follows the start
// window, and that the portal's pop-ups go to the system browser.
#include <gtest/gtest.h>

#include <string>

#include "e2e/Session.h"
#include "support/FakeOpener.h"
#include "support/Xdo.h"

namespace e2e {
namespace {

using testsupport::FakeOpener;
using Calls = FakeOpener::Calls;

struct OffsetCase {
    const char* build;
    const char* executable;
    int dy;
};

class LoginWindowOffset : public ::testing::TestWithParam<OffsetCase> {};

TEST_P(LoginWindowOffset, LiesAtTheBuildsOffsetFromTheStartWindow)
{
    Session session("config", GetParam().executable);
    ASSERT_TRUE(session.WaitForStartWindow() && session.WaitForLoginWindow()) << session.Log();

    // The login page window gets a new native window when its browser arrives: wait for it.
    Rect start, login;
    Eventually(
        [&] {
            start = session.StartWindowRect();
            login = session.LoginWindowRect();
            return login.width > 0 && login.x == start.x + 497;
        },
        kDeadline);
    EXPECT_EQ(start.x + 497, login.x);
    EXPECT_EQ(start.y + GetParam().dy, login.y);
    EXPECT_EQ(610, login.width);
    EXPECT_EQ(390, login.height);
    // An owned window: only the start window stands for the program in the taskbar.
    EXPECT_EQ(std::optional<bool>(false), session.EventualTaskbarListing([&] { return session.LoginWindow(); }))
        << session.Log();
}

INSTANTIATE_TEST_SUITE_P(Builds, LoginWindowOffset,
                         ::testing::Values(OffsetCase{"demo", TESSVANE_EXECUTABLE, 287},
                                           OffsetCase{"second", TESSVANE_SECOND_EXECUTABLE, 217}),
                         [](const auto& info) { return std::string(info.param.build); });

// The player drags the start window by its caption; the login page window goes along.
TEST(LoginWindow, FollowsACaptionDragOfTheStartWindow)
{
    Session session;
    ASSERT_TRUE(session.WaitForStartWindow() && session.WaitForLoginWindow()) << session.Log();
    Rect before;
    ASSERT_TRUE(Eventually(
        [&] {
            before = session.StartWindowRect();
            const Rect login = session.LoginWindowRect();
            return login.width > 0 && login.x == before.x + 497;
        },
        kDeadline));

    // A point of the title bar between the game's name and the site buttons.
    const int fromX = before.x + 300, fromY = before.y + 20;
    ASSERT_TRUE(testsupport::Xdo::Drag(fromX, fromY, fromX + 60, fromY + 30));

    EXPECT_TRUE(Eventually(
        [&] {
            const Rect start = session.StartWindowRect();
            const Rect login = session.LoginWindowRect();
            return start.x == before.x + 60 && start.y == before.y + 30 && login.x == start.x + 497 &&
                   login.y == start.y + 287;
        },
        kDeadline));
}

// The window manager moves the start window (as it does for a drag of its caption); the
// login page window must follow, and only it.
TEST(LoginWindow, FollowsTheStartWindowWhenTheWindowManagerMovesIt)
{
    Session session;
    ASSERT_TRUE(session.WaitForStartWindow() && session.WaitForLoginWindow()) << session.Log();

    testsupport::Xdo::Run({"xdotool", "windowmove", std::to_string(session.StartWindow()), "20", "30"});

    EXPECT_TRUE(Eventually(
        [&] {
            const Rect start = session.StartWindowRect();
            const Rect login = session.LoginWindowRect();
            return start.x == 20 && start.y == 30 && login.x == 20 + 497 && login.y == 30 + 287;
        },
        kDeadline));

    testsupport::Xdo::Run({"xdotool", "windowmove", std::to_string(session.LoginWindow()), "100", "100"});
    EXPECT_TRUE(Eventually([&] { return session.LoginWindowRect().x == 100; }, kDeadline));
    EXPECT_EQ(20, session.StartWindowRect().x) << "the start window does not follow the login page window";
}

struct PopupCase {
    const char* link;
    int x, y;  // where the demo portal draws the link
    const char* address;
};

TEST(LoginWindow, PortalPopupsOpenInTheSystemBrowser)
{
    const PopupCase cases[] = {
        {"forgot", 395, 344, "https://varnholt.example/recover"},
        {"register", 515, 344, "https://varnholt.example/register"},
    };
    FakeOpener opener(0);
    Session session;
    ASSERT_TRUE(session.WaitForStartWindow() && session.WaitForLoginWindow()) << session.Log();

    Calls expected;
    for (const PopupCase& c : cases) {
        // The page may still be loading: click as a player would, again after a pause when
        // nothing happened.
        const auto answered = [&] { return opener.CallsOf("xdg-open").size() > expected.size(); };
        const bool opened = Eventually(
            [&] {
                session.ClickLoginPage(c.x, c.y);
                return Eventually(answered, std::chrono::milliseconds(3000));
            },
            2 * kDeadline);
        expected.push_back({c.address});
        EXPECT_TRUE(opened) << c.link << "\n" << session.Log();
        EXPECT_EQ(expected, opener.CallsOf("xdg-open")) << c.link;
    }
}

}  // namespace
}  // namespace e2e
