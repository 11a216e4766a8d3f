// Real input and window queries through xdotool, xwininfo and xprop on the current DISPLAY.
// Stateless; every call runs one command to completion on the calling thread. Input is sent with
// XTEST, so it reaches windows exactly as a user's would (through the window manager, if any).
#pragma once

#include <string>
#include <vector>

namespace testsupport {

struct ScreenRect {
  int x = 0, y = 0, width = 0, height = 0;
};

class Xdo {
 public:
  static bool MoveMouse(int x, int y);
  static bool Click(int x, int y, int button = 1);
  static bool DoubleClick(int x, int y);
  // Press at `from`, move in steps to `to`, release.
  static bool Drag(int fromX, int fromY, int toX, int toY);
  // A key by X keysym name ("Escape", "Return", "F1", "a").
  static bool Key(const std::string& keysym);
  // X window ids whose name matches the regular expression `name` (only visible ones).
  static std::vector<unsigned long> SearchByName(const std::string& name);
  // _NET_WORKAREA of the first desktop; empty rectangle when not published.
  static ScreenRect WorkArea();
  // Output of an arbitrary command (xprop, xwininfo, ...); empty on failure.
  static std::string Run(const std::vector<std::string>& args);
};

}  // namespace testsupport
