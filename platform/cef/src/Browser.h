// One browser (CefBrowser and its CefBrowserHost); window thread only. The
// host window owns the view (and the view its page); the engine's registry
// owns a reference to the browser until OnBeforeClose, and the browser owns
// a reference to its client until then.
#pragma once

#include <QPointer>
#include <QUrl>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>

#include "include/cef_browser.h"
#include "include/cef_client.h"
#include "WebPage.h"

class QWebEngineView;
class QWebEngineProfile;

namespace cefport {

class Browser : public CefBrowser, public CefBrowserHost {
 public:
  Browser(CefRefPtr<CefClient> client, bool popup, HWND opener);

  // Creates the view as a child window of info.parent_window; false (printed) when refused.
  bool Attach(QWebEngineProfile* profile, const CefWindowInfo& info, const CefBrowserSettings& settings);
  // Posts OnAfterCreated and then the load of `url` (none when empty).
  void Start(const QUrl& url);
  // Destroys the browser's window now (engine shutdown); the close callbacks follow.
  void Destroy();

  WebPage* Page() const { return page_; }
  bool IsOpen() const { return !closed_; }
  CefString CurrentUrl() const;
  void PostLoad(const CefString& url);
  void PostLoadString(const CefString& html, const CefString& url);
  void RunJavaScript(const CefString& code);

  CefRefPtr<CefBrowserHost> GetHost() override { return this; }
  bool CanGoBack() override;
  void GoBack() override { Trigger(QWebEnginePage::Back, "GoBack"); }
  bool CanGoForward() override;
  void GoForward() override { Trigger(QWebEnginePage::Forward, "GoForward"); }
  bool IsLoading() override { return loading_; }
  void Reload() override { Trigger(QWebEnginePage::Reload, "Reload"); }
  void StopLoad() override { Trigger(QWebEnginePage::Stop, "StopLoad"); }
  int GetIdentifier() override { return id_; }
  bool IsSame(CefRefPtr<CefBrowser> that) override;
  bool IsPopup() override { return popup_; }
  CefRefPtr<CefFrame> GetMainFrame() override;
  CefRefPtr<CefFrame> GetFocusedFrame() override { return GetMainFrame(); }

  CefRefPtr<CefBrowser> GetBrowser() override { return this; }
  void CloseBrowser(bool force_close) override;
  void SetFocus(bool focus) override;
  HWND GetWindowHandle() override { return hwnd_; }
  HWND GetOpenerWindowHandle() override { return opener_; }
  CefRefPtr<CefClient> GetClient() override { return client_; }
  double GetZoomLevel() override;
  void SetZoomLevel(double zoomLevel) override;

 private:
  void Wire();
  bool OnNavigation(const QUrl& url, QWebEnginePage::NavigationType type, bool isMainFrame);
  void OnLoadingChanged(const QWebEngineLoadingInfo& info);
  void OnLoadStarted(const QWebEngineLoadingInfo& info);
  void OnLoadSucceeded(const QWebEngineLoadingInfo& info);
  void OnLoadFailed(const QWebEngineLoadingInfo& info);
  void OnTitleChanged(const QString& title);
  void OnUrlChanged(const QUrl& url);
  void OnWindowDestroyed();
  bool AskDoClose();
  bool RefuseClosed(const char* call) const;
  void Trigger(QWebEnginePage::WebAction action, const char* call);

  CefRefPtr<CefClient> client_;
  QPointer<QWebEngineView> view_;
  QPointer<WebPage> page_;
  HWND hwnd_ = nullptr;
  HWND opener_;
  int id_;
  bool popup_;
  bool closeAsked_ = false;
  bool closed_ = false;
  bool loading_ = false;
  // The document in the main frame came from LoadString: its loads report no errors.
  bool showingString_ = false;
  // A LoadString document was handed to the page and its navigation is still to come.
  bool stringPending_ = false;

  IMPLEMENT_REFCOUNTING(Browser);
};

}  // namespace cefport
