// One browser and its host side; window thread only.
#include "Browser.h"

#include <QMetaObject>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineView>
#include <cmath>
#include <cstdio>
#include <map>

#include "Engine.h"
#include "Frame.h"
#include "PageSettings.h"
#include "PopupOpener.h"
#include "Request.h"
#include "Utf.h"
#include "qt/QtBridge.h"

namespace cefport {

namespace {

int NextBrowserId() {
  static int next = 0;
  return ++next;
}

// The engine's zoom level is a power of 1.2, as in Chromium.
constexpr double kZoomBase = 1.2;

CefString ToCef(const QUrl& url) { return FromQString(url.toString()); }

}  // namespace

Browser::Browser(CefRefPtr<CefClient> client, bool popup, HWND opener)
    : client_(client), opener_(opener), id_(NextBrowserId()), popup_(popup) {}

bool Browser::Attach(QWebEngineProfile* profile, const CefWindowInfo& info, const CefBrowserSettings& settings) {
  auto* view = new QWebEngineView();
  auto* page = new WebPage(profile, view);
  ApplyBrowserSettings(settings, page->settings());
  view->setPage(page);
  const RECT rect{info.x, info.y, info.x + info.width, info.y + info.height};
  hwnd_ = win32qt::AdoptChildWidget(view, info.parent_window, info.style | WS_CHILD, rect);
  if (!hwnd_) {
    std::fprintf(stderr, "cef: browser window refused by its parent window %p\n", static_cast<void*>(info.parent_window));
    delete view;
    return false;
  }
  view_ = view;
  page_ = page;
  const CefString name(&info.window_name);
  if (!name.empty()) SetWindowTextW(hwnd_, name.c_str());
  Wire();
  return true;
}

void Browser::Wire() {
  page_->SetNavigationCallback(
      [this](const QUrl& url, QWebEnginePage::NavigationType type, bool main) { return OnNavigation(url, type, main); });
  QObject::connect(page_, &QWebEnginePage::loadingChanged, page_,
                   [this](const QWebEngineLoadingInfo& info) { OnLoadingChanged(info); });
  QObject::connect(page_, &QWebEnginePage::titleChanged, page_, [this](const QString& title) { OnTitleChanged(title); });
  QObject::connect(page_, &QWebEnginePage::urlChanged, page_, [this](const QUrl& url) { OnUrlChanged(url); });
  QObject::connect(page_, &QWebEnginePage::newWindowRequested, page_,
                   [this](QWebEngineNewWindowRequest& request) { PopupOpener(this, client_).Handle(request); });
  QObject::connect(view_, &QObject::destroyed, [this] { OnWindowDestroyed(); });
}

void Browser::Start(const QUrl& url) {
  CefRefPtr<Browser> self(this);
  QMetaObject::invokeMethod(
      page_,
      [self, url] {
        CefRefPtr<CefLifeSpanHandler> handler = self->client_ ? self->client_->GetLifeSpanHandler() : nullptr;
        if (handler) handler->OnAfterCreated(self.get());
        if (!url.isEmpty() && self->page_) self->page_->load(url);
      },
      Qt::QueuedConnection);
}

void Browser::Destroy() {
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  if (view_) delete view_.data();
}

CefString Browser::CurrentUrl() const { return page_ ? ToCef(page_->url()) : CefString(); }

bool Browser::RefuseClosed(const char* call) const {
  if (page_) return false;
  std::fprintf(stderr, "cef: %s on closed browser %d\n", call, id_);
  return true;
}

void Browser::PostLoad(const CefString& url) {
  if (RefuseClosed("LoadURL")) return;
  const QUrl target(ToQString(url));
  if (!target.isValid()) {
    std::fprintf(stderr, "cef: LoadURL with an invalid address: %s\n", url.ToString().c_str());
    return;
  }
  QMetaObject::invokeMethod(page_, [page = page_.data(), target] { page->load(target); }, Qt::QueuedConnection);
}

void Browser::PostLoadString(const CefString& html, const CefString& url) {
  if (RefuseClosed("LoadString")) return;
  const QUrl base(ToQString(url));
  const QString markup = ToQString(html);
  QMetaObject::invokeMethod(
      page_,
      [this, page = page_.data(), markup, base] {
        stringPending_ = true;
        page->setHtml(markup, base);
      },
      Qt::QueuedConnection);
}

void Browser::RunJavaScript(const CefString& code) {
  if (RefuseClosed("ExecuteJavaScript")) return;
  page_->runJavaScript(ToQString(code));
}

// The document of a LoadString call arrives as a data: navigation; it is the
// program's own content, not a visit to its address, so it is not reported.
bool Browser::OnNavigation(const QUrl& url, QWebEnginePage::NavigationType type, bool isMainFrame) {
  if (isMainFrame && stringPending_ && url.scheme() == QLatin1String("data")) {
    stringPending_ = false;
    return true;
  }
  CefRefPtr<CefRequestHandler> handler = client_ ? client_->GetRequestHandler() : nullptr;
  if (!handler) return true;
  CefRefPtr<Browser> self(this);
  const CefString address = ToCef(url);
  CefRefPtr<CefFrame> frame = isMainFrame ? Frame::Main(self) : Frame::Sub(self, address);
  const bool redirect = type == QWebEnginePage::NavigationTypeRedirect;
  return !handler->OnBeforeBrowse(this, frame, new Request(address), redirect);
}

void Browser::OnLoadingChanged(const QWebEngineLoadingInfo& info) {
  using Handler = void (Browser::*)(const QWebEngineLoadingInfo&);
  static const std::map<QWebEngineLoadingInfo::LoadStatus, Handler> kHandlers{
      {QWebEngineLoadingInfo::LoadStartedStatus, &Browser::OnLoadStarted},
      {QWebEngineLoadingInfo::LoadSucceededStatus, &Browser::OnLoadSucceeded},
      {QWebEngineLoadingInfo::LoadFailedStatus, &Browser::OnLoadFailed},
      {QWebEngineLoadingInfo::LoadStoppedStatus, &Browser::OnLoadFailed},
  };
  const auto it = kHandlers.find(info.status());
  if (it == kHandlers.end()) return;
  CefRefPtr<Browser> self(this);
  (this->*(it->second))(info);
  CefRefPtr<CefLoadHandler> handler = client_ ? client_->GetLoadHandler() : nullptr;
  if (handler) handler->OnLoadingStateChange(this, loading_, CanGoBack(), CanGoForward());
}

void Browser::OnLoadStarted(const QWebEngineLoadingInfo& info) {
  loading_ = true;
  showingString_ = info.url().scheme() == QLatin1String("data");
  CefRefPtr<CefLoadHandler> handler = client_ ? client_->GetLoadHandler() : nullptr;
  if (handler) handler->OnLoadStart(this, Frame::Main(this));
}

void Browser::OnLoadSucceeded(const QWebEngineLoadingInfo& info) {
  loading_ = false;
  const bool hasStatus = info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain;
  CefRefPtr<CefLoadHandler> handler = client_ ? client_->GetLoadHandler() : nullptr;
  if (handler) handler->OnLoadEnd(this, Frame::Main(this), hasStatus ? info.errorCode() : 200);
}

// Only network errors count: an HTTP status page is a successful load for the program.
void Browser::OnLoadFailed(const QWebEngineLoadingInfo& info) {
  loading_ = false;
  if (showingString_ || info.errorCode() >= 0) return;
  if (info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain) return;
  CefRefPtr<CefLoadHandler> handler = client_ ? client_->GetLoadHandler() : nullptr;
  if (!handler) return;
  handler->OnLoadError(this, Frame::Main(this), static_cast<cef_errorcode_t>(info.errorCode()),
                       FromQString(info.errorString()), ToCef(info.url()));
}

void Browser::OnTitleChanged(const QString& title) {
  CefRefPtr<CefDisplayHandler> handler = client_ ? client_->GetDisplayHandler() : nullptr;
  if (handler) handler->OnTitleChange(this, FromQString(title));
}

void Browser::OnUrlChanged(const QUrl& url) {
  CefRefPtr<CefDisplayHandler> handler = client_ ? client_->GetDisplayHandler() : nullptr;
  if (handler) handler->OnAddressChange(this, Frame::Main(this), ToCef(url));
}

bool Browser::AskDoClose() {
  closeAsked_ = true;
  CefRefPtr<CefLifeSpanHandler> handler = client_ ? client_->GetLifeSpanHandler() : nullptr;
  return handler && handler->DoClose(this);
}

void Browser::OnWindowDestroyed() {
  if (closed_) return;
  CefRefPtr<Browser> self(this);
  if (!closeAsked_) AskDoClose();
  closed_ = true;
  hwnd_ = nullptr;
  CefRefPtr<CefLifeSpanHandler> handler = client_ ? client_->GetLifeSpanHandler() : nullptr;
  if (handler) handler->OnBeforeClose(this);
  client_ = nullptr;
  Engine::Instance().Forget(this);
}

void Browser::CloseBrowser(bool /*force_close*/) {
  if (closed_ || closeAsked_) return;
  if (AskDoClose()) return;
  PostMessageW(GetAncestor(hwnd_, GA_ROOT), WM_CLOSE, 0, 0);
}

bool Browser::IsSame(CefRefPtr<CefBrowser> that) { return that && that->GetIdentifier() == id_; }

CefRefPtr<CefFrame> Browser::GetMainFrame() { return Frame::Main(this); }

bool Browser::CanGoBack() { return page_ && page_->history()->canGoBack(); }

bool Browser::CanGoForward() { return page_ && page_->history()->canGoForward(); }

void Browser::Trigger(QWebEnginePage::WebAction action, const char* call) {
  if (RefuseClosed(call)) return;
  page_->triggerAction(action);
}

void Browser::SetFocus(bool focus) {
  if (!focus || !view_) return;
  view_->setFocus();
}

double Browser::GetZoomLevel() { return page_ ? std::log(page_->zoomFactor()) / std::log(kZoomBase) : 0.0; }

void Browser::SetZoomLevel(double zoomLevel) {
  if (RefuseClosed("SetZoomLevel")) return;
  page_->setZoomFactor(std::pow(kZoomBase, zoomLevel));
}

}  // namespace cefport
