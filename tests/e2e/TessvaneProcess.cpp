#include "e2e/TessvaneProcess.h"

#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace e2e {

namespace {

constexpr std::chrono::milliseconds kPollInterval{50};

// Every process of a run, sub-processes included, carries this in its environment; it
// survives re-parenting, unlike the parent chain.
const char kRunMarkerName[] = "TESSVANE_E2E_RUN";

[[noreturn]] void ExecInChild(const std::string& executable, const std::map<std::string, std::string>& environment,
                              int log_fd)
{
    setpgid(0, 0);
    dup2(log_fd, STDOUT_FILENO);
    dup2(log_fd, STDERR_FILENO);
    for (const auto& [name, value] : environment)
        setenv(name.c_str(), value.c_str(), 1);
    setenv(kRunMarkerName, std::to_string(getpid()).c_str(), 1);
    execl(executable.c_str(), executable.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

char StateOf(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const auto paren = line.rfind(')');
    return paren == std::string::npos || paren + 2 >= line.size() ? '?' : line[paren + 2];
}

bool CarriesMarker(pid_t pid, const std::string& marker)
{
    std::ifstream environ("/proc/" + std::to_string(pid) + "/environ");
    for (std::string entry; std::getline(environ, entry, '\0');) {
        if (entry == marker)
            return true;
    }
    return false;
}

}  // namespace

TessvaneProcess::TessvaneProcess(const std::string& executable, const std::map<std::string, std::string>& environment)
{
    char pattern[] = "/tmp/tessvane-e2e-log-XXXXXX";
    const int log_fd = mkstemp(pattern);
    log_path_ = pattern;
    pid_ = fork();
    if (pid_ == 0)
        ExecInChild(executable, environment, log_fd);
    setpgid(pid_, pid_);
    close(log_fd);
}

TessvaneProcess::~TessvaneProcess()
{
    if (pid_ > 0) {
        for (pid_t sub : SubProcesses())
            kill(sub, SIGKILL);
        kill(-pid_, SIGKILL);
        if (!exit_code_)
            waitpid(pid_, nullptr, 0);
    }
    unlink(log_path_.c_str());
}

std::optional<int> TessvaneProcess::WaitForExit(std::chrono::milliseconds deadline)
{
    const auto until = std::chrono::steady_clock::now() + deadline;
    while (!exit_code_ && std::chrono::steady_clock::now() < until) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_)
            exit_code_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        else
            std::this_thread::sleep_for(kPollInterval);
    }
    return exit_code_;
}

std::vector<pid_t> TessvaneProcess::SubProcesses() const
{
    const std::string marker = std::string(kRunMarkerName) + "=" + std::to_string(pid_);
    std::vector<pid_t> found;
    DIR* proc = opendir("/proc");
    for (dirent* entry = proc ? readdir(proc) : nullptr; entry; entry = readdir(proc)) {
        const pid_t pid = static_cast<pid_t>(std::atoi(entry->d_name));
        if (pid <= 0 || pid == pid_ || !CarriesMarker(pid, marker))
            continue;
        if (StateOf(pid) != 'Z')
            found.push_back(pid);
    }
    if (proc)
        closedir(proc);
    return found;
}

std::string TessvaneProcess::Log() const
{
    std::ifstream log(log_path_);
    return std::string(std::istreambuf_iterator<char>(log), std::istreambuf_iterator<char>());
}

std::string ExecutableOf(pid_t pid)
{
    char target[4096];
    const ssize_t length = readlink(("/proc/" + std::to_string(pid) + "/exe").c_str(), target, sizeof target - 1);
    return length > 0 ? std::string(target, length) : std::string();
}

std::vector<std::string> ArgumentsOf(pid_t pid)
{
    std::ifstream cmdline("/proc/" + std::to_string(pid) + "/cmdline");
    std::vector<std::string> arguments;
    for (std::string argument; std::getline(cmdline, argument, '\0');)
        arguments.push_back(argument);
    return arguments;
}

bool Eventually(const std::function<bool()>& condition, std::chrono::milliseconds deadline)
{
    const auto until = std::chrono::steady_clock::now() + deadline;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= until)
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

}  // namespace e2e
