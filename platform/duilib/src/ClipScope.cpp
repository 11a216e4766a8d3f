#include "ClipScope.h"

#include <QPainter>

#include "RenderEngine.h"

namespace DuiLib {

ClipScope::ClipScope(HDC hDC, const RECT& rc)
    : m_painter(RenderEngine::Painter(hDC))
{
    if (!m_painter)
        return;
    m_painter->save();
    m_painter->setClipRect(QRect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top), Qt::IntersectClip);
}

ClipScope::~ClipScope()
{
    if (m_painter)
        m_painter->restore();
}

}  // namespace DuiLib
