// Decides what happens to one pop-up request of a browser; window thread only.
#include "PopupOpener.h"

#include <QWebEngineNewWindowRequest>
#include <cstdio>
#include <map>

#include "Browser.h"
#include "Engine.h"
#include "Frame.h"
#include "Utf.h"

namespace cefport {

namespace {

cef_window_open_disposition_t Disposition(QWebEngineNewWindowRequest::DestinationType type) {
  static const std::map<QWebEngineNewWindowRequest::DestinationType, cef_window_open_disposition_t> kMap{
      {QWebEngineNewWindowRequest::InNewWindow, WOD_NEW_WINDOW},
      {QWebEngineNewWindowRequest::InNewTab, WOD_NEW_FOREGROUND_TAB},
      {QWebEngineNewWindowRequest::InNewDialog, WOD_NEW_POPUP},
      {QWebEngineNewWindowRequest::InNewBackgroundTab, WOD_NEW_BACKGROUND_TAB},
  };
  const auto it = kMap.find(type);
  return it == kMap.end() ? WOD_UNKNOWN : it->second;
}

CefPopupFeatures Features(const QRect& geometry) {
  CefPopupFeatures features;
  features.x = geometry.x();
  features.y = geometry.y();
  features.width = geometry.width();
  features.height = geometry.height();
  features.xSet = features.ySet = features.widthSet = features.heightSet = geometry.isValid();
  return features;
}

}  // namespace

void PopupOpener::Handle(QWebEngineNewWindowRequest& request) {
  CefRefPtr<CefLifeSpanHandler> handler = client_ ? client_->GetLifeSpanHandler() : nullptr;
  if (!handler) return;
  CefWindowInfo windowInfo;
  CefRefPtr<CefClient> popupClient = client_;
  CefBrowserSettings settings;
  bool noJavascriptAccess = false;
  const bool cancel = handler->OnBeforePopup(
      opener_.get(), Frame::Main(opener_), FromQString(request.requestedUrl().toString()), CefString(),
      Disposition(request.destination()), request.isUserInitiated(), Features(request.requestedGeometry()), windowInfo,
      popupClient, settings, &noJavascriptAccess);
  if (cancel) return;
  if (!windowInfo.parent_window) {
    std::fprintf(stderr, "cef: pop-up %s not opened: OnBeforePopup gave no parent window\n",
                 request.requestedUrl().toString().toUtf8().constData());
    return;
  }
  CefRefPtr<Browser> popup = Engine::Instance().CreateBrowser(windowInfo, popupClient, settings, opener_->GetWindowHandle());
  if (!popup) return;
  request.openIn(popup->Page());
  popup->Start(QUrl());
}

}  // namespace cefport
