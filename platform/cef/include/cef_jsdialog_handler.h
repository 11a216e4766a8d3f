// Used on the window thread, shared through CefRefPtr. JavaScript dialog hooks; the engine shows its own dialogs here, so it carries no members.
#ifndef CEF_INCLUDE_CEF_JSDIALOG_HANDLER_H_
#define CEF_INCLUDE_CEF_JSDIALOG_HANDLER_H_

#include "include/cef_base.h"

class CefJSDialogHandler : public virtual CefBase {};

#endif  // CEF_INCLUDE_CEF_JSDIALOG_HANDLER_H_
