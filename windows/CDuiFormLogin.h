// The start window, hub of the window flow; lives on the main thread for the whole run and
// is deleted by the entry function. It owns the login page window object.
#pragma once

#include "windows/CXMLWnd.h"

class CDuiFormLoginBrowser;

class CDuiFormLogin : public CXMLWnd {
public:
    explicit CDuiFormLogin(LPCTSTR pszXMLName);
    ~CDuiFormLogin() override;

    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void InitWindow() override;
    void OnClick(TNotifyUI& msg) override;

    DUI_DECLARE_MESSAGE_MAP()

private:
    void OpenLoginBrowser();
    void PlaceLoginBrowser();

    CDuiFormLoginBrowser* m_pLoginBrowser = nullptr;
};
