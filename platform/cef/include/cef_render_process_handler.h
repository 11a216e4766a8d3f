// Used on the window thread, shared through CefRefPtr. Renderer-process hooks; renderer code of this port runs none, so it carries no members.
#ifndef CEF_INCLUDE_CEF_RENDER_PROCESS_HANDLER_H_
#define CEF_INCLUDE_CEF_RENDER_PROCESS_HANDLER_H_

#include "include/cef_base.h"

class CefRenderProcessHandler : public virtual CefBase {};

#endif  // CEF_INCLUDE_CEF_RENDER_PROCESS_HANDLER_H_
