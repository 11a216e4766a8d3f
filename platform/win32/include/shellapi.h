// Shell functions: ShellExecuteW and the notification-area icon.
// Thread and ownership: call on the GUI thread; tray icons belong to this layer until NIM_DELETE or exit.
#pragma once
#include "windows.h"

#define SE_ERR_FNF 2
#define SE_ERR_PNF 3
#define SE_ERR_ACCESSDENIED 5
#define SE_ERR_OOM 8
#define SE_ERR_SHARE 26
#define SE_ERR_ASSOCINCOMPLETE 27
#define SE_ERR_DDETIMEOUT 28
#define SE_ERR_DDEFAIL 29
#define SE_ERR_DDEBUSY 30
#define SE_ERR_NOASSOC 31
#define SE_ERR_DLLNOTFOUND 32

#define NIM_ADD 0x00000000
#define NIM_MODIFY 0x00000001
#define NIM_DELETE 0x00000002
#define NIM_SETFOCUS 0x00000003
#define NIM_SETVERSION 0x00000004
#define NIF_MESSAGE 0x00000001
#define NIF_ICON 0x00000002
#define NIF_TIP 0x00000004
#define NIF_STATE 0x00000008
#define NIF_INFO 0x00000010
#define NIF_GUID 0x00000020
#define NIF_SHOWTIP 0x00000080

// Runs `file` (a program on PATH, or an address handed to xdg-open); > 32 on success.
HINSTANCE WINAPI ShellExecuteW(HWND hwnd, LPCWSTR operation, LPCWSTR file, LPCWSTR parameters, LPCWSTR directory,
                               INT showCmd);
BOOL WINAPI Shell_NotifyIconW(DWORD message, PNOTIFYICONDATAW data);

#define NOTIFYICONDATA NOTIFYICONDATAW
#define ShellExecute ShellExecuteW
#define Shell_NotifyIcon Shell_NotifyIconW
