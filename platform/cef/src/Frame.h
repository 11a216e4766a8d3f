// A frame handed to the program; window thread only. A frame object holds
// its browser alive; the main frame forwards to the browser's page, a
// sub-frame object describes the one navigation it was made for.
#pragma once

#include "include/cef_browser.h"
#include "include/cef_frame.h"

namespace cefport {

class Browser;

class Frame : public CefFrame {
 public:
  static constexpr int64_t kMainFrameId = 1;

  static CefRefPtr<Frame> Main(CefRefPtr<Browser> browser);
  static CefRefPtr<Frame> Sub(CefRefPtr<Browser> browser, const CefString& url);

  bool IsValid() override;
  bool IsMain() override { return main_; }
  bool IsFocused() override { return main_; }
  CefString GetName() override { return CefString(); }
  int64_t GetIdentifier() override { return id_; }
  CefString GetURL() override;
  CefRefPtr<CefBrowser> GetBrowser() override;
  void LoadURL(const CefString& url) override;
  void LoadString(const CefString& string_val, const CefString& url) override;
  void ExecuteJavaScript(const CefString& code, const CefString& script_url, int start_line) override;

 private:
  Frame(CefRefPtr<Browser> browser, bool main, const CefString& url, int64_t id);
  bool RefuseSubFrame(const char* call) const;

  CefRefPtr<Browser> browser_;
  bool main_;
  CefString url_;
  int64_t id_;

  IMPLEMENT_REFCOUNTING(Frame);
};

}  // namespace cefport
