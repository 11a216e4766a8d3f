// Display notifications of a browser, called on the window thread; the
// client owns the handler.
#ifndef CEF_INCLUDE_CEF_DISPLAY_HANDLER_H_
#define CEF_INCLUDE_CEF_DISPLAY_HANDLER_H_

#include "include/cef_base.h"
#include "include/cef_browser.h"
#include "include/cef_frame.h"

class CefDisplayHandler : public virtual CefBase {
 public:
  virtual void OnAddressChange(CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> /*frame*/,
                               const CefString& /*url*/) {}
  virtual void OnTitleChange(CefRefPtr<CefBrowser> /*browser*/, const CefString& /*title*/) {}
};

#endif  // CEF_INCLUDE_CEF_DISPLAY_HANDLER_H_
