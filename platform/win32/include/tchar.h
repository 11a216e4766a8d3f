// Text macros of a UNICODE build: TCHAR is wchar_t, so _T("x") is L"x".
#pragma once
#include "windows.h"
#define _T(x) L##x
#define _TEXT(x) L##x
#define _tcslen wcslen
#define _tcscmp wcscmp
#define _tcsncmp wcsncmp
#define _tcscpy wcscpy
#define _tcsncpy wcsncpy
#define _tcschr wcschr
#define _tcsrchr wcsrchr
#define _tcsstr wcsstr
#define _tcstol wcstol
#define _ttoi(s) static_cast<int>(std::wcstol((s), nullptr, 10))
