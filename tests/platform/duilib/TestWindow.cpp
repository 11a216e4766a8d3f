#include "TestWindow.h"

using namespace DuiLib;

TestWindow::TestWindow(std::wstring skinFile, std::wstring skinFolder)
    : m_skinFile(std::move(skinFile))
    , m_skinFolder(std::move(skinFolder))
{
}

void TestWindow::InitWindow()
{
    ++initCalls;
    initSawWindowAndLayout = IsWindow(m_hWnd) && m_PaintManager.GetRoot() != nullptr;
}

void TestWindow::OnClick(TNotifyUI& msg)
{
    clicks.push_back(msg.pSender->GetName().GetData());
    WindowImplBase::OnClick(msg);
}

// Counts without consuming: the library's own handling must still run.
LRESULT TestWindow::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM, BOOL& bHandled)
{
    bHandled = FALSE;
    paints += uMsg == WM_PAINT ? 1 : 0;
    buttonUps += uMsg == WM_LBUTTONUP ? 1 : 0;
    captionPresses += uMsg == WM_NCLBUTTONDOWN && wParam == HTCAPTION ? 1 : 0;
    if (uMsg == kDestroyMe) {
        bHandled = TRUE;
        DestroyWindow(m_hWnd);
    }
    return 0;
}

void TestWindow::OnFinalMessage(HWND) { ++finalMessages; }

LRESULT TestWindow::ResponseDefaultKeyEvent(WPARAM wParam)
{
    defaultKeys.push_back(wParam);
    return WindowImplBase::ResponseDefaultKeyEvent(wParam);
}

RECT TestWindow::ScreenRect(LPCTSTR name)
{
    m_PaintManager.UpdateLayout();
    RECT rc = m_PaintManager.FindControl(name)->GetPos();
    POINT origin{0, 0};
    ClientToScreen(m_hWnd, &origin);
    OffsetRect(&rc, origin.x, origin.y);
    return rc;
}
