#include "windows/WebPage.h"

#include <windows.h>
#include <shellapi.h>

#include "BuildConfig.h"

const wchar_t* const OFFICIAL_SITE_URL = L"http://" TESSVANE_SITE_HOST;
const wchar_t* const RECHARGE_PAGE_URL = L"http://" TESSVANE_SITE_HOST L"/media.php?s=/Pay/index.html";

void OpenWebPage(const std::wstring& address)
{
    HINSTANCE result = ShellExecuteW(NULL, L"open", address.c_str(), NULL, NULL, SW_SHOW);
    if (reinterpret_cast<INT_PTR>(result) > 32)
        return;
    ShellExecuteW(NULL, L"open", L"iexplore", address.c_str(), NULL, SW_SHOW);
}
