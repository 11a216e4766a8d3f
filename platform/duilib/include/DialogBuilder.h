// CDialogBuilder: reads a layout file into a control tree; GUI thread only. The caller owns the returned tree
// (usually by handing it to CPaintManagerUI::AttachDialog).
#pragma once

#include "DuiString.h"
#include "IDialogBuilderCallback.h"

namespace DuiLib {

class CControlUI;
class CPaintManagerUI;

class CDialogBuilder {
public:
    // Reads resource path + pstrFile (an absolute path is taken as is). Window settings go to pManager when
    // given. Null, with one line naming the file (and line), when the file is missing or malformed.
    CControlUI* Create(LPCTSTR pstrFile, IDialogBuilderCallback* pCallback = nullptr,
                       CPaintManagerUI* pManager = nullptr);
    // The same from layout text held in memory; pstrSourceName names it in error lines.
    CControlUI* CreateFromText(LPCTSTR pstrXml, LPCTSTR pstrSourceName, IDialogBuilderCallback* pCallback = nullptr,
                               CPaintManagerUI* pManager = nullptr);
};

}  // namespace DuiLib
