#include "support/ChildProcess.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace testsupport {
namespace {

std::vector<std::string> MergedEnvironment(const std::map<std::string, std::string>& extra) {
  std::vector<std::string> result;
  for (char** e = environ; *e; ++e) {
    const std::string entry = *e;
    const std::string name = entry.substr(0, entry.find('='));
    if (!extra.count(name)) result.push_back(entry);
  }
  for (const auto& [name, value] : extra) result.push_back(name + "=" + value);
  return result;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> result;
  for (std::string& s : strings) result.push_back(s.data());
  result.push_back(nullptr);
  return result;
}

}  // namespace

ChildProcess::~ChildProcess() {
  Stop();
}

bool ChildProcess::Start(const std::vector<std::string>& args, const std::map<std::string, std::string>& extraEnv,
                         int keepFd) {
  std::vector<std::string> argv = args;
  std::vector<std::string> envp = MergedEnvironment(extraEnv);
  auto argPointers = Pointers(argv);
  auto envPointers = Pointers(envp);
  if (keepFd >= 0) fcntl(keepFd, F_SETFD, 0);
  const pid_t parent = getpid();
  pid_ = fork();
  if (pid_ == 0) {
    // A test that aborts must not leave its display behind, nor hold CTest's output pipe open.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent) _exit(127);
    const int devNull = open("/dev/null", O_RDWR);
    dup2(devNull, STDIN_FILENO);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    execvpe(argv[0].c_str(), argPointers.data(), envPointers.data());
    _exit(127);
  }
  return pid_ > 0;
}

bool ChildProcess::Running() {
  if (pid_ <= 0) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == pid_) {
    pid_ = -1;
    return false;
  }
  return true;
}

void ChildProcess::Stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  int status = 0;
  while (waitpid(pid_, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid_, SIGKILL);
      waitpid(pid_, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  pid_ = -1;
}

CommandResult RunCommand(const std::vector<std::string>& args) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return {};
  std::vector<std::string> argv = args;
  auto argPointers = Pointers(argv);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  pid_t pid = -1;
  const int error = posix_spawnp(&pid, argv[0].c_str(), &actions, nullptr, argPointers.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  CommandResult result;
  char buffer[4096];
  for (ssize_t n; error == 0 && (n = read(pipeFds[0], buffer, sizeof buffer)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    result.output.append(buffer, static_cast<size_t>(n));
  }
  close(pipeFds[0]);
  int status = 0;
  if (error == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  return result;
}

}  // namespace testsupport
