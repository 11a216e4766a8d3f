// Recognises a game address by its markers; pure, callable on any thread.
#pragma once

#include <string>

// True when `address` carries "client=2" or "client=3", compared exactly and case-sensitively.
bool ContainsGameMarker(const std::wstring& address);
