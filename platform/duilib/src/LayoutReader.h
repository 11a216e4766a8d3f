// LayoutReader: turns the XML of one layout into a control tree; GUI thread, one reader per layout read.
// The caller owns the returned tree; the callback and manager are borrowed.
#pragma once

#include <QString>
#include <QXmlStreamReader>

#include "IDialogBuilderCallback.h"

namespace DuiLib {

class CControlUI;
class CContainerUI;
class CPaintManagerUI;

class LayoutReader {
public:
    LayoutReader(const QString& sourceName, IDialogBuilderCallback* pCallback, CPaintManagerUI* pManager);
    // Null, with one line naming the source and line, when the text is not a well-formed layout.
    CControlUI* Read(const QByteArray& text);

private:
    bool ReadWindow();
    CControlUI* ReadRoot();
    CControlUI* ReadControl();
    CControlUI* MakeControl(LPCTSTR pstrClass);
    void ReadChildren(CControlUI* pControl);
    void ApplyWindowAttribute(const QString& name, const QString& value);
    void Report(const QString& what);

    QString m_sourceName;
    IDialogBuilderCallback* m_pCallback;
    CPaintManagerUI* m_pManager;
    QXmlStreamReader m_xml;
};

}  // namespace DuiLib
