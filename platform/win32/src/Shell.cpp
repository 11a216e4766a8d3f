#include "Shell.h"

#include "Diagnostics.h"
#include "Text.h"

#include <cerrno>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace win32 {
namespace {

constexpr INT_PTR kStarted = 42;

INT_PTR CodeForOpenerExit(int status) {
  if (!WIFEXITED(status)) return SE_ERR_NOASSOC;
  switch (WEXITSTATUS(status)) {
    case 0: return kStarted;
    case 2: return SE_ERR_FNF;  // xdg-open: the file does not exist
    default: return SE_ERR_NOASSOC;
  }
}

bool IsExecutableFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

bool Shell::IsProgramName(const std::string& file) {
  return file.find(':') == std::string::npos && file.find('/') == std::string::npos;
}

std::string Shell::FindOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  size_t start = 0;
  while (start <= dirs.size()) {
    const size_t end = std::min(dirs.find(':', start), dirs.size());
    const std::string dir = dirs.substr(start, end - start);
    const std::string candidate = (dir.empty() ? "." : dir) + "/" + name;
    if (IsExecutableFile(candidate)) return candidate;
    start = end + 1;
  }
  return {};
}

pid_t Shell::Spawn(const std::string& path, const std::vector<std::string>& args, const std::string& directory) {
  std::vector<char*> argv;
  std::vector<std::string> storage = args;
  for (std::string& a : storage) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!directory.empty()) posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());
  pid_t pid = -1;
  const int error = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return error == 0 ? pid : -1;
}

void Shell::ReapLater(pid_t pid) {
  std::thread([pid] {
    int status = 0;
    while (waitpid(pid, &status, 0) == -1 && errno == EINTR) {
    }
  }).detach();
}

INT_PTR Shell::RunProgram(const std::string& path, const std::string& parameters, const std::string& directory) {
  std::vector<std::string> args{path};
  if (!parameters.empty()) args.push_back(parameters);
  const pid_t pid = Spawn(path, args, directory);
  if (pid < 0) {
    Diagnose("ShellExecuteW", "could not start " + path);
    return SE_ERR_ACCESSDENIED;
  }
  ReapLater(pid);
  return kStarted;
}

INT_PTR Shell::OpenWithDesktop(const std::string& address) {
  const std::string opener = FindOnPath("xdg-open");
  if (opener.empty()) {
    Diagnose("ShellExecuteW", "xdg-open is not on PATH");
    return SE_ERR_NOASSOC;
  }
  const pid_t pid = Spawn(opener, {opener, address}, {});
  if (pid < 0) return SE_ERR_NOASSOC;
  const auto deadline = std::chrono::steady_clock::now() + kOpenerDeadline;
  int status = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) return CodeForOpenerExit(status);
    if (done < 0 && errno != EINTR) return SE_ERR_NOASSOC;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  Diagnose("ShellExecuteW", "xdg-open did not finish in time for " + address);
  ReapLater(pid);
  return SE_ERR_DDETIMEOUT;
}

INT_PTR Shell::Execute(LPCWSTR operation, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory) {
  const std::string verb = ToUtf8(operation);
  if (!verb.empty() && verb != "open") {
    Diagnose("ShellExecuteW", "unsupported verb " + verb);
    return SE_ERR_NOASSOC;
  }
  const std::string target = ToUtf8(file);
  if (target.empty()) {
    Diagnose("ShellExecuteW", "no file given");
    return SE_ERR_FNF;
  }
  if (!IsProgramName(target)) return OpenWithDesktop(target);
  const std::string program = FindOnPath(target);
  if (program.empty()) {
    Diagnose("ShellExecuteW", "no program named " + target + " on PATH");
    return SE_ERR_FNF;
  }
  return RunProgram(program, ToUtf8(parameters), ToFsPath(directory));
}

}  // namespace win32
