#include "app/AppDataFolder.h"

#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>

namespace {

const wchar_t kSeparator = L'/';

bool EnsureFolder(const std::wstring& folder)
{
    if (PathFileExistsW(folder.c_str()))
        return true;
    return CreateDirectoryW(folder.c_str(), NULL) != FALSE;
}

}  // namespace

bool CreateDirectories(const wchar_t* path)
{
    if (!path)
        return false;
    const std::wstring whole(path);
    for (size_t pos = whole.find(kSeparator); pos != std::wstring::npos; pos = whole.find(kSeparator, pos + 1)) {
        if (!EnsureFolder(whole.substr(0, pos + 1)))
            return false;
    }
    return EnsureFolder(whole);
}

std::wstring GetAppDataFolder()
{
    static std::wstring folder;
    if (!folder.empty())
        return folder;

    wchar_t buffer[MAX_PATH] = {};
    if (!SHGetSpecialFolderPathW(NULL, buffer, CSIDL_APPDATA, FALSE))
        return folder;
    folder = buffer;
    if (!folder.empty() && folder.back() != kSeparator)
        folder += kSeparator;
    if (!folder.empty())
        CreateDirectories(folder.c_str());
    return folder;
}
