#include "support/VirtualDisplay.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace testsupport {
namespace {

constexpr auto kStartDeadline = std::chrono::seconds(20);

bool PollUntil(const std::function<bool()>& ready) {
  const auto deadline = std::chrono::steady_clock::now() + kStartDeadline;
  while (std::chrono::steady_clock::now() < deadline) {
    if (ready()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

std::string ReadDisplayNumber(int fd) {
  std::string number;
  const auto deadline = std::chrono::steady_clock::now() + kStartDeadline;
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd p{fd, POLLIN, 0};
    if (poll(&p, 1, 100) <= 0) continue;
    char c = 0;
    if (read(fd, &c, 1) != 1) break;
    if (c == '\n') return number;
    number += c;
  }
  return {};
}

bool HasProperty(Display* display, const char* name) {
  const Atom atom = XInternAtom(display, name, True);
  if (atom == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  const int status = XGetWindowProperty(display, DefaultRootWindow(display), atom, 0, 16, False, AnyPropertyType,
                                        &type, &format, &count, &remaining, &data);
  if (data) XFree(data);
  return status == Success && count > 0;
}

bool HasSelectionOwner(Display* display, const char* name) {
  const Atom atom = XInternAtom(display, name, False);
  return XGetSelectionOwner(display, atom) != None;
}

// Ready when the manager announces itself, owns the tray selection and has published a work area.
bool IceWmReady(const std::string& name) {
  Display* display = XOpenDisplay(name.c_str());
  if (!display) return false;
  const bool ready = HasProperty(display, "_NET_SUPPORTING_WM_CHECK") && HasProperty(display, "_NET_WORKAREA") &&
                     HasSelectionOwner(display, "_NET_SYSTEM_TRAY_S0");
  XCloseDisplay(display);
  return ready;
}

bool DisplayAnswers(const std::string& name) {
  Display* display = XOpenDisplay(name.c_str());
  if (!display) return false;
  XCloseDisplay(display);
  return true;
}

}  // namespace

VirtualDisplay::VirtualDisplay(WindowManager manager) : manager_(manager) {}

VirtualDisplay::~VirtualDisplay() {
  iceWm_.Stop();
  server_.Stop();
  if (!home_.empty()) std::filesystem::remove_all(home_);
}

bool VirtualDisplay::StartServer() {
  int fds[2];
  if (pipe(fds) != 0) return false;
  const std::string screen = std::to_string(kWidth) + "x" + std::to_string(kHeight) + "x24";
  const bool started = server_.Start(
      {"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", screen, "-nolisten", "tcp", "-noreset"}, {},
      fds[1]);
  close(fds[1]);
  const std::string number = started ? ReadDisplayNumber(fds[0]) : std::string();
  close(fds[0]);
  if (number.empty()) {
    std::fprintf(stderr, "VirtualDisplay: Xvfb did not report a display number\n");
    return false;
  }
  name_ = ":" + number;
  return PollUntil([this] { return DisplayAnswers(name_); });
}

bool VirtualDisplay::WriteIceWmPreferences() {
  char pattern[] = "/tmp/tessvane-icewm-XXXXXX";
  if (!mkdtemp(pattern)) return false;
  home_ = pattern;
  std::filesystem::create_directories(home_ + "/.icewm");
  std::ofstream prefs(home_ + "/.icewm/preferences");
  prefs << "TaskBarShowClock=0\nTaskBarShowCPUStatus=0\nTaskBarShowMEMStatus=0\nTaskBarShowNetStatus=0\n"
           "TaskBarShowMailboxStatus=0\nTaskBarShowAPMStatus=0\nTaskBarEnableSystemTray=1\nTaskBarShowTray=1\n"
           "ShowTaskBar=1\nTaskBarAtTop=0\nTaskBarAutoHide=0\nTaskBarDoubleHeight=0\nShowWelcome=0\n";
  return static_cast<bool>(prefs);
}

bool VirtualDisplay::StartIceWm() {
  if (!WriteIceWmPreferences()) return false;
  const std::map<std::string, std::string> env = {
      {"DISPLAY", name_}, {"HOME", home_}, {"ICEWM_PRIVCFG", home_ + "/.icewm"}, {"XDG_CONFIG_HOME", home_ + "/.config"}};
  if (!iceWm_.Start({"icewm"}, env)) return false;
  if (PollUntil([this] { return IceWmReady(name_); })) return true;
  std::fprintf(stderr, "VirtualDisplay: icewm did not become ready on %s\n", name_.c_str());
  return false;
}

bool VirtualDisplay::Start() {
  if (!StartServer()) return false;
  return manager_ == WindowManager::NoManager || StartIceWm();
}

}  // namespace testsupport
