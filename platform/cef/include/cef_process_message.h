// Used on the window thread, shared through CefRefPtr. A message between browser and renderer processes; this port sends none, so it carries no members.
#ifndef CEF_INCLUDE_CEF_PROCESS_MESSAGE_H_
#define CEF_INCLUDE_CEF_PROCESS_MESSAGE_H_

#include "include/cef_base.h"

class CefProcessMessage : public virtual CefBase {};

#endif  // CEF_INCLUDE_CEF_PROCESS_MESSAGE_H_
