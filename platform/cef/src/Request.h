// One navigation request handed to OnBeforeBrowse; window thread, shared
// through CefRefPtr and read-only.
#pragma once

#include "include/cef_request.h"

namespace cefport {

class Request : public CefRequest {
 public:
  explicit Request(const CefString& url) : url_(url) {}

  bool IsReadOnly() override { return true; }
  CefString GetURL() override { return url_; }
  CefString GetMethod() override { return L"GET"; }

 private:
  CefString url_;

  IMPLEMENT_REFCOUNTING(Request);
};

}  // namespace cefport
