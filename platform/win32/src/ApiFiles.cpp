// Special folders, paths, directories and the module's own file.
#include <shlobj.h>
#include <shlwapi.h>

#include "Diagnostics.h"
#include "Text.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <map>
#include <sys/stat.h>
#include <unistd.h>

using namespace win32;

namespace {

std::string FromEnvironment(const char* name, const char* fallbackUnderHome) {
  const char* value = std::getenv(name);
  if (value && *value) return value;
  const char* home = std::getenv("HOME");
  if (!home || !*home) return {};
  return std::string(home) + fallbackUnderHome;
}

std::string SpecialFolder(int csidl) {
  switch (csidl & 0xFF) {
    case CSIDL_APPDATA: return FromEnvironment("XDG_CONFIG_HOME", "/.config");
    case CSIDL_LOCAL_APPDATA: return FromEnvironment("XDG_DATA_HOME", "/.local/share");
    case CSIDL_PERSONAL: return FromEnvironment("HOME", "");
    default: return {};
  }
}

DWORD ErrorFromErrno(int error) {
  static const std::map<int, DWORD> table = {
      {EEXIST, ERROR_ALREADY_EXISTS}, {ENOENT, ERROR_PATH_NOT_FOUND}, {ENOTDIR, ERROR_PATH_NOT_FOUND},
      {EACCES, ERROR_ACCESS_DENIED},  {EPERM, ERROR_ACCESS_DENIED},   {EROFS, ERROR_ACCESS_DENIED},
      {ENAMETOOLONG, 206 /* ERROR_FILENAME_EXCED_RANGE */},
  };
  const auto it = table.find(error);
  return it == table.end() ? ERROR_ACCESS_DENIED : it->second;
}

bool MakeDirectories(const std::string& path) {
  for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    mkdir(path.substr(0, slash).c_str(), 0700);
  }
  return mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}

}  // namespace

BOOL WINAPI SHGetSpecialFolderPathW(HWND, LPWSTR path, int csidl, BOOL create) {
  const std::string folder = SpecialFolder(csidl);
  if (!path || folder.empty()) {
    Fail("SHGetSpecialFolderPathW", ERROR_PATH_NOT_FOUND, "folder " + std::to_string(csidl) + " is not known here");
    return FALSE;
  }
  if (create && !MakeDirectories(folder)) {
    Fail("SHGetSpecialFolderPathW", ErrorFromErrno(errno), "cannot create " + folder);
    return FALSE;
  }
  const std::wstring wide = Utf8ToWide(folder);
  if (wide.size() >= MAX_PATH) {
    Fail("SHGetSpecialFolderPathW", 206, "path longer than MAX_PATH: " + folder);
    return FALSE;
  }
  CopyOut(wide, path, MAX_PATH);
  return TRUE;
}

BOOL WINAPI PathFileExistsW(LPCWSTR path) {
  struct stat info {};
  if (path && stat(ToFsPath(path).c_str(), &info) == 0) return TRUE;
  SetLastError(ERROR_FILE_NOT_FOUND);
  return FALSE;
}

DWORD WINAPI GetFileAttributesW(LPCWSTR path) {
  struct stat info {};
  if (!path || stat(ToFsPath(path).c_str(), &info) != 0) {
    SetLastError(ErrorFromErrno(errno) == ERROR_PATH_NOT_FOUND ? ERROR_FILE_NOT_FOUND : ErrorFromErrno(errno));
    return INVALID_FILE_ATTRIBUTES;
  }
  return S_ISDIR(info.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}

BOOL WINAPI CreateDirectoryW(LPCWSTR path, void*) {
  if (!path || !*path) {
    SetLastError(ERROR_PATH_NOT_FOUND);
    return FALSE;
  }
  if (mkdir(ToFsPath(path).c_str(), 0777) == 0) return TRUE;
  // An existing directory is an expected outcome for callers, not a programming error.
  SetLastError(ErrorFromErrno(errno));
  return FALSE;
}

DWORD WINAPI GetModuleFileNameW(HMODULE, LPWSTR fileName, DWORD size) {
  char buffer[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length < 0 || !fileName || size == 0) {
    Fail("GetModuleFileNameW", ERROR_INVALID_PARAMETER, "cannot read /proc/self/exe");
    return 0;
  }
  const std::wstring path = Utf8ToWide(std::string(buffer, static_cast<size_t>(length)));
  CopyOut(path, fileName, static_cast<int>(size));
  if (path.size() >= size) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return size;
  }
  SetLastError(ERROR_SUCCESS);
  return static_cast<DWORD>(path.size());
}

HMODULE WINAPI GetModuleHandleW(LPCWSTR moduleName) {
  static int self = 0;
  if (!moduleName) return reinterpret_cast<HMODULE>(&self);
  SetLastError(ERROR_MOD_NOT_FOUND);
  return nullptr;
}
