// Special folders. Thread and ownership: any thread; the caller owns the buffer.
#pragma once
#include "windows.h"

#define CSIDL_DESKTOP 0x0000
#define CSIDL_PERSONAL 0x0005
#define CSIDL_APPDATA 0x001A
#define CSIDL_LOCAL_APPDATA 0x001C

// APPDATA is $XDG_CONFIG_HOME, else $HOME/.config; `path` holds MAX_PATH characters.
BOOL WINAPI SHGetSpecialFolderPathW(HWND owner, LPWSTR path, int csidl, BOOL create);
#define SHGetSpecialFolderPath SHGetSpecialFolderPathW
