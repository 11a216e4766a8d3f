// The engine page behind one browser; window thread only.
#include "WebPage.h"

namespace cefport {

bool WebPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
  if (!navigation_) return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
  return navigation_(url, type, isMainFrame);
}

}  // namespace cefport
