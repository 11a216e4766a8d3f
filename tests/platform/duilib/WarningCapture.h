// WarningCapture: collects the Qt warning lines printed while it lives, so tests can check what the library
// reported. One at a time, on the test's thread.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class WarningCapture {
public:
    WarningCapture();
    ~WarningCapture();
    WarningCapture(const WarningCapture&) = delete;
    WarningCapture& operator=(const WarningCapture&) = delete;

    const QStringList& Lines() const;
    // Lines that contain every one of the given fragments.
    QStringList Matching(std::initializer_list<QString> fragments) const;
    void Clear();

private:
    static void Handler(QtMsgType type, const QMessageLogContext& context, const QString& message);
    QtMessageHandler m_previous;
};
