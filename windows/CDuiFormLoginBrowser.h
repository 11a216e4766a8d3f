// The login page window: an owned skinned window holding the login browser, on the main
// thread. The start window opens, moves and owns it; the browser belongs to g_handler's list.
#pragma once

#include "windows/CXMLWnd.h"

class CDuiFormLoginBrowser : public CXMLWnd {
public:
    explicit CDuiFormLoginBrowser(LPCTSTR pszXMLName);
    ~CDuiFormLoginBrowser() override;

    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void InitWindow() override;

    DUI_DECLARE_MESSAGE_MAP()
};
