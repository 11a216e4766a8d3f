// The browser client's pure rules: which addresses mean game entry, which pop-up targets
// may reach the shell, and what the error page says.
#include <gtest/gtest.h>

#include <string>

#include "client/ErrorPage.h"
#include "client/GameMarker.h"
#include "client/ShellAddress.h"

namespace {

struct AddressCase {
    const char* name;
    const wchar_t* address;
    bool expected;
};

const AddressCase kMarkerCases[] = {
    {"PlainMarker", L"http://game.example/play?client=2", true},
    {"SecondMarker", L"http://game.example/play?client=3&s=1", true},
    {"MarkerStartsLongerValue", L"http://game.example/play?client=25", true},
    {"BothMarkers", L"http://game.example/?client=2&client=3", true},
    {"MarkerInPath", L"http://game.example/client=2/index.html", true},
    {"UpperCaseFirstLetter", L"http://game.example/play?Client=2", false},
    {"OtherClient", L"http://game.example/play?client=1", false},
    {"Empty", L"", false},
};

class GameMarkerTable : public ::testing::TestWithParam<AddressCase> {};

TEST_P(GameMarkerTable, RecognisesTheMarkersExactly)
{
    EXPECT_EQ(GetParam().expected, ContainsGameMarker(GetParam().address));
}

INSTANTIATE_TEST_SUITE_P(Cases, GameMarkerTable, ::testing::ValuesIn(kMarkerCases),
                         [](const auto& info) { return std::string(info.param.name); });

const AddressCase kShellCases[] = {
    {"Http", L"http://varnholt.example/recover", true},
    {"Https", L"https://varnholt.example/pay?x=1", true},
    {"Mailto", L"mailto:support@varnholt.example", true},
    {"UpperCaseScheme", L"HTTPS://varnholt.example/", true},
    {"File", L"file:///etc/passwd", false},
    {"Javascript", L"javascript:alert(1)", false},
    {"Smb", L"smb://server/share/tool.exe", false},
    {"UncShare", L"\\\\server\\share\\tool.exe", false},
    {"LeadingDash", L"--help", false},
    {"Relative", L"recover.html", false},
    {"Data", L"data:text/html,<script>alert(1)</script>", false},
    {"Empty", L"", false},
};

class ShellAddressTable : public ::testing::TestWithParam<AddressCase> {};

TEST_P(ShellAddressTable, OnlyWebAndMailAddressesReachTheShell)
{
    EXPECT_EQ(GetParam().expected, IsShellSafeAddress(GetParam().address));
}

INSTANTIATE_TEST_SUITE_P(Cases, ShellAddressTable, ::testing::ValuesIn(kShellCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ErrorPage, NamesAddressErrorAndCodeInTheFixedPieces)
{
    const std::string page = BuildErrorPage(L"http://nowhere.invalid/", L"net::ERR_NAME_NOT_RESOLVED", -105);
    EXPECT_NE(std::string::npos,
              page.find("<body bgcolor=\"white\"><h2>Failed to load URL http://nowhere.invalid/"
                        " with error net::ERR_NAME_NOT_RESOLVED (-105).</h2></body></html>"))
        << page;
}

TEST(ErrorPage, EscapesMarkupAndForbidsScripts)
{
    const std::string page = BuildErrorPage(L"http://x.invalid/?q=<script>alert('&\"')</script>", L"<b>", -2);
    EXPECT_EQ(std::string::npos, page.find("<script>"));
    EXPECT_EQ(std::string::npos, page.find("<b>"));
    EXPECT_NE(std::string::npos, page.find("&lt;script&gt;alert(&#39;&amp;&quot;&#39;)&lt;/script&gt;"));
    EXPECT_NE(std::string::npos, page.find("content=\"default-src 'none'\""));
}

TEST(ErrorPage, KeepsNonAsciiAddressesAsUtf8)
{
    const std::string page = BuildErrorPage(L"http://spiel.invalid/\u00e4\u4e2d", L"failed", -105);
    EXPECT_NE(std::string::npos, page.find("http://spiel.invalid/\xc3\xa4\xe4\xb8\xad"));
}

}  // namespace
