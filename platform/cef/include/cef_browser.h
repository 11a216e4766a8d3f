// A browser and its host side, used on the window thread. A browser is a
// child window of the window given in CefWindowInfo and dies with it; the
// browser keeps its client alive until OnBeforeClose has run.
#ifndef CEF_INCLUDE_CEF_BROWSER_H_
#define CEF_INCLUDE_CEF_BROWSER_H_

#include <vector>

#include "include/cef_base.h"
#include "include/cef_frame.h"
#include "include/cef_request_context.h"

class CefBrowserHost;
class CefClient;

class CefBrowser : public virtual CefBase {
 public:
  virtual CefRefPtr<CefBrowserHost> GetHost() = 0;
  virtual bool CanGoBack() = 0;
  virtual void GoBack() = 0;
  virtual bool CanGoForward() = 0;
  virtual void GoForward() = 0;
  virtual bool IsLoading() = 0;
  virtual void Reload() = 0;
  virtual void StopLoad() = 0;
  // Unique among the browsers of this process, never 0.
  virtual int GetIdentifier() = 0;
  virtual bool IsSame(CefRefPtr<CefBrowser> that) = 0;
  virtual bool IsPopup() = 0;
  virtual CefRefPtr<CefFrame> GetMainFrame() = 0;
  virtual CefRefPtr<CefFrame> GetFocusedFrame() = 0;
};

class CefBrowserHost : public virtual CefBase {
 public:
  // Starts a browser as a child window of windowInfo.parent_window that loads
  // `url`. Asynchronous: the client's OnAfterCreated follows from the message
  // loop. False (with a printed line) when the engine is not running or the
  // window info names no parent window.
  static bool CreateBrowser(const CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefString& url,
                            const CefBrowserSettings& settings, CefRefPtr<CefRequestContext> request_context);

  virtual CefRefPtr<CefBrowser> GetBrowser() = 0;
  // Asks the client's DoClose; when it returns false the browser's top-level
  // window gets WM_CLOSE, and the browser closes when that window is destroyed.
  virtual void CloseBrowser(bool force_close) = 0;
  virtual void SetFocus(bool focus) = 0;
  // The browser's own child window (0 once it is destroyed).
  virtual HWND GetWindowHandle() = 0;
  virtual HWND GetOpenerWindowHandle() = 0;
  virtual CefRefPtr<CefClient> GetClient() = 0;
  virtual double GetZoomLevel() = 0;
  virtual void SetZoomLevel(double zoomLevel) = 0;
};

#endif  // CEF_INCLUDE_CEF_BROWSER_H_
