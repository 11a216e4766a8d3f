#include "support/WindowSearch.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <regex.h>

#include <algorithm>
#include <functional>

namespace testsupport {
namespace {

int IgnoreError(Display*, XErrorEvent*) {
  return 0;  // a window that went away mid-walk simply does not match
}

// The property as bytes; empty when missing or when the window is gone.
std::string Property(Display* display, Window window, const char* name, Atom type) {
  Atom actualType = 0;
  int format = 0;
  unsigned long count = 0, remaining = 0;
  unsigned char* data = nullptr;
  const Atom property = XInternAtom(display, name, False);
  std::string value;
  if (XGetWindowProperty(display, window, property, 0, 1024, False, type, &actualType, &format, &count, &remaining,
                         &data) == Success &&
      data) {
    value.assign(reinterpret_cast<const char*>(data), format == 32 ? count * sizeof(long) : count * format / 8);
  }
  if (data) XFree(data);
  return value;
}

std::string Name(Display* display, Window window) {
  const std::string utf8 = Property(display, window, "_NET_WM_NAME", XInternAtom(display, "UTF8_STRING", False));
  return utf8.empty() ? Property(display, window, "WM_NAME", AnyPropertyType) : utf8;
}

pid_t Pid(Display* display, Window window) {
  const std::string value = Property(display, window, "_NET_WM_PID", XA_CARDINAL);
  return value.size() >= sizeof(long) ? static_cast<pid_t>(*reinterpret_cast<const long*>(value.data())) : 0;
}

bool Viewable(Display* display, Window window) {
  XWindowAttributes attributes{};
  return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

void Walk(Display* display, Window window, const std::function<void(Window)>& visit) {
  Window root = 0, parent = 0, *children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, window, &root, &parent, &children, &count)) return;
  for (unsigned int i = 0; i < count; ++i) {
    visit(children[i]);
    Walk(display, children[i], visit);
  }
  if (children) XFree(children);
}

std::vector<Atom> Atoms(Display* display, Window window, const char* name, Atom type) {
  const std::string bytes = Property(display, window, name, type);
  std::vector<Atom> atoms(bytes.size() / sizeof(long));
  for (size_t i = 0; i < atoms.size(); ++i) atoms[i] = reinterpret_cast<const long*>(bytes.data())[i];
  return atoms;
}

std::optional<std::vector<std::string>> ReadManagedState(Display* display, Window window) {
  const std::vector<Atom> clients = Atoms(display, DefaultRootWindow(display), "_NET_CLIENT_LIST", XA_WINDOW);
  if (std::find(clients.begin(), clients.end(), window) == clients.end() || !Viewable(display, window))
    return std::nullopt;
  std::vector<std::string> names;
  for (Atom state : Atoms(display, window, "_NET_WM_STATE", XA_ATOM)) {
    char* name = XGetAtomName(display, state);
    names.emplace_back(name ? name : "");
    if (name) XFree(name);
  }
  return names;
}

// Runs `use` on a connection of its own on which X errors of vanished windows are ignored;
// false when the display cannot be opened.
bool WithConnection(const std::function<void(Display*)>& use) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) return false;
  const auto previous = XSetErrorHandler(IgnoreError);
  use(display);
  XSync(display, False);
  XSetErrorHandler(previous);
  XCloseDisplay(display);
  return true;
}

}  // namespace

std::optional<std::vector<std::string>> WindowSearch::ManagedState(unsigned long window) {
  std::optional<std::vector<std::string>> state;
  if (window == 0) return state;
  WithConnection([&](Display* display) {
    XGrabServer(display);
    state = ReadManagedState(display, window);
    XUngrabServer(display);
  });
  return state;
}

std::vector<unsigned long> WindowSearch::Visible(const std::string& name, pid_t pid) {
  std::vector<unsigned long> found;
  regex_t pattern;
  if (regcomp(&pattern, name.c_str(), REG_EXTENDED | REG_NOSUB) != 0) return found;
  WithConnection([&](Display* display) {
    Walk(display, DefaultRootWindow(display), [&](Window window) {
      if (pid && Pid(display, window) != pid) return;
      if (regexec(&pattern, Name(display, window).c_str(), 0, nullptr, 0) == 0 && Viewable(display, window))
        found.push_back(window);
    });
  });
  regfree(&pattern);
  return found;
}

}  // namespace testsupport
