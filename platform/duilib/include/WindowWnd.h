// CWindowWnd: a C++ object bound to one native window, receiving its messages through a virtual
// HandleMessage; GUI thread only. The object outlives its window: OnFinalMessage is the window's last word,
// and destroying the object first destroys a window that is still open.
#pragma once

#include "DuiString.h"

namespace DuiLib {

class CWindowWnd {
public:
    CWindowWnd() = default;
    virtual ~CWindowWnd();
    CWindowWnd(const CWindowWnd&) = delete;
    CWindowWnd& operator=(const CWindowWnd&) = delete;

    HWND GetHWND() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    HWND Create(HWND hwndParent, LPCTSTR pstrName, DWORD dwStyle, DWORD dwExStyle, int x = CW_USEDEFAULT,
                int y = CW_USEDEFAULT, int cx = CW_USEDEFAULT, int cy = CW_USEDEFAULT, HMENU hMenu = nullptr);
    void ShowWindow(bool bShow = true, bool bTakeFocus = true);
    // Serves every window of the thread until this one is gone or WM_QUIT arrives (which is posted again for
    // outer loops). Returns the code given to Close, or the quit code.
    UINT ShowModal();
    void Close(UINT nRet = IDOK);
    void CenterWindow();
    void ResizeClient(int cx = -1, int cy = -1);
    LRESULT SendMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT PostMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);

protected:
    virtual LPCTSTR GetWindowClassName() const = 0;
    // A system class to build on (its procedure gets what HandleMessage passes on); null for none.
    virtual LPCTSTR GetSuperClassName() const;
    virtual UINT GetClassStyle() const;
    virtual LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    virtual void OnFinalMessage(HWND hWnd);

    static LRESULT CALLBACK __WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
    WNDPROC m_OldWndProc = nullptr;

private:
    bool RegisterWindowClass();
    bool RegisterSuperclass();
    static CWindowWnd* Attach(HWND hWnd, UINT uMsg, LPARAM lParam);
    void Detach(HWND hWnd);
};

}  // namespace DuiLib
