// Used on the window thread, shared through CefRefPtr. Context menu hooks; the engine's own menu is used here, so it carries no members.
#ifndef CEF_INCLUDE_CEF_CONTEXT_MENU_HANDLER_H_
#define CEF_INCLUDE_CEF_CONTEXT_MENU_HANDLER_H_

#include "include/cef_base.h"

class CefContextMenuHandler : public virtual CefBase {};

#endif  // CEF_INCLUDE_CEF_CONTEXT_MENU_HANDLER_H_
