#include "RenderEngine.h"

#include <QFont>
#include <QPainter>

#include "DuiLog.h"
#include "ImageCache.h"
#include "QtText.h"
#include "UIDefine.h"
#include "qt/QtBridge.h"

namespace DuiLib {

namespace {

QRect ToQRect(const RECT& rc) { return QRect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top); }

QColor ToQColor(DWORD argb) { return QColor::fromRgba(argb); }

int QtAlignment(UINT uAlign)
{
    struct Mapping {
        UINT ours;
        int qt;
    };
    static const Mapping kMappings[] = {
        {UIALIGN_LEFT, Qt::AlignLeft},       {UIALIGN_CENTER, Qt::AlignHCenter}, {UIALIGN_RIGHT, Qt::AlignRight},
        {UIALIGN_TOP, Qt::AlignTop},         {UIALIGN_VCENTER, Qt::AlignVCenter}, {UIALIGN_BOTTOM, Qt::AlignBottom},
        {UIALIGN_WORDBREAK, Qt::TextWordWrap},
    };
    int flags = 0;
    for (const Mapping& m : kMappings) {
        if (uAlign & m.ours)
            flags |= m.qt;
    }
    return flags;
}

}  // namespace

QPainter* RenderEngine::Painter(HDC hDC)
{
    QPainter* painter = win32qt::PainterFromHdc(hDC);
    if (!painter)
        DuiLog(QStringLiteral("paint without a painter: the HDC does not come from BeginPaint"));
    return painter;
}

void RenderEngine::FillColor(HDC hDC, const RECT& rc, DWORD dwColor)
{
    QPainter* painter = Painter(hDC);
    if (!painter || dwColor == 0)
        return;
    painter->fillRect(ToQRect(rc), ToQColor(dwColor));
}

void RenderEngine::DrawImage(HDC hDC, const RECT& rc, const QString& path)
{
    QPainter* painter = Painter(hDC);
    if (!painter)
        return;
    const QImage& image = ImageCache::Get(path);
    if (image.isNull())
        return;
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(ToQRect(rc), image);
    painter->restore();
}

void RenderEngine::DrawBorder(HDC hDC, const RECT& rc, DWORD dwColor, int nSize)
{
    QPainter* painter = Painter(hDC);
    if (!painter || dwColor == 0 || nSize <= 0)
        return;
    const QRect outer = ToQRect(rc);
    const QColor color = ToQColor(dwColor);
    painter->fillRect(QRect(outer.left(), outer.top(), outer.width(), nSize), color);
    painter->fillRect(QRect(outer.left(), outer.bottom() + 1 - nSize, outer.width(), nSize), color);
    painter->fillRect(QRect(outer.left(), outer.top(), nSize, outer.height()), color);
    painter->fillRect(QRect(outer.right() + 1 - nSize, outer.top(), nSize, outer.height()), color);
}

void RenderEngine::DrawText(HDC hDC, const RECT& rc, const CDuiString& text, const TextStyle& style)
{
    QPainter* painter = Painter(hDC);
    if (!painter || text.IsEmpty())
        return;
    QFont font = painter->font();
    font.setPixelSize(style.nPixelSize);
    font.setBold(style.bBold);
    painter->save();
    painter->setFont(font);
    painter->setPen(ToQColor(style.dwColor));
    painter->drawText(ToQRect(rc), QtAlignment(style.uAlign), ToQString(text));
    painter->restore();
}

}  // namespace DuiLib
