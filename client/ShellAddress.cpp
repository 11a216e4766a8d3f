#include "client/ShellAddress.h"

#include "include/cef_parser.h"

namespace {

const wchar_t* const kSafeSchemes[] = {L"http", L"https", L"mailto"};

bool IsSafeScheme(const std::wstring& scheme)
{
    for (const wchar_t* safe : kSafeSchemes) {
        if (scheme == safe)
            return true;
    }
    return false;
}

}  // namespace

bool IsShellSafeAddress(const std::wstring& address)
{
    // A leading dash would read as an option to the program that opens the address.
    if (address.empty() || address.front() == L'-')
        return false;
    CefURLParts parts;
    if (!CefParseURL(address, parts))
        return false;
    return IsSafeScheme(CefString(&parts.scheme).ToWString());
}
