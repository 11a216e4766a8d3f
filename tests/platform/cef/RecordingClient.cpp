// A browser client that records every callback; window thread only.
#include "RecordingClient.h"

namespace {

int g_alive = 0;

// Counts how deep callbacks nest, so a test sees work that ran re-entrantly.
class DepthScope {
 public:
  explicit DepthScope(int& depth) : depth_(depth) { ++depth_; }
  ~DepthScope() { --depth_; }

 private:
  int& depth_;
};

}  // namespace

RecordingClient::RecordingClient() { ++g_alive; }
RecordingClient::~RecordingClient() { --g_alive; }
int RecordingClient::Alive() { return g_alive; }

std::vector<RecordingClient::Event> RecordingClient::EventsOf(const std::string& kind) const {
  std::vector<Event> found;
  for (const Event& event : events_)
    if (event.kind == kind) found.push_back(event);
  return found;
}

void RecordingClient::Record(Event event, CefRefPtr<CefBrowser> browser) {
  event.browserId = browser ? browser->GetIdentifier() : 0;
  event.depth = depth_;
  events_.push_back(event);
}

void RecordingClient::OnAddressChange(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& url) {
  Record({.kind = "OnAddressChange", .url = url.ToString(), .mainFrame = frame->IsMain()}, browser);
}

void RecordingClient::OnTitleChange(CefRefPtr<CefBrowser> browser, const CefString& title) {
  Record({.kind = "OnTitleChange", .text = title.ToString()}, browser);
}

bool RecordingClient::OnBeforePopup(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> /*frame*/,
                                    const CefString& target_url, const CefString& /*target_frame_name*/,
                                    WindowOpenDisposition target_disposition, bool user_gesture,
                                    const CefPopupFeatures& /*popupFeatures*/, CefWindowInfo& windowInfo,
                                    CefRefPtr<CefClient>& /*client*/, CefBrowserSettings& /*settings*/,
                                    bool* /*no_javascript_access*/) {
  Record({.kind = "OnBeforePopup", .url = target_url.ToString(), .code = target_disposition, .flag = user_gesture},
         browser);
  DepthScope scope(depth_);
  return onBeforePopup ? onBeforePopup(target_url.ToString(), windowInfo) : true;
}

void RecordingClient::OnAfterCreated(CefRefPtr<CefBrowser> browser) {
  Record({.kind = "OnAfterCreated"}, browser);
  DepthScope scope(depth_);
  if (!browser_) browser_ = browser;
  browsers_.push_back(browser);
  if (onAfterCreated) onAfterCreated(browser);
}

bool RecordingClient::DoClose(CefRefPtr<CefBrowser> browser) {
  Record({.kind = "DoClose"}, browser);
  DepthScope scope(depth_);
  return onDoClose ? onDoClose(browser) : false;
}

void RecordingClient::OnBeforeClose(CefRefPtr<CefBrowser> browser) {
  Record({.kind = "OnBeforeClose"}, browser);
}

void RecordingClient::OnLoadError(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, ErrorCode errorCode,
                                  const CefString& errorText, const CefString& failedUrl) {
  Record({.kind = "OnLoadError",
          .url = failedUrl.ToString(),
          .text = errorText.ToString(),
          .code = errorCode,
          .mainFrame = frame->IsMain()},
         browser);
}

bool RecordingClient::OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame,
                                     CefRefPtr<CefRequest> request, bool is_redirect) {
  const std::string url = request->GetURL().ToString();
  Record({.kind = "OnBeforeBrowse", .url = url, .flag = is_redirect, .mainFrame = frame->IsMain()}, browser);
  DepthScope scope(depth_);
  return onBeforeBrowse ? onBeforeBrowse(browser, frame, url) : false;
}
