// TestWindow: a skinned window that records what the library did to it, for tests on the GUI thread.
// The test owns the object; the native window is owned by the window layer.
#pragma once

#include <string>
#include <vector>

#include "UIlib.h"

class TestWindow : public DuiLib::WindowImplBase {
public:
    explicit TestWindow(std::wstring skinFile, std::wstring skinFolder = L"");

    LPCTSTR GetWindowClassName() const override { return L"DuiTestWindow"; }
    DuiLib::CDuiString GetSkinFile() override { return m_skinFile.c_str(); }
    DuiLib::CDuiString GetSkinFolder() override { return m_skinFolder.c_str(); }
    void InitWindow() override;
    void OnClick(DuiLib::TNotifyUI& msg) override;
    LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
    void OnFinalMessage(HWND hWnd) override;
    LRESULT ResponseDefaultKeyEvent(WPARAM wParam) override;

    DuiLib::CPaintManagerUI& Manager() { return m_PaintManager; }
    DuiLib::CControlUI* Control(LPCTSTR name) { return m_PaintManager.FindControl(name); }
    // The screen rectangle of a control.
    RECT ScreenRect(LPCTSTR name);

    // Posting this makes the window destroy itself from inside the message loop.
    static constexpr UINT kDestroyMe = WM_APP + 1;

    int initCalls = 0;
    bool initSawWindowAndLayout = false;
    int finalMessages = 0;
    int paints = 0;
    int buttonUps = 0;
    int captionPresses = 0;
    std::vector<std::wstring> clicks;
    std::vector<WPARAM> defaultKeys;

private:
    std::wstring m_skinFile;
    std::wstring m_skinFolder;
};
