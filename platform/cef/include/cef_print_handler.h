// Used on the window thread, shared through CefRefPtr. Printing hooks; this port never prints, so it carries no members.
#ifndef CEF_INCLUDE_CEF_PRINT_HANDLER_H_
#define CEF_INCLUDE_CEF_PRINT_HANDLER_H_

#include "include/cef_base.h"

class CefPrintHandler : public virtual CefBase {};

#endif  // CEF_INCLUDE_CEF_PRINT_HANDLER_H_
