// Starting programs and opening addresses for ShellExecuteW; any thread; children are reaped by
// this class (a waiting thread per started program), never left as zombies.
#pragma once

#include <shellapi.h>

#include <chrono>
#include <string>
#include <vector>

namespace win32 {

class Shell {
 public:
  // Returns a ShellExecute code: > 32 on success, an SE_ERR_* value otherwise.
  static INT_PTR Execute(LPCWSTR operation, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory);
  // The full path of `name` on PATH, or empty.
  static std::string FindOnPath(const std::string& name);
  static constexpr std::chrono::seconds kOpenerDeadline{10};

 private:
  static bool IsProgramName(const std::string& file);
  static INT_PTR RunProgram(const std::string& path, const std::string& parameters, const std::string& directory);
  static INT_PTR OpenWithDesktop(const std::string& address);
  // Spawns without a shell; returns the pid or -1.
  static pid_t Spawn(const std::string& path, const std::vector<std::string>& args, const std::string& directory);
  static void ReapLater(pid_t pid);
};

}  // namespace win32
