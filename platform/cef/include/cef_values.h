// Used on the window thread, shared through CefRefPtr. A list of values handed between processes; this port creates none, so the interface carries no members.
#ifndef CEF_INCLUDE_CEF_VALUES_H_
#define CEF_INCLUDE_CEF_VALUES_H_

#include "include/cef_base.h"

class CefListValue : public virtual CefBase {};

#endif  // CEF_INCLUDE_CEF_VALUES_H_
