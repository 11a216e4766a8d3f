// The library's one way to report a failure: a single warning line through Qt's message handler, so tests can
// capture it. Any thread.
#pragma once

#include <QDebug>
#include <QString>

namespace DuiLib {

inline void DuiLog(const QString& line) { qWarning().noquote() << "duilib:" << line; }

}  // namespace DuiLib
