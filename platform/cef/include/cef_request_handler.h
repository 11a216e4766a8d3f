// Navigation hooks of a browser, called on the window thread; the client
// owns the handler.
#ifndef CEF_INCLUDE_CEF_REQUEST_HANDLER_H_
#define CEF_INCLUDE_CEF_REQUEST_HANDLER_H_

#include "include/cef_base.h"
#include "include/cef_browser.h"
#include "include/cef_frame.h"
#include "include/cef_request.h"

class CefRequestHandler : public virtual CefBase {
 public:
  // Called for every navigation of every frame, redirect targets included
  // (is_redirect). Return true to cancel the navigation. A document the
  // program shows with CefFrame::LoadString is not a navigation to its
  // address and is not reported (frames inside it are).
  virtual bool OnBeforeBrowse(CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> /*frame*/,
                              CefRefPtr<CefRequest> /*request*/, bool /*is_redirect*/) {
    return false;
  }
};

#endif  // CEF_INCLUDE_CEF_REQUEST_HANDLER_H_
