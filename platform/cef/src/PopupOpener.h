// Decides what happens to one pop-up request of a browser; window thread,
// lives for the one signal it handles and owns nothing.
#pragma once

#include "include/cef_client.h"

class QWebEngineNewWindowRequest;

namespace cefport {

class Browser;

class PopupOpener {
 public:
  PopupOpener(CefRefPtr<Browser> opener, CefRefPtr<CefClient> client) : opener_(opener), client_(client) {}

  // Asks OnBeforePopup; the pop-up opens only as a child browser of the
  // window the handler names in windowInfo.
  void Handle(QWebEngineNewWindowRequest& request);

 private:
  CefRefPtr<Browser> opener_;
  CefRefPtr<CefClient> client_;
};

}  // namespace cefport
