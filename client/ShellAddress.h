// Decides which web addresses may be handed to the system's shell; pure, any thread.
#pragma once

#include <string>

// Pop-up targets come from arbitrary web pages, and the shell would just as well run a
// local file or a network share. Only absolute http, https and mailto addresses pass.
bool IsShellSafeAddress(const std::wstring& address);
