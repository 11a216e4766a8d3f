// gtest main that gives the whole test executable a private X display before anything creates the
// QApplication. Built twice: testsupport_display_main (no window manager) and
// testsupport_display_main_icewm (icewm with taskbar and tray). Usage in a test folder:
//
//   add_executable(my_tests my_tests.cpp)
//   target_link_libraries(my_tests testsupport_display_main_icewm)
//   add_test(NAME my_tests COMMAND my_tests)
//
// The QApplication itself is created lazily by the Win32 layer (or win32qt::EnsureApplication())
// and destroyed here after the last test, before the display goes away.
#include "support/VirtualDisplay.h"

#include "qt/QtBridge.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

// LeakSanitizer reads this when the tests are built with -DTESSVANE_SANITIZE=ON. libdbus keeps a
// buffer from Qt's session-bus probe for the life of the process; nothing of ours is suppressed.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libdbus-1.so\n";
}

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  win32qt::RecordArguments(argc, argv);
  using testsupport::VirtualDisplay;
  VirtualDisplay display(TESSVANE_TEST_WINDOW_MANAGER ? VirtualDisplay::WindowManager::IceWm
                                                      : VirtualDisplay::WindowManager::NoManager);
  if (!display.Start()) {
    std::fprintf(stderr, "could not start the virtual display\n");
    return 1;
  }
  setenv("DISPLAY", display.Name().c_str(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  unsetenv("WAYLAND_DISPLAY");
  // Without a session bus Qt docks tray icons by XEmbed, which is what icewm offers here.
  unsetenv("DBUS_SESSION_BUS_ADDRESS");
  const int result = RUN_ALL_TESTS();
  win32qt::ShutdownApplication();
  return result;
}
