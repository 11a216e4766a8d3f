// Builds the page shown in a frame whose load failed; pure, any thread.
#pragma once

#include <string>

// UTF-8 markup naming the failed address, the engine's error text and its code. Both
// texts come from outside (the address from any page), so they are escaped for HTML and
// the page forbids every script and resource: it is shown under the failed address.
std::string BuildErrorPage(const std::wstring& failed_url, const std::wstring& error_text, int error_code);
