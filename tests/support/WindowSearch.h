// Finds windows on the current DISPLAY the way `xdotool search --onlyvisible` does, but survives
// windows that go away during the walk (Qt replaces native windows at will; xdotool dies of the
// X error). Stateless; each call opens its own connection on the calling thread.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace testsupport {

class WindowSearch {
 public:
  // Viewable windows, in tree order, whose _NET_WM_NAME (or WM_NAME) matches the POSIX extended
  // regular expression `name` and, when `pid` is not 0, whose _NET_WM_PID is `pid`.
  static std::vector<unsigned long> Visible(const std::string& name, pid_t pid = 0);

  // The names of the window's _NET_WM_STATE atoms, read while the server is grabbed, or nullopt
  // unless the window is viewable and the window manager lists it in _NET_CLIENT_LIST. The grab
  // makes the answer one moment's: a window being withdrawn has its state removed by the
  // manager while it may still be listed, and would otherwise read as a window with no state.
  static std::optional<std::vector<std::string>> ManagedState(unsigned long window);
};

}  // namespace testsupport
