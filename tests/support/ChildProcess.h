// A child process started without a shell, owned by the object that started it: the destructor
// terminates and reaps it. Use from one thread.
#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

namespace testsupport {

class ChildProcess {
 public:
  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();

  // Starts `args[0]` found on PATH; `extraEnv` entries override the inherited environment.
  // `keepFd` stays open in the child (for -displayfd). The child's output is discarded and it is
  // killed when the test process dies. Returns false when it could not start.
  bool Start(const std::vector<std::string>& args, const std::map<std::string, std::string>& extraEnv = {},
             int keepFd = -1);
  bool Running();
  // SIGTERM, then SIGKILL after a grace period; always reaps.
  void Stop();
  pid_t Pid() const { return pid_; }

 private:
  pid_t pid_ = -1;
};

// Runs a command to completion and returns its exit code (or -1) and standard output.
struct CommandResult {
  int exitCode = -1;
  std::string output;
};
CommandResult RunCommand(const std::vector<std::string>& args);

}  // namespace testsupport
