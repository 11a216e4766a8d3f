#include "DialogBuilder.h"

#include <QFile>
#include <QFileInfo>

#include "DuiLog.h"
#include "LayoutReader.h"
#include "PaintManagerUI.h"
#include "QtText.h"

namespace DuiLib {

CControlUI* CDialogBuilder::Create(LPCTSTR pstrFile, IDialogBuilderCallback* pCallback, CPaintManagerUI* pManager)
{
    QString path = ToQString(pstrFile);
    if (!QFileInfo(path).isAbsolute())
        path = ToQString(CPaintManagerUI::GetResourcePath()) + path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        DuiLog(QStringLiteral("cannot open layout %1: %2").arg(path, file.errorString()));
        return nullptr;
    }
    if (pManager)
        pManager->SetLayoutFolder(FromQString(QFileInfo(path).absolutePath()));
    LayoutReader reader(path, pCallback, pManager);
    return reader.Read(file.readAll());
}

CControlUI* CDialogBuilder::CreateFromText(LPCTSTR pstrXml, LPCTSTR pstrSourceName, IDialogBuilderCallback* pCallback,
                                           CPaintManagerUI* pManager)
{
    LayoutReader reader(ToQString(pstrSourceName), pCallback, pManager);
    return reader.Read(ToQString(pstrXml).toUtf8());
}

}  // namespace DuiLib
