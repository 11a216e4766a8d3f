// Opening the operator's pages: the system's handler first, the old browser only when it fails.
#include <gtest/gtest.h>

#include <string>

#include "BuildConfig.h"
#include "support/FakeOpener.h"
#include "support/WaitUntil.h"
#include "windows/WebPage.h"

namespace {

using testsupport::FakeOpener;
using Calls = FakeOpener::Calls;

std::string Utf8(const std::wstring& text)
{
    return std::string(text.begin(), text.end());  // the addresses are ASCII
}

struct OpenCase {
    const char* name;
    int xdg_open_exit;
    size_t iexplore_calls;
};

const OpenCase kOpenCases[] = {
    {"HandlerAcceptsNoFallback", 0, 0},
    {"HandlerFailsOneFallback", 1, 1},
    {"HandlerFailsDifferentlyOneFallback", 4, 1},
};

class OpenWebPageTable : public ::testing::TestWithParam<OpenCase> {};

TEST_P(OpenWebPageTable, TriesTheOldBrowserOnlyWhenTheHandlerFails)
{
    FakeOpener opener(GetParam().xdg_open_exit);
    opener.AddProgram("iexplore");

    OpenWebPage(RECHARGE_PAGE_URL);

    const std::string address = Utf8(RECHARGE_PAGE_URL);
    EXPECT_EQ(opener.CallsOf("xdg-open"), (Calls{{address}}));
    // The old browser is started, not waited for: its call shows up a moment later.
    const Calls expected(GetParam().iexplore_calls, {address});
    EXPECT_TRUE(testsupport::WaitUntil([&] { return opener.CallsOf("iexplore") == expected; }));
}

INSTANTIATE_TEST_SUITE_P(Cases, OpenWebPageTable, ::testing::ValuesIn(kOpenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SiteAddresses, RechargeIsTheOfficialSiteWithThePaymentPage)
{
    EXPECT_EQ(std::wstring(L"http://") + TESSVANE_SITE_HOST, OFFICIAL_SITE_URL);
    EXPECT_EQ(std::wstring(OFFICIAL_SITE_URL) + L"/media.php?s=/Pay/index.html", RECHARGE_PAGE_URL);
}

}  // namespace
