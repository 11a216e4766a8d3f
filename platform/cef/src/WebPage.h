// The engine page behind one browser; window thread only. The browser's view
// owns it (Qt parent) and the browser installs the navigation callback.
#pragma once

#include <QWebEnginePage>
#include <functional>

namespace cefport {

class WebPage : public QWebEnginePage {
 public:
  // Returns true to let the navigation go on.
  using NavigationCallback = std::function<bool(const QUrl& url, NavigationType type, bool isMainFrame)>;

  WebPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {}

  void SetNavigationCallback(NavigationCallback callback) { navigation_ = std::move(callback); }

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;

 private:
  NavigationCallback navigation_;
};

}  // namespace cefport
