// Opening the operator's web pages outside the program; main thread.
#pragma once

#include <string>

extern const wchar_t* const OFFICIAL_SITE_URL;
extern const wchar_t* const RECHARGE_PAGE_URL;

// Asks the system's default handler for the address, and the old browser when that fails.
void OpenWebPage(const std::wstring& address);
