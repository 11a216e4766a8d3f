// Used on the window thread, shared through CefRefPtr. Registrar of custom schemes; this port registers none, so it carries no members.
#ifndef CEF_INCLUDE_CEF_SCHEME_H_
#define CEF_INCLUDE_CEF_SCHEME_H_

#include "include/cef_base.h"

class CefSchemeRegistrar : public virtual CefBase {};

#endif  // CEF_INCLUDE_CEF_SCHEME_H_
