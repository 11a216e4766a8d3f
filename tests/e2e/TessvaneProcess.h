// The real tessvane executable started by a test, in a process group of its own so that its
// engine sub-processes can be found and stopped with it. Use from the test's main thread; the
// destructor stops and reaps whatever is still running.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

class TessvaneProcess {
public:
    // `executable` is started with the test's environment plus `environment`; its output goes to
    // a log file that Log() returns.
    TessvaneProcess(const std::string& executable, const std::map<std::string, std::string>& environment);
    ~TessvaneProcess();
    TessvaneProcess(const TessvaneProcess&) = delete;
    TessvaneProcess& operator=(const TessvaneProcess&) = delete;

    pid_t Pid() const { return pid_; }
    // The exit code once the process has ended, or nothing when `deadline` passes first.
    std::optional<int> WaitForExit(std::chrono::milliseconds deadline);
    // Live (not zombie) processes of the group other than the main process.
    std::vector<pid_t> SubProcesses() const;
    std::string Log() const;

private:
    pid_t pid_ = -1;
    std::optional<int> exit_code_;
    std::string log_path_;
};

// The executable a process runs (/proc/PID/exe), and its arguments (/proc/PID/cmdline).
std::string ExecutableOf(pid_t pid);
std::vector<std::string> ArgumentsOf(pid_t pid);

// Polls `condition` until it holds or `deadline` passes.
bool Eventually(const std::function<bool()>& condition, std::chrono::milliseconds deadline);

}  // namespace e2e
