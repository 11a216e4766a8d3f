// A navigation request as seen by CefRequestHandler, on the window thread;
// the engine creates it for one callback and the callee may keep a reference.
#ifndef CEF_INCLUDE_CEF_REQUEST_H_
#define CEF_INCLUDE_CEF_REQUEST_H_

#include "include/cef_base.h"

class CefRequest : public virtual CefBase {
 public:
  virtual bool IsReadOnly() = 0;
  virtual CefString GetURL() = 0;
  virtual CefString GetMethod() = 0;
};

#endif  // CEF_INCLUDE_CEF_REQUEST_H_
