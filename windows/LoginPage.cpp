#include "windows/LoginPage.h"

#include <cctype>
#include <cstring>
#include <cwchar>

#include "BuildConfig.h"
#include "include/cef_base.h"

const POINT LOGIN_BROWSER_OFFSET = {497, TESSVANE_LOGIN_Y};
const SIZE LOGIN_BROWSER_SIZE = {610, 390};

namespace {

std::wstring ExecutableFolder()
{
    wchar_t path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameW(NULL, path, MAX_PATH);
    std::wstring folder(path, length);
    return folder.substr(0, folder.rfind(L'/') + 1);
}

// Percent-encodes what a file address cannot carry as it is (spaces, '#', '?', non-ASCII).
std::wstring FileUrl(const std::wstring& path)
{
    static const char kKeep[] = "-._~/!$&'()*+,;=:@";
    std::wstring url = L"file://";
    for (unsigned char byte : CefString(path).ToString()) {
        if (std::isalnum(byte) || (byte && std::strchr(kKeep, byte))) {
            url += static_cast<wchar_t>(byte);
            continue;
        }
        wchar_t escape[4];
        std::swprintf(escape, 4, L"%%%02X", byte);
        url += escape;
    }
    return url;
}

std::wstring ComputeLoginPageUrl()
{
    const std::wstring configured = TESSVANE_LOGIN_URL;
    if (!configured.empty())
        return configured;
    return FileUrl(ExecutableFolder() + TESSVANE_DEMO_LOGIN_PAGE);
}

}  // namespace

const std::wstring& LoginPageUrl()
{
    static const std::wstring url = ComputeLoginPageUrl();
    return url;
}
