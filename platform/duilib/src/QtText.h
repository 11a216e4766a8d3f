// Conversions between the library's wide strings and Qt's strings; pure functions, any thread.
#pragma once

#include <QString>

#include "DuiString.h"

namespace DuiLib {

inline QString ToQString(LPCTSTR text) { return text ? QString::fromWCharArray(text) : QString(); }

inline CDuiString FromQString(const QString& text)
{
    const std::wstring wide = text.toStdWString();
    return CDuiString(wide.c_str(), static_cast<int>(wide.size()));
}

}  // namespace DuiLib
