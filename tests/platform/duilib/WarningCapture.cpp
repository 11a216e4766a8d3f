#include "WarningCapture.h"

namespace {

QStringList g_lines;

}  // namespace

WarningCapture::WarningCapture()
    : m_previous(qInstallMessageHandler(&WarningCapture::Handler))
{
    g_lines.clear();
}

WarningCapture::~WarningCapture() { qInstallMessageHandler(m_previous); }

const QStringList& WarningCapture::Lines() const { return g_lines; }

QStringList WarningCapture::Matching(std::initializer_list<QString> fragments) const
{
    QStringList found;
    for (const QString& line : g_lines) {
        bool all = true;
        for (const QString& fragment : fragments)
            all = all && line.contains(fragment);
        if (all)
            found << line;
    }
    return found;
}

void WarningCapture::Clear() { g_lines.clear(); }

void WarningCapture::Handler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg || type == QtCriticalMsg)
        g_lines << message;
}
