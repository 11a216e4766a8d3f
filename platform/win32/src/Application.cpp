#include "Application.h"

#include "Diagnostics.h"
#include "WindowLifecycle.h"

#include <QApplication>
#include <QByteArray>
#include <unistd.h>

namespace win32 {
namespace {

std::vector<std::string>& RecordedStorage() {
  static std::vector<std::string> arguments;
  return arguments;
}

// QApplication keeps references to argc/argv for its whole life.
struct ArgumentBlock {
  std::vector<std::string> strings;
  std::vector<char*> pointers;
  int argc = 0;
};

ArgumentBlock& Block() {
  static ArgumentBlock block;
  return block;
}

QApplication*& Owned() {
  static QApplication* app = nullptr;
  return app;
}

void PrepareEnvironment() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  // Windows are placed by the program itself, which Wayland does not allow.
  if (platform.isEmpty() || platform.startsWith("wayland")) qputenv("QT_QPA_PLATFORM", "xcb");
  // With no session bus, D-Bus would launch one and wait on a pipe that the browser engine's
  // helper processes inherit, which can hang the first window shown: never launch one.
  if (qgetenv("DBUS_SESSION_BUS_ADDRESS").isEmpty()) qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
  // A browser view may arrive in any window later; its views need shared OpenGL contexts.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

}  // namespace

bool Application::Ensure() {
  if (auto* existing = QCoreApplication::instance()) {
    return qobject_cast<QApplication*>(existing) != nullptr;
  }
  if (!IsMainThread()) {
    Diagnose("EnsureApplication", "the first window call must come from the main thread");
    return false;
  }
  PrepareEnvironment();
  ArgumentBlock& block = Block();
  block.strings = RecordedStorage().empty() ? std::vector<std::string>{"tessvane"} : RecordedStorage();
  for (std::string& s : block.strings) block.pointers.push_back(s.data());
  block.pointers.push_back(nullptr);
  block.argc = static_cast<int>(block.strings.size());
  Owned() = new QApplication(block.argc, block.pointers.data());
  QApplication::setQuitOnLastWindowClosed(false);
  return true;
}

void Application::Shutdown() {
  if (!Owned()) return;
  WindowLifecycle::DestroyAll();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  delete Owned();
  Owned() = nullptr;
}

void Application::Record(int argc, char** argv) {
  RecordedStorage().assign(argv, argv + argc);
}

const std::vector<std::string>& Application::Arguments() {
  return RecordedStorage();
}

bool Application::IsMainThread() {
  return gettid() == getpid();
}

}  // namespace win32
