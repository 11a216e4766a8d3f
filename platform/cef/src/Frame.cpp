// A frame handed to the program; window thread only.
#include "Frame.h"

#include <cstdio>

#include "Browser.h"

namespace cefport {

namespace {

int64_t NextSubFrameId() {
  static int64_t next = Frame::kMainFrameId;
  return ++next;
}

}  // namespace

CefRefPtr<Frame> Frame::Main(CefRefPtr<Browser> browser) {
  return new Frame(browser, true, CefString(), kMainFrameId);
}

CefRefPtr<Frame> Frame::Sub(CefRefPtr<Browser> browser, const CefString& url) {
  return new Frame(browser, false, url, NextSubFrameId());
}

Frame::Frame(CefRefPtr<Browser> browser, bool main, const CefString& url, int64_t id)
    : browser_(browser), main_(main), url_(url), id_(id) {}

bool Frame::IsValid() { return browser_->IsOpen(); }

CefString Frame::GetURL() { return main_ ? browser_->CurrentUrl() : url_; }

CefRefPtr<CefBrowser> Frame::GetBrowser() { return browser_.get(); }

// Only the main frame can be driven from here; a sub-frame call is refused aloud.
bool Frame::RefuseSubFrame(const char* call) const {
  if (main_) return false;
  std::fprintf(stderr, "cef: %s on a sub-frame is not supported (%s)\n", call, url_.ToString().c_str());
  return true;
}

void Frame::LoadURL(const CefString& url) {
  if (RefuseSubFrame("LoadURL")) return;
  browser_->PostLoad(url);
}

void Frame::LoadString(const CefString& string_val, const CefString& url) {
  if (RefuseSubFrame("LoadString")) return;
  browser_->PostLoadString(string_val, url);
}

void Frame::ExecuteJavaScript(const CefString& code, const CefString& /*script_url*/, int /*start_line*/) {
  if (RefuseSubFrame("ExecuteJavaScript")) return;
  browser_->RunJavaScript(code);
}

}  // namespace cefport
