// The process's one QApplication and the recorded arguments; Ensure/Shutdown run on the main thread,
// the layer owns the QApplication it creates.
#pragma once

#include <string>
#include <vector>

namespace win32 {

class Application {
 public:
  // Creates the QApplication on first use (xcb platform); false when it cannot exist here.
  static bool Ensure();
  // Destroys every remaining window and then the QApplication this layer created.
  static void Shutdown();
  static void Record(int argc, char** argv);
  static const std::vector<std::string>& Arguments();
  static bool IsMainThread();
};

}  // namespace win32
