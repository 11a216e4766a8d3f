// A frame of a browser, used on the window thread; the browser owns its main
// frame, sub-frame objects describe one navigation each.
//
// LoadURL and LoadString are queued: called from inside a handler callback
// they take effect after the callback returns and win over the navigation
// then under way.
#ifndef CEF_INCLUDE_CEF_FRAME_H_
#define CEF_INCLUDE_CEF_FRAME_H_

#include <cstdint>

#include "include/cef_base.h"

class CefBrowser;

class CefFrame : public virtual CefBase {
 public:
  virtual bool IsValid() = 0;
  virtual bool IsMain() = 0;
  virtual bool IsFocused() = 0;
  virtual CefString GetName() = 0;
  virtual int64_t GetIdentifier() = 0;
  virtual CefString GetURL() = 0;
  virtual CefRefPtr<CefBrowser> GetBrowser() = 0;
  virtual void LoadURL(const CefString& url) = 0;
  // Shows `string_val` as an HTML document whose address is `url`.
  virtual void LoadString(const CefString& string_val, const CefString& url) = 0;
  virtual void ExecuteJavaScript(const CefString& code, const CefString& script_url, int start_line) = 0;
};

#endif  // CEF_INCLUDE_CEF_FRAME_H_
