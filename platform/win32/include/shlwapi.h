// Path helpers. Thread and ownership: any thread; the caller owns the buffers.
#pragma once
#include "windows.h"

BOOL WINAPI PathFileExistsW(LPCWSTR path);
#define PathFileExists PathFileExistsW
