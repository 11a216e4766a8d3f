// The engine's processes and profile settings: helper processes are copies
// of this executable carrying the switches the application appended, and the
// cache path and locale of CefSettings reach the profile.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "EngineTestHarness.h"
#include "RecordingClient.h"
#include "TestHttpServer.h"
#include "include/cef_app.h"
#include "include/cef_browser.h"

using namespace cefharness;
namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

int ParentOf(int pid) {
  const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
  const size_t close = stat.rfind(')');
  if (close == std::string::npos) return 0;
  int parent = 0;
  std::sscanf(stat.c_str() + close + 2, "%*c %d", &parent);
  return parent;
}

bool DescendsFromMe(int pid) {
  for (int hop = 0; pid > 1 && hop < 16; ++hop) {
    pid = ParentOf(pid);
    if (pid == getpid()) return true;
  }
  return false;
}

struct Helper {
  int pid;
  std::string cmdline;  // arguments joined by spaces
  fs::path exe;
};

std::vector<Helper> HelperProcesses() {
  std::vector<Helper> helpers;
  for (const auto& entry : fs::directory_iterator("/proc")) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    const int pid = std::stoi(name);
    if (!DescendsFromMe(pid)) continue;
    std::string cmdline = ReadFile(entry.path() / "cmdline");
    std::replace(cmdline.begin(), cmdline.end(), '\0', ' ');
    std::error_code error;
    helpers.push_back({pid, cmdline, fs::read_symlink(entry.path() / "exe", error)});
  }
  return helpers;
}

class ProcessTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    cache_ = MakeTempFolder() + "/profile";
    pages_ = MakeTempFolder();
    WriteFile(pages_ + "/lang.html",
              "<html><body><script>localStorage.setItem('k','v');document.title='lang:'+navigator.language</script>"
              "</body></html>");
    ASSERT_TRUE(StartEngine([](CefSettings& settings) {
      CefString(&settings.cache_path) = cache_;
      CefString(&settings.locale) = "fr-FR";
    }));
    server_ = new TestHttpServer(QString::fromStdString(pages_));
    ASSERT_TRUE(server_->Start());
    host_ = CreateHostWindow();
    client_ = new RecordingClient;
    CefWindowInfo info;
    info.SetAsChild(host_, RECT{0, 0, 400, 300});
    ASSERT_TRUE(CefBrowserHost::CreateBrowser(info, client_.get(), server_->Url("/lang.html"), CefBrowserSettings(), nullptr));
    ASSERT_TRUE(WaitUntil([] {
      const auto titles = client_->EventsOf("OnTitleChange");
      return !titles.empty() && titles.back().text.rfind("lang:", 0) == 0;
    }));
  }

  static void TearDownTestSuite() {
    CefShutdown();
    DestroyWindow(host_);
    client_ = nullptr;
    delete server_;
    // The engine's helpers may still be removing their own files in there.
    std::error_code ignored;
    fs::remove_all(fs::path(cache_).parent_path(), ignored);
    fs::remove_all(pages_, ignored);
  }

  static std::string cache_;
  static std::string pages_;
  static TestHttpServer* server_;
  static HWND host_;
  static CefRefPtr<RecordingClient> client_;
};

std::string ProcessTest::cache_;
std::string ProcessTest::pages_;
TestHttpServer* ProcessTest::server_ = nullptr;
HWND ProcessTest::host_ = nullptr;
CefRefPtr<RecordingClient> ProcessTest::client_;

TEST_F(ProcessTest, HelperProcessesAreThisExecutableWithTheAppendedSwitches) {
  const fs::path self = fs::read_symlink("/proc/self/exe");
  std::map<std::string, int> types;
  for (const Helper& helper : HelperProcesses()) {
    const size_t type = helper.cmdline.find("--type=");
    if (type == std::string::npos) continue;
    const std::string kind = helper.cmdline.substr(type + 7, helper.cmdline.find(' ', type) - type - 7);
    ++types[kind];
    EXPECT_EQ(helper.exe, self) << helper.pid << ": " << helper.cmdline;
    EXPECT_NE(helper.cmdline.find("--tessvane-helper-probe="), std::string::npos) << helper.pid << ": " << helper.cmdline;
  }
  EXPECT_GE(types.size(), 1u);
  EXPECT_TRUE(types.count("zygote")) << "no zygote among the helpers";
  for (const auto& [kind, count] : types) std::printf("helper type %s: %d process(es)\n", kind.c_str(), count);
}

TEST_F(ProcessTest, SwitchesAppendedForTheBrowserProcessReachTheEngineHarmlessly) {
  const std::string flags = getenv("QTWEBENGINE_CHROMIUM_FLAGS");
  EXPECT_NE(flags.find("--enable-npapi"), std::string::npos) << flags;
  EXPECT_NE(flags.find("--enable-system-flash"), std::string::npos) << flags;
  EXPECT_EQ(client_->Count("OnLoadError"), 0);
}

TEST_F(ProcessTest, LocaleReachesNavigatorLanguageAndAcceptLanguage) {
  EXPECT_EQ(client_->EventsOf("OnTitleChange").back().text, "lang:fr-FR");
  ASSERT_FALSE(server_->Hits().empty());
  EXPECT_EQ(server_->Hits()[0].acceptLanguage.rfind("fr-FR", 0), 0u) << server_->Hits()[0].acceptLanguage;
}

TEST_F(ProcessTest, CachePathHoldsTheProfilesStorage) {
  auto filesUnderCache = [] {
    std::error_code error;
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(cache_, error))
      if (entry.is_regular_file()) ++files;
    return files;
  };
  EXPECT_TRUE(WaitUntil([&] { return filesUnderCache() > 0; }));
}

}  // namespace

int main(int argc, char** argv) {
  return RunAllTests(argc, argv);
}
