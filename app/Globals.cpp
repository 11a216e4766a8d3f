#include "app/Globals.h"

HWND g_hMainWnd = NULL;
