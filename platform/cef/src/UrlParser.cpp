// Address parsing over QUrl; pure functions, any thread.
#include <QUrl>

#include "include/cef_parser.h"
#include "Utf.h"

namespace {

void Put(cef_string_t* target, const QString& text) { CefString{target} = cefport::FromQString(text); }

QString Origin(const QUrl& url) {
  if (url.host().isEmpty()) return QString();
  return url.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment | QUrl::RemoveUserInfo)
             .toString(QUrl::FullyEncoded) + QLatin1Char('/');
}

}  // namespace

bool CefParseURL(const CefString& url, CefURLParts& parts) {
  const QUrl parsed(cefport::ToQString(url), QUrl::StrictMode);
  if (!parsed.isValid() || parsed.isRelative()) return false;
  Put(&parts.spec, parsed.toString(QUrl::FullyEncoded));
  Put(&parts.scheme, parsed.scheme().toLower());
  Put(&parts.username, parsed.userName(QUrl::FullyEncoded));
  Put(&parts.password, parsed.password(QUrl::FullyEncoded));
  Put(&parts.host, parsed.host(QUrl::FullyEncoded));
  Put(&parts.port, parsed.port() < 0 ? QString() : QString::number(parsed.port()));
  Put(&parts.origin, Origin(parsed));
  Put(&parts.path, parsed.path(QUrl::FullyEncoded));
  Put(&parts.query, parsed.query(QUrl::FullyEncoded));
  return true;
}
