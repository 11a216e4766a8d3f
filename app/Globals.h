// Program-wide state shared by the start-up code and the browser client; main thread writes, any thread reads.
#pragma once

#include <windows.h>

// The start window: written once by wWinMain, read by the browser client when it reports game entry.
extern HWND g_hMainWnd;
