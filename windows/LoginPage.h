// Where the login page comes from and where its window sits; read on the main thread.
#pragma once

#include <string>

#include <windows.h>

// The login page address of this build. The demo build's portal lies beside the executable.
const std::wstring& LoginPageUrl();
#define LOGIN_PAGE_URL LoginPageUrl()

// Offset of the login page window's top-left corner from the start window's.
extern const POINT LOGIN_BROWSER_OFFSET;

// The login browser's fixed size inside its window.
extern const SIZE LOGIN_BROWSER_SIZE;
