// A private X display for tests: Xvfb (1280x800x24, no TCP, picked by -displayfd) and optionally
// icewm with its taskbar and tray, under a throw-away HOME with clock and monitors switched off.
// Use from the test's main thread; the object owns both processes and stops and reaps them when
// destroyed.
//
//   testsupport::VirtualDisplay display(testsupport::VirtualDisplay::WindowManager::IceWm);
//   if (!display.Start()) ...;   // then set DISPLAY=display.Name() before Qt starts
//
// Most tests do not use this directly: link testsupport_display_main (no window manager) or
// testsupport_display_main_icewm instead of GTest::gtest_main.
#pragma once

#include "support/ChildProcess.h"

#include <string>

namespace testsupport {

class VirtualDisplay {
 public:
  enum class WindowManager { NoManager, IceWm };
  static constexpr int kWidth = 1280;
  static constexpr int kHeight = 800;

  explicit VirtualDisplay(WindowManager manager);
  ~VirtualDisplay();

  // Starts and waits until the display answers (and icewm manages it and docks tray icons).
  bool Start();
  // ":N"
  const std::string& Name() const { return name_; }
  bool HasWindowManager() const { return manager_ == WindowManager::IceWm; }

 private:
  bool StartServer();
  bool StartIceWm();
  bool WriteIceWmPreferences();

  WindowManager manager_;
  std::string name_;
  std::string home_;
  ChildProcess server_;
  ChildProcess iceWm_;
};

}  // namespace testsupport
