// Used on the window thread, shared through CefRefPtr. Supplier of localized strings and resources; the engine's own bundle is always used here, so it carries no members.
#ifndef CEF_INCLUDE_CEF_RESOURCE_BUNDLE_HANDLER_H_
#define CEF_INCLUDE_CEF_RESOURCE_BUNDLE_HANDLER_H_

#include "include/cef_base.h"

class CefResourceBundleHandler : public virtual CefBase {};

#endif  // CEF_INCLUDE_CEF_RESOURCE_BUNDLE_HANDLER_H_
