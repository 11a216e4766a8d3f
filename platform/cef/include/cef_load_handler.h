// Load notifications of a browser, called on the window thread; the client
// owns the handler.
//
// Known limits of the engine (Qt WebEngine 6.4): only main-frame load errors
// are reported, failed loads of sub-frames never are; and a navigation that a
// newer one replaces before it got an answer reports nothing (a navigation
// cancelled in OnBeforeBrowse or by StopLoad reports ERR_ABORTED). Documents
// shown with CefFrame::LoadString never report errors.
#ifndef CEF_INCLUDE_CEF_LOAD_HANDLER_H_
#define CEF_INCLUDE_CEF_LOAD_HANDLER_H_

#include "include/cef_base.h"
#include "include/cef_browser.h"
#include "include/cef_frame.h"

class CefLoadHandler : public virtual CefBase {
 public:
  typedef cef_errorcode_t ErrorCode;

  virtual void OnLoadingStateChange(CefRefPtr<CefBrowser> /*browser*/, bool /*isLoading*/, bool /*canGoBack*/,
                                    bool /*canGoForward*/) {}
  virtual void OnLoadStart(CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> /*frame*/) {}
  virtual void OnLoadEnd(CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> /*frame*/,
                         int /*httpStatusCode*/) {}
  // errorCode is Chromium's negative network error code, errorText its name
  // (e.g. "net::ERR_NAME_NOT_RESOLVED").
  virtual void OnLoadError(CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> /*frame*/,
                           ErrorCode /*errorCode*/, const CefString& /*errorText*/,
                           const CefString& /*failedUrl*/) {}
};

#endif  // CEF_INCLUDE_CEF_LOAD_HANDLER_H_
