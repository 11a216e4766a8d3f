#include "support/Xdo.h"

#include "support/ChildProcess.h"
#include "support/WindowSearch.h"

#include <cstdio>

namespace testsupport {
namespace {

bool Ok(const std::vector<std::string>& args) {
  return RunCommand(args).exitCode == 0;
}

}  // namespace

std::string Xdo::Run(const std::vector<std::string>& args) {
  return RunCommand(args).output;
}

bool Xdo::MoveMouse(int x, int y) {
  // --sync waits for the pointer to move, which it never does when it is there already.
  const std::string here = Run({"xdotool", "getmouselocation"});
  if (here.rfind("x:" + std::to_string(x) + " y:" + std::to_string(y) + " ", 0) == 0) return true;
  return Ok({"xdotool", "mousemove", "--sync", std::to_string(x), std::to_string(y)});
}

bool Xdo::Click(int x, int y, int button) {
  return MoveMouse(x, y) && Ok({"xdotool", "click", std::to_string(button)});
}

bool Xdo::DoubleClick(int x, int y) {
  return MoveMouse(x, y) && Ok({"xdotool", "click", "--repeat", "2", "--delay", "80", "1"});
}

bool Xdo::Drag(int fromX, int fromY, int toX, int toY) {
  if (!MoveMouse(fromX, fromY) || !Ok({"xdotool", "mousedown", "1"})) return false;
  constexpr int kSteps = 10;
  bool moved = true;
  for (int i = 1; i <= kSteps && moved; ++i) {
    moved = Ok({"xdotool", "sleep", "0.03", "mousemove", std::to_string(fromX + (toX - fromX) * i / kSteps),
                std::to_string(fromY + (toY - fromY) * i / kSteps)});
  }
  return Ok({"xdotool", "sleep", "0.05", "mouseup", "1"}) && moved;
}

bool Xdo::Key(const std::string& keysym) {
  return Ok({"xdotool", "key", keysym});
}

std::vector<unsigned long> Xdo::SearchByName(const std::string& name) {
  return WindowSearch::Visible(name);
}

ScreenRect Xdo::WorkArea() {
  // "_NET_WORKAREA(CARDINAL) = 0, 0, 1280, 774"
  const std::string out = Run({"xprop", "-root", "_NET_WORKAREA"});
  ScreenRect r;
  const auto eq = out.find('=');
  if (eq == std::string::npos) return r;
  std::sscanf(out.c_str() + eq + 1, " %d, %d, %d, %d", &r.x, &r.y, &r.width, &r.height);
  return r;
}

}  // namespace testsupport
