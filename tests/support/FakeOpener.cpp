#include "support/FakeOpener.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace testsupport {
namespace {

// Arguments are separated by the ASCII unit separator so that spaces survive.
constexpr char kSeparator = '\x1f';

}  // namespace

FakeOpener::FakeOpener(int xdgOpenExitCode) {
  char pattern[] = "/tmp/tessvane-opener-XXXXXX";
  folder_ = mkdtemp(pattern) ? pattern : "";
  const char* path = std::getenv("PATH");
  hadPath_ = path != nullptr;
  savedPath_ = path ? path : "";
  setenv("PATH", (folder_ + ":" + savedPath_).c_str(), 1);
  AddProgram("xdg-open", xdgOpenExitCode);
}

FakeOpener::~FakeOpener() {
  if (hadPath_) {
    setenv("PATH", savedPath_.c_str(), 1);
  } else {
    unsetenv("PATH");
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void FakeOpener::AddProgram(const std::string& name, int exitCode) {
  const std::string script = folder_ + "/" + name;
  const std::string log = folder_ + "/" + name + ".log";
  std::ofstream out(script);
  out << "#!/bin/sh\n"
      << "line=''\nsep=''\n"
      << "for a in \"$@\"; do line=\"$line$sep$a\"; sep=$(printf '\\037'); done\n"
      << "printf '%s\\n' \"$line\" >> '" << log << "'\n"
      << "exit " << exitCode << "\n";
  out.close();
  chmod(script.c_str(), 0755);
}

FakeOpener::Calls FakeOpener::CallsOf(const std::string& name) const {
  Calls calls;
  std::ifstream in(folder_ + "/" + name + ".log");
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> args;
    std::stringstream fields(line);
    for (std::string arg; std::getline(fields, arg, kSeparator);) args.push_back(arg);
    calls.push_back(args);
  }
  return calls;
}

}  // namespace testsupport
