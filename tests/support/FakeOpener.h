// Stand-ins for xdg-open (and named programs such as a browser) that record how they were called.
// The object owns a temporary folder placed first on PATH for its lifetime; PATH is restored and the
// folder removed on destruction. Use from the test's main thread.
//
//   testsupport::FakeOpener opener(0);               // xdg-open that exits 0
//   opener.AddProgram("iexplore");                    // optional further programs
//   ... code under test calls ShellExecuteW ...
//   EXPECT_EQ(opener.Calls("xdg-open"), (Calls{{"https://example.test/"}}));
#pragma once

#include <string>
#include <vector>

namespace testsupport {

class FakeOpener {
 public:
  using Calls = std::vector<std::vector<std::string>>;

  explicit FakeOpener(int xdgOpenExitCode = 0);
  ~FakeOpener();
  FakeOpener(const FakeOpener&) = delete;
  FakeOpener& operator=(const FakeOpener&) = delete;

  // Adds an executable `name` that logs its arguments and exits with `exitCode`.
  void AddProgram(const std::string& name, int exitCode = 0);
  // Each call of `name` so far, with the arguments it got (one entry per argument).
  Calls CallsOf(const std::string& name) const;
  const std::string& Folder() const { return folder_; }

 private:
  std::string folder_;
  std::string savedPath_;
  bool hadPath_ = false;
};

}  // namespace testsupport
