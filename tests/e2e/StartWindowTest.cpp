// The real executable on a real display under icewm, driven as a player would: the start
// window, its site buttons, its close button, and the engine's sub-processes.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "e2e/Session.h"
#include "support/FakeOpener.h"
#include "support/WindowSearch.h"
#include "support/Xdo.h"

namespace e2e {
namespace {

namespace fs = std::filesystem;
using testsupport::FakeOpener;
using testsupport::Xdo;
using Calls = FakeOpener::Calls;

TEST(StartWindow, IsCentredOnTheWorkAreaAndInTheTaskbar)
{
    Session session;
    ASSERT_TRUE(session.WaitForStartWindow()) << session.Log();

    const Rect window = session.StartWindowRect();
    const testsupport::ScreenRect work = Xdo::WorkArea();
    EXPECT_NEAR(work.x + work.width / 2, window.x + window.width / 2, 2);
    EXPECT_NEAR(work.y + work.height / 2, window.y + window.height / 2, 2);
    EXPECT_EQ(std::optional<bool>(true), session.EventualTaskbarListing([&] { return session.StartWindow(); }));
}

struct ButtonCase {
    const char* button;
    std::string address;
};

TEST(StartWindow, SiteButtonsOpenTheirAddressesInTheSystemBrowser)
{
    const std::string site = std::string("http://") + TESSVANE_SITE_HOST_UTF8;
    const ButtonCase cases[] = {
        {"officialbtn", site},
        {"rechargebtn", site + "/media.php?s=/Pay/index.html"},
        {"forumbtn", site},
        {"servicebtn", site},
    };
    FakeOpener opener(0);
    opener.AddProgram("iexplore");
    Session session;
    ASSERT_TRUE(session.WaitForStartWindow()) << session.Log();

    Calls expected;
    for (const ButtonCase& c : cases) {
        session.ClickStartButton(c.button);
        expected.push_back({c.address});
        EXPECT_TRUE(Eventually([&] { return opener.CallsOf("xdg-open") == expected; }, kDeadline))
            << c.button << ": " << ::testing::PrintToString(opener.CallsOf("xdg-open")) << "\n" << session.Log();
    }
    EXPECT_TRUE(opener.CallsOf("iexplore").empty());
}

TEST(StartWindow, OldBrowserIsTriedExactlyOnceWhenTheSystemHandlerFails)
{
    FakeOpener opener(1);
    opener.AddProgram("iexplore");
    Session session;
    ASSERT_TRUE(session.WaitForStartWindow()) << session.Log();

    session.ClickStartButton("rechargebtn");
    const std::string address = std::string("http://") + TESSVANE_SITE_HOST_UTF8 + "/media.php?s=/Pay/index.html";
    EXPECT_TRUE(Eventually([&] { return opener.CallsOf("iexplore") == Calls{{address}}; }, kDeadline));
    EXPECT_EQ(opener.CallsOf("xdg-open"), Calls{{address}});
}

TEST(StartWindow, CloseButtonEndsTheProgramWithZeroAndLeavesNoSubProcess)
{
    Session session;
    ASSERT_TRUE(session.WaitForStartWindow()) << session.Log();
    ASSERT_TRUE(Eventually([&] { return !session.Process().SubProcesses().empty(); }, kDeadline));

    session.ClickStartButton("closebtn");
    EXPECT_EQ(std::optional<int>(0), session.Process().WaitForExit(kDeadline)) << session.Log();
    EXPECT_TRUE(Eventually([&] { return session.Process().SubProcesses().empty(); }, kDeadline));
}

TEST(Engine, SubProcessesRunThisExecutableWithTheSwitchesAndShowNoWindow)
{
    Session session;
    ASSERT_TRUE(session.WaitForStartWindow()) << session.Log();
    ASSERT_TRUE(session.WaitForLoginWindow()) << session.Log();
    ASSERT_TRUE(Eventually([&] { return session.Process().SubProcesses().size() >= 2; }, kDeadline));

    const std::string executable = fs::canonical(TESSVANE_EXECUTABLE).string();
    for (pid_t pid : session.Process().SubProcesses()) {
        EXPECT_EQ(executable, ExecutableOf(pid)) << pid;
        const std::vector<std::string> arguments = ArgumentsOf(pid);
        for (const char* expected : {"--disable-web-security", "--enable-system-flash", "--enable-npapi"}) {
            EXPECT_NE(arguments.end(), std::find(arguments.begin(), arguments.end(), expected))
                << "process " << pid << " lacks " << expected;
        }
        EXPECT_TRUE(testsupport::WindowSearch::Visible("", pid).empty()) << pid;
    }
}

TEST(Engine, KeepsItsCacheInTheApplicationDataFolderItCreates)
{
    Session session("missing/config");
    ASSERT_TRUE(session.WaitForLoginWindow()) << session.Log();

    const fs::path folder = session.ConfigFolder();
    EXPECT_TRUE(Eventually([&] { return fs::is_directory(folder) && !fs::is_empty(folder); }, kDeadline));
}

}  // namespace
}  // namespace e2e
