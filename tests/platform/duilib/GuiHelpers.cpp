#include "GuiHelpers.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/ChildProcess.h"
#include "qt/QtBridge.h"
#include "support/Xdo.h"

QColor ScreenPixel(POINT pt)
{
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, pt.x, pt.y, 1, 1);
    return shot.toImage().pixelColor(0, 0);
}

bool MoveMouseTo(POINT pt) { return testsupport::Xdo::MoveMouse(pt.x, pt.y); }

bool LeftButton(const char* action) { return testsupport::RunCommand({"xdotool", action, "1"}).exitCode == 0; }

POINT CenterOf(const RECT& rc) { return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2}; }

bool Near(const QColor& actual, const QColor& expected, int tolerance)
{
    return std::abs(actual.red() - expected.red()) <= tolerance &&
           std::abs(actual.green() - expected.green()) <= tolerance &&
           std::abs(actual.blue() - expected.blue()) <= tolerance;
}

bool ManagedOrNoManager(HWND hwnd)
{
    const std::string clients = testsupport::Xdo::Run({"xprop", "-root", "_NET_CLIENT_LIST_STACKING"});
    if (clients.find('#') == std::string::npos)
        return true;
    const QWidget* widget = win32qt::WidgetFromHwnd(hwnd);
    if (!widget)
        return false;
    char id[32];
    std::snprintf(id, sizeof(id), "0x%llx", static_cast<unsigned long long>(widget->winId()));
    return clients.find(id) != std::string::npos;
}
