// ShellExecuteW against fake openers on PATH, and the file-system calls.
#include "support/FakeOpener.h"
#include "support/WaitUntil.h"

#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

using testsupport::FakeOpener;

namespace {

INT_PTR Code(HINSTANCE result) {
  return reinterpret_cast<INT_PTR>(result);
}

TEST(ShellExecute, AddressGoesToXdgOpenAsOneArgument) {
  FakeOpener opener(0);
  const INT_PTR code = Code(ShellExecuteW(nullptr, L"open", L"https://portal.example/login?a=1 b", nullptr, nullptr, SW_SHOW));
  EXPECT_GT(code, 32);
  EXPECT_EQ(opener.CallsOf("xdg-open"), (FakeOpener::Calls{{"https://portal.example/login?a=1 b"}}));
}

TEST(ShellExecute, OpenerExitingNonZeroIsAFailure) {
  FakeOpener opener(3);
  const INT_PTR code = Code(ShellExecuteW(nullptr, nullptr, L"https://portal.example/", nullptr, nullptr, SW_SHOW));
  EXPECT_LE(code, 32);
  EXPECT_EQ(code, SE_ERR_NOASSOC);
  EXPECT_EQ(opener.CallsOf("xdg-open").size(), 1u);
}

TEST(ShellExecute, ProgramNameRunsThatProgramWithParametersAsOneArgument) {
  FakeOpener opener(0);
  opener.AddProgram("iexplore");
  const INT_PTR code =
      Code(ShellExecuteW(nullptr, L"open", L"iexplore", L"https://portal.example/ x", nullptr, SW_SHOWNORMAL));
  EXPECT_GT(code, 32);
  EXPECT_TRUE(testsupport::WaitUntil([&] { return opener.CallsOf("iexplore").size() == 1; }));
  EXPECT_EQ(opener.CallsOf("iexplore"), (FakeOpener::Calls{{"https://portal.example/ x"}}));
  EXPECT_TRUE(opener.CallsOf("xdg-open").empty());
}

TEST(ShellExecute, UnknownProgramIsFileNotFound) {
  FakeOpener opener(0);
  EXPECT_EQ(Code(ShellExecuteW(nullptr, L"open", L"tessvane-no-such-program", L"x", nullptr, SW_SHOW)), SE_ERR_FNF);
  EXPECT_TRUE(opener.CallsOf("xdg-open").empty());
}

class TempFolder : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/tessvane-files-XXXXXX";
    ASSERT_TRUE(mkdtemp(pattern));
    root_ = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(root_); }
  std::wstring Path(const std::string& relative) const {
    const std::string full = root_ + "/" + relative;
    return std::wstring(full.begin(), full.end());
  }
  std::string root_;
};

TEST_F(TempFolder, CreateDirectoryReportsWindowsErrors) {
  struct Case {
    const char* name;
    std::wstring path;
    BOOL result;
    DWORD error;
  };
  ASSERT_TRUE(CreateDirectoryW(Path("exists").c_str(), nullptr));
  const Case cases[] = {
      {"new", Path("fresh"), TRUE, 0},
      {"backslashes", Path("fresh\\inner"), TRUE, 0},
      {"existing", Path("exists"), FALSE, ERROR_ALREADY_EXISTS},
      {"missing parent", Path("no/such/parent"), FALSE, ERROR_PATH_NOT_FOUND},
      {"not permitted", L"/sys/tessvane-test", FALSE, ERROR_ACCESS_DENIED},
  };
  for (const Case& c : cases) {
    SetLastError(0);
    EXPECT_EQ(CreateDirectoryW(c.path.c_str(), nullptr), c.result) << c.name;
    if (!c.result) {
      EXPECT_EQ(GetLastError(), c.error) << c.name;
    }
  }
  EXPECT_TRUE(PathFileExistsW(Path("fresh/inner").c_str()));
  EXPECT_FALSE(PathFileExistsW(Path("nothing").c_str()));
}

TEST_F(TempFolder, AppDataFollowsXdgConfigHomeThenHome) {
  const char* savedXdg = std::getenv("XDG_CONFIG_HOME");
  const std::string xdg = savedXdg ? savedXdg : "";
  wchar_t path[MAX_PATH];
  setenv("XDG_CONFIG_HOME", (root_ + "/xdg").c_str(), 1);
  ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, path, CSIDL_APPDATA, TRUE));
  EXPECT_EQ(std::wstring(path), Path("xdg"));
  EXPECT_TRUE(PathFileExistsW(path));
  unsetenv("XDG_CONFIG_HOME");
  ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, path, CSIDL_APPDATA, FALSE));
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  EXPECT_EQ(std::wstring(path), std::wstring(home.begin(), home.end()) + L"/.config");
  if (savedXdg) setenv("XDG_CONFIG_HOME", xdg.c_str(), 1);
}

TEST(ModuleFile, IsThisExecutableAndTruncatesLikeWindows) {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  ASSERT_GT(length, 0u);
  EXPECT_NE(std::wstring(path).find(L"win32_bare_tests"), std::wstring::npos);
  wchar_t small[4];
  EXPECT_EQ(GetModuleFileNameW(nullptr, small, 4), 4u);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(small[3], L'\0');
}

}  // namespace
