// Used on the window thread, shared through CefRefPtr. A browser's request context; every browser here shares the one profile, so callers pass NULL and it carries no members.
#ifndef CEF_INCLUDE_CEF_REQUEST_CONTEXT_H_
#define CEF_INCLUDE_CEF_REQUEST_CONTEXT_H_

#include "include/cef_base.h"

class CefRequestContext : public virtual CefBase {};

#endif  // CEF_INCLUDE_CEF_REQUEST_CONTEXT_H_
