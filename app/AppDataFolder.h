// The engine's data folder and the folder creation behind it; called on the main thread only.
#pragma once

#include <string>

// The user's roaming application-data folder with one trailing separator,
// created on the first call. Empty when the system cannot name the folder:
// the engine then keeps its own default.
std::wstring GetAppDataFolder();

// Makes sure every folder along `path` exists, outermost first; only '/'
// separates folders. False (and nothing further tried) at the first folder
// that cannot be created, or for a null or empty path.
bool CreateDirectories(const wchar_t* path);
