// Creating and destroying windows with the message sequences Windows sends; GUI thread only.
// The WindowRegistry owns the records; a destroyed window's widget is deleted later by Qt.
#pragma once

#include "Window.h"

#include <memory>

class QWidget;

namespace win32 {

struct CreateRequest {
  DWORD exStyle;
  LPCWSTR className;
  LPCWSTR windowName;
  DWORD style;
  int x, y, width, height;
  HWND parent;
  HMENU menu;
  HINSTANCE instance;
  LPVOID param;
};

class WindowLifecycle {
 public:
  static HWND Create(const CreateRequest& request);
  static HWND Adopt(QWidget* widget, HWND parent, DWORD style, const RECT& rect);
  static bool Destroy(Window& window);
  // The widget went away under us (deleted by its owner): finish the window without deleting it.
  static void OnWidgetDeleted(HWND hwnd);
  static void DestroyAll();

 private:
  static std::shared_ptr<Window> NewRecord(const CreateRequest& request, std::shared_ptr<const WindowClass> cls);
  static void CreateWidget(Window& window, const CreateRequest& request);
  static QRect InitialRect(const Window& window, const CreateRequest& request);
  static bool SendCreateSequence(Window& window, const CreateRequest& request);
  static void SendDestroy(Window& window);
  static void SendNcDestroy(Window& window);
  static void Forget(Window& window);
};

}  // namespace win32
