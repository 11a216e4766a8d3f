// The C runtime's part on Windows: record the arguments and enter the program's wWinMain.
#include <windows.h>

#include "qt/QtBridge.h"
#include "Text.h"

#include <string>

namespace {

// Windows hands wWinMain the command line after the program name, arguments separated by spaces,
// quoted when they contain a space.
std::wstring CommandLineTail(int argc, char** argv) {
  std::wstring line;
  for (int i = 1; i < argc; ++i) {
    std::wstring arg = win32::Utf8ToWide(argv[i]);
    if (arg.find(L' ') != std::wstring::npos) arg = L"\"" + arg + L"\"";
    line += (i > 1 ? L" " : L"") + arg;
  }
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  win32qt::RecordArguments(argc, argv);
  std::wstring commandLine = CommandLineTail(argc, argv);
  const int result = wWinMain(GetModuleHandleW(nullptr), nullptr, commandLine.data(), SW_SHOWDEFAULT);
  win32qt::ShutdownApplication();
  return result;
}
