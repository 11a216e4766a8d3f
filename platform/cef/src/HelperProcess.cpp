// The helper role of the executable; main thread of a helper process only.
#include "HelperProcess.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QtWebEngineCore/private/qtwebenginecoreglobal_p.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "qt/QtBridge.h"
#include "CommandLine.h"

namespace cefport {

namespace {

// Set across the one re-exec so the re-started helper does not exec again.
constexpr const char* kReexecMark = "TESSVANE_CEF_HELPER_REEXEC";
constexpr const char* kTypePrefix = "--type=";

std::vector<std::string> ReadProcCmdline() {
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  const std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::vector<std::string> argv;
  for (size_t start = 0; start < raw.size();) {
    const size_t end = raw.find('\0', start);
    argv.push_back(raw.substr(start, end - start));
    start = end == std::string::npos ? raw.size() : end + 1;
  }
  return argv;
}

// Chromium rewrites the process title inside the argv block it is given, so
// the strings live in one contiguous block owned by this process for good.
std::vector<const char*> ContiguousArgv(const std::vector<std::string>& argv) {
  static std::string block;
  for (const auto& arg : argv) block.append(arg).push_back('\0');
  std::vector<const char*> pointers;
  for (size_t offset = 0; offset < block.size(); offset += std::strlen(block.data() + offset) + 1)
    pointers.push_back(block.data() + offset);
  pointers.push_back(nullptr);
  return pointers;
}

// Switches go before a "--" that ends Chromium's switch list.
std::vector<std::string> WithSwitches(std::vector<std::string> argv, const std::vector<std::string>& extra) {
  auto end = argv.begin() + 1;
  while (end != argv.end() && *end != "--") ++end;
  argv.insert(end, extra.begin(), extra.end());
  return argv;
}

}  // namespace

std::vector<std::string> HelperProcess::StartArguments() {
  const auto& recorded = win32qt::RecordedArguments();
  return recorded.empty() ? ReadProcCmdline() : recorded;
}

HelperProcess::HelperProcess(std::vector<std::string> argv) : argv_(std::move(argv)) {}

std::string HelperProcess::ProcessType() const {
  for (size_t i = 1; i < argv_.size(); ++i) {
    if (argv_[i] == "--") break;
    if (argv_[i].rfind(kTypePrefix, 0) == 0) return argv_[i].substr(std::strlen(kTypePrefix));
  }
  return std::string();
}

int HelperProcess::Run(CefRefPtr<CefApp> app) {
  CefRefPtr<CommandLine> commandLine = new CommandLine(argv_);
  if (app) app->OnBeforeCommandLineProcessing(ProcessType(), commandLine.get());
  const std::vector<std::string> extra = commandLine->AppendedSwitches();
  const bool reexecuted = std::getenv(kReexecMark) != nullptr;
  unsetenv(kReexecMark);
  if (!extra.empty() && !reexecuted) {
    ReexecWith(extra);
    argv_ = WithSwitches(argv_, extra);
  }
  return RunEngineMain();
}

void HelperProcess::ReexecWith(const std::vector<std::string>& extra) const {
  const std::vector<std::string> argv = WithSwitches(argv_, extra);
  std::vector<char*> pointers;
  for (const auto& arg : argv) pointers.push_back(const_cast<char*>(arg.c_str()));
  pointers.push_back(nullptr);
  setenv(kReexecMark, "1", 1);
  execv("/proc/self/exe", pointers.data());
  std::fprintf(stderr, "cef: re-exec of the %s helper with its switches failed: %s\n", ProcessType().c_str(),
               std::strerror(errno));
  unsetenv(kReexecMark);
}

int HelperProcess::RunEngineMain() {
  std::vector<const char*> argv = ContiguousArgv(argv_);
  int argc = int(argv.size()) - 1;
  // The engine reads its resource and locale paths through the core application.
  QCoreApplication core(argc, const_cast<char**>(argv.data()));
  return QtWebEngineCore::processMain(argc, argv.data());
}

}  // namespace cefport

