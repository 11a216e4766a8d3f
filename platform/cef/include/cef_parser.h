// Address parsing; pure functions, any thread, the caller owns the parts.
#ifndef CEF_INCLUDE_CEF_PARSER_H_
#define CEF_INCLUDE_CEF_PARSER_H_

#include "include/cef_base.h"

// Splits an absolute address into its parts (scheme lower-cased, port empty
// when the address names none). False for a relative or malformed address.
bool CefParseURL(const CefString& url, CefURLParts& parts);

#endif  // CEF_INCLUDE_CEF_PARSER_H_
