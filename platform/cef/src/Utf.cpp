// Text conversions at the Qt edge of the engine layer; pure functions, any thread.
#include "Utf.h"

#include <QString>

namespace cefport {

std::wstring WideFromUtf8(const std::string& utf8) { return QString::fromStdString(utf8).toStdWString(); }

std::string Utf8FromWide(const std::wstring& wide) { return QString::fromStdWString(wide).toStdString(); }

QString ToQString(const CefString& text) { return QString::fromWCharArray(text.c_str(), qsizetype(text.length())); }

CefString FromQString(const QString& text) { return CefString(text.toStdWString()); }

}  // namespace cefport
