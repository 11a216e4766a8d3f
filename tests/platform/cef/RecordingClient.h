// A browser client that records every callback with its arguments; window
// thread only, shared through CefRefPtr. Tests steer its answers with hooks.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "include/cef_client.h"

class RecordingClient : public CefClient,
                        public CefDisplayHandler,
                        public CefLifeSpanHandler,
                        public CefLoadHandler,
                        public CefRequestHandler {
 public:
  struct Event {
    std::string kind;  // the callback's name, e.g. "OnBeforeBrowse"
    int browserId = 0;
    std::string url{};  // target, failed or new address
    std::string text{};  // title or error text
    int code = 0;      // error code
    bool flag = false; // is_redirect / user_gesture
    bool mainFrame = true;
    int depth = 0;     // callbacks of this client already running when it came
  };

  RecordingClient();
  ~RecordingClient() override;

  // Clients alive right now, to see that browsers let go of theirs.
  static int Alive();

  std::vector<Event> Events() const { return events_; }
  std::vector<Event> EventsOf(const std::string& kind) const;
  int Count(const std::string& kind) const { return static_cast<int>(EventsOf(kind).size()); }
  CefRefPtr<CefBrowser> Browser() const { return browser_; }
  std::vector<CefRefPtr<CefBrowser>> Browsers() const { return browsers_; }
  void Forget() { browser_ = nullptr, browsers_.clear(); }

  // Return true to cancel the navigation.
  std::function<bool(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, const std::string& url)> onBeforeBrowse;
  // Return true to suppress the pop-up; may fill windowInfo.
  std::function<bool(const std::string& url, CefWindowInfo& windowInfo)> onBeforePopup;
  std::function<bool(CefRefPtr<CefBrowser>)> onDoClose;
  std::function<void(CefRefPtr<CefBrowser>)> onAfterCreated;

  CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }
  CefRefPtr<CefRequestHandler> GetRequestHandler() override { return this; }

  void OnAddressChange(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& url) override;
  void OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) override;
  bool OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& target_url,
                     const CefString& target_frame_name, WindowOpenDisposition target_disposition, bool user_gesture,
                     const CefPopupFeatures& popupFeatures, CefWindowInfo& windowInfo, CefRefPtr<CefClient>& client,
                     CefBrowserSettings& settings, bool* no_javascript_access) override;
  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;
  bool DoClose(CefRefPtr<CefBrowser> browser) override;
  void OnBeforeClose(CefRefPtr<CefBrowser> browser) override;
  void OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, ErrorCode errorCode,
                   const CefString& errorText, const CefString& failedUrl) override;
  bool OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                      bool is_redirect) override;

 private:
  void Record(Event event, CefRefPtr<CefBrowser> browser);

  std::vector<Event> events_;
  CefRefPtr<CefBrowser> browser_;
  std::vector<CefRefPtr<CefBrowser>> browsers_;
  int depth_ = 0;

  IMPLEMENT_REFCOUNTING(RecordingClient);
};
