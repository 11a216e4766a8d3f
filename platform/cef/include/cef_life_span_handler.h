// Browser life-span notifications, called on the window thread; the client
// owns the handler.
//
// Pop-ups: with no life-span handler a pop-up is not opened at all (the port
// has no top-level browser windows of its own). OnBeforePopup returning true
// suppresses the pop-up; returning false opens it as a child browser of the
// window the handler put into windowInfo (SetAsChild), with the client it put
// into `client` - when it gave no parent window the pop-up is not opened and
// a line says so.
#ifndef CEF_INCLUDE_CEF_LIFE_SPAN_HANDLER_H_
#define CEF_INCLUDE_CEF_LIFE_SPAN_HANDLER_H_

#include "include/cef_base.h"
#include "include/cef_browser.h"
#include "include/cef_frame.h"

class CefClient;

class CefLifeSpanHandler : public virtual CefBase {
 public:
  typedef cef_window_open_disposition_t WindowOpenDisposition;

  virtual bool OnBeforePopup(CefRefPtr<CefBrowser> /*browser*/, CefRefPtr<CefFrame> /*frame*/,
                             const CefString& /*target_url*/, const CefString& /*target_frame_name*/,
                             WindowOpenDisposition /*target_disposition*/, bool /*user_gesture*/,
                             const CefPopupFeatures& /*popupFeatures*/, CefWindowInfo& /*windowInfo*/,
                             CefRefPtr<CefClient>& /*client*/, CefBrowserSettings& /*settings*/,
                             bool* /*no_javascript_access*/) {
    return false;
  }
  virtual void OnAfterCreated(CefRefPtr<CefBrowser> /*browser*/) {}
  // Return true when the program closes the browser's window itself; false
  // sends WM_CLOSE to the top-level window. Also called, without effect, when
  // the browser's window is destroyed under it.
  virtual bool DoClose(CefRefPtr<CefBrowser> /*browser*/) { return false; }
  // The last call for a browser; the browser lets go of its client after it.
  virtual void OnBeforeClose(CefRefPtr<CefBrowser> /*browser*/) {}
};

#endif  // CEF_INCLUDE_CEF_LIFE_SPAN_HANDLER_H_
