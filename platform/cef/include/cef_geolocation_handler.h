// Used on the window thread, shared through CefRefPtr. Geolocation permission hooks; the engine denies geolocation here, so it carries no members.
#ifndef CEF_INCLUDE_CEF_GEOLOCATION_HANDLER_H_
#define CEF_INCLUDE_CEF_GEOLOCATION_HANDLER_H_

#include "include/cef_base.h"

class CefGeolocationHandler : public virtual CefBase {};

#endif  // CEF_INCLUDE_CEF_GEOLOCATION_HANDLER_H_
