// The value types of the engine API without an engine: strings, reference
// counting, settings structs and command lines.
#include <gtest/gtest.h>

#include "include/cef_base.h"
#include "include/cef_command_line.h"
#include "include/cef_parser.h"

namespace {

struct TextCase {
  const char* name;
  std::string utf8;
  std::wstring wide;
};

class CefStringTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(CefStringTextTest, ConvertsBothWays) {
  const TextCase& c = GetParam();
  EXPECT_EQ(CefString(c.utf8).ToWString(), c.wide);
  EXPECT_EQ(CefString(c.utf8.c_str()).ToWString(), c.wide);
  EXPECT_EQ(CefString(c.wide).ToString(), c.utf8);
  EXPECT_EQ(std::wstring(CefString(c.wide.c_str()).c_str()), c.wide);
  EXPECT_EQ(CefString(c.wide).length(), c.wide.size());
  EXPECT_EQ(CefString(c.utf8) == CefString(c.wide), true);
  EXPECT_EQ(CefString(c.wide).empty(), c.wide.empty());
}

INSTANTIATE_TEST_SUITE_P(Texts, CefStringTextTest,
                         ::testing::Values(TextCase{"Empty", "", L""}, TextCase{"Ascii", "login?client=2", L"login?client=2"},
                                           TextCase{"Cjk", "\xE7\x99\xBB\xE5\xBD\x95", L"\u767B\u5F55"},
                                           TextCase{"Astral", "\xF0\x9F\x8E\xAE", L"\U0001F3AE"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CefStringTest, WritesThroughToAStructMemberAndSettingsCopyDeeply) {
  auto* settings = new CefSettings;
  EXPECT_EQ(settings->size, sizeof(cef_settings_t));
  EXPECT_EQ(settings->cache_path.length, 0u);
  CefString(&settings->cache_path) = L"/tmp/cache";
  CefString(&settings->locale) = "zh-CN";
  EXPECT_EQ(CefString(&settings->cache_path).ToWString(), L"/tmp/cache");
  const CefSettings copy(*settings);
  delete settings;
  EXPECT_EQ(CefString(&copy.cache_path).ToString(), "/tmp/cache");
  EXPECT_EQ(CefString(&copy.locale).ToString(), "zh-CN");
  CefSettings assigned;
  assigned = copy;
  CefString(&assigned.locale) = "en-US";
  EXPECT_EQ(CefString(&copy.locale).ToString(), "zh-CN");
}

TEST(CefWindowInfoTest, SetAsChildPlacesAVisibleChildAtTheRect) {
  CefWindowInfo info;
  info.SetAsChild(reinterpret_cast<HWND>(0x1234), RECT{10, 20, 110, 70});
  EXPECT_EQ(info.parent_window, reinterpret_cast<HWND>(0x1234));
  EXPECT_EQ(info.x, 10);
  EXPECT_EQ(info.y, 20);
  EXPECT_EQ(info.width, 100);
  EXPECT_EQ(info.height, 50);
  EXPECT_TRUE(info.style & WS_CHILD);
  EXPECT_TRUE(info.style & WS_VISIBLE);
}

class Counted : public virtual CefBase {
 public:
  explicit Counted(int* deleted) : deleted_(deleted) {}
  ~Counted() override { ++*deleted_; }

 private:
  int* deleted_;

  IMPLEMENT_REFCOUNTING(Counted);
};

TEST(CefRefPtrTest, TheLastReferenceDeletesTheObject) {
  int deleted = 0;
  CefRefPtr<Counted> first = new Counted(&deleted);
  EXPECT_TRUE(first->HasOneRef());
  {
    CefRefPtr<Counted> copy = first;
    EXPECT_FALSE(first->HasOneRef());
    CefRefPtr<Counted> moved = std::move(copy);
    EXPECT_FALSE(copy);
    EXPECT_EQ(moved, first);
  }
  EXPECT_TRUE(first->HasOneRef());
  CefRefPtr<CefBase> base = first;
  first = nullptr;
  EXPECT_EQ(deleted, 0);
  base = nullptr;
  EXPECT_EQ(deleted, 1);
}

TEST(CefCommandLineTest, ParsesArgvAndRemembersWhatWasAppended) {
  CefRefPtr<CefCommandLine> line = CefCommandLine::CreateCommandLine();
  const char* argv[] = {"/opt/app", "--type=renderer", "--lang=de", "-v", "page", "--", "--not-a-switch"};
  line->InitFromArgv(7, argv);
  EXPECT_EQ(line->GetProgram().ToString(), "/opt/app");
  EXPECT_TRUE(line->HasSwitch("type"));
  EXPECT_TRUE(line->HasSwitch("v"));
  EXPECT_FALSE(line->HasSwitch("not-a-switch"));
  EXPECT_EQ(line->GetSwitchValue("lang").ToString(), "de");
  CefCommandLine::ArgumentList arguments;
  line->GetArguments(arguments);
  ASSERT_EQ(arguments.size(), 2u);
  EXPECT_EQ(arguments[1].ToString(), "--not-a-switch");
  line->AppendSwitch("enable-npapi");
  line->AppendSwitchWithValue("--lang", "fr");
  EXPECT_EQ(line->GetSwitchValue("lang").ToString(), "fr");
  CefCommandLine::SwitchMap switches;
  line->GetSwitches(switches);
  EXPECT_EQ(switches.size(), 4u);
  EXPECT_EQ(line->GetCommandLineString().ToString(),
            "/opt/app --type=renderer --lang=de --v --enable-npapi --lang=fr -- page --not-a-switch");
}

struct ParseCase {
  const char* name;
  const wchar_t* address;
  bool valid;
  std::string scheme{}, host{}, port{}, path{}, query{};
};

class CefParseUrlTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(CefParseUrlTest, SplitsAbsoluteAddressesOnly) {
  const ParseCase& c = GetParam();
  CefURLParts parts;
  ASSERT_EQ(CefParseURL(c.address, parts), c.valid);
  if (!c.valid) return;
  EXPECT_EQ(CefString(&parts.scheme).ToString(), c.scheme);
  EXPECT_EQ(CefString(&parts.host).ToString(), c.host);
  EXPECT_EQ(CefString(&parts.port).ToString(), c.port);
  EXPECT_EQ(CefString(&parts.path).ToString(), c.path);
  EXPECT_EQ(CefString(&parts.query).ToString(), c.query);
  const CefURLParts copy(parts);
  EXPECT_EQ(CefString(&copy.spec).ToString(), CefString(&parts.spec).ToString());
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, CefParseUrlTest,
    ::testing::Values(
        ParseCase{"HttpWithPortAndQuery", L"http://login.example:8080/a/b?client=2", true, "http", "login.example", "8080", "/a/b", "client=2"},
        ParseCase{"UpperCaseScheme", L"HTTPS://Example.org/", true, "https", "example.org", "", "/", ""},
        ParseCase{"Mailto", L"mailto:someone@example.org", true, "mailto", "", "", "someone@example.org", ""},
        ParseCase{"Relative", L"relative/page.html", false},
        ParseCase{"Empty", L"", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
