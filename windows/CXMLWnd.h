// Base of every skinned window of the program; created, driven and destroyed on the main
// thread. The window object is owned by whoever opened it.
#pragma once

#include "UIlib.h"

using namespace DuiLib;

class CXMLWnd : public WindowImplBase {
public:
    explicit CXMLWnd(LPCTSTR pszXMLName);
    ~CXMLWnd() override;

    LPCTSTR GetWindowClassName() const override;
    CDuiString GetSkinFile() override;
    CDuiString GetSkinFolder() override;

protected:
    CDuiString m_strLayoutFile;
};
