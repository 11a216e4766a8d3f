// Window messages between the program's windows; all handled on the main thread.
#pragma once

#include <windows.h>

#define WM_GAME_CLOSED (WM_USER + 1003)      // game window -> start window, posted
#define WM_ENTER_GAME (WM_USER + 1004)       // browser client -> start window, sent; lParam: the address
#define WM_TRAY_NOTIFY (WM_USER + 1005)      // the tray icon -> game window
#define WM_EXIT_FULLSCREEN (WM_USER + 1006)  // full-screen bar -> game window, posted
