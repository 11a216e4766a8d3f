#include "AttributeValues.h"

#include <algorithm>
#include <iterator>

#include <QStringList>

#include "DuiLog.h"
#include "QtText.h"
#include "UIDefine.h"

namespace DuiLib {

namespace {

bool Fail(LPCTSTR name, LPCTSTR value)
{
    DuiLog(QStringLiteral("bad value '%1' for attribute '%2'").arg(ToQString(value), ToQString(name)));
    return false;
}

// Exactly `count` comma-separated integers.
bool ParseInts(LPCTSTR value, int count, int* out)
{
    const QStringList parts = ToQString(value).split(QLatin1Char(','));
    if (parts.size() != count)
        return false;
    for (int i = 0; i < count; ++i) {
        bool ok = false;
        out[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return false;
    }
    return true;
}

}  // namespace

bool ParseInt(LPCTSTR name, LPCTSTR value, int& out)
{
    int v = 0;
    if (!ParseInts(value, 1, &v))
        return Fail(name, value);
    out = v;
    return true;
}

bool ParseBool(LPCTSTR name, LPCTSTR value, bool& out)
{
    const QString text = ToQString(value).trimmed().toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        out = true;
    else if (text == QLatin1String("false") || text == QLatin1String("0"))
        out = false;
    else
        return Fail(name, value);
    return true;
}

bool ParseRect(LPCTSTR name, LPCTSTR value, RECT& out)
{
    int v[4] = {};
    if (!ParseInts(value, 4, v))
        return Fail(name, value);
    out = RECT{v[0], v[1], v[2], v[3]};
    return true;
}

bool ParseSize(LPCTSTR name, LPCTSTR value, SIZE& out)
{
    int v[2] = {};
    if (!ParseInts(value, 2, v))
        return Fail(name, value);
    out = SIZE{v[0], v[1]};
    return true;
}

bool ParseColor(LPCTSTR name, LPCTSTR value, DWORD& out)
{
    const QString text = ToQString(value).trimmed();
    const int digits = static_cast<int>(text.size()) - 1;
    if (!text.startsWith(QLatin1Char('#')) || (digits != 6 && digits != 8))
        return Fail(name, value);
    bool ok = false;
    const uint argb = text.mid(1).toUInt(&ok, 16);
    if (!ok)
        return Fail(name, value);
    out = digits == 6 ? (0xFF000000u | argb) : argb;
    return true;
}

bool ParseAlign(LPCTSTR name, LPCTSTR value, UINT& out)
{
    struct Word {
        const char* text;
        UINT flag;
    };
    static const Word kWords[] = {
        {"left", UIALIGN_LEFT},     {"center", UIALIGN_CENTER},   {"right", UIALIGN_RIGHT},
        {"top", UIALIGN_TOP},       {"vcenter", UIALIGN_VCENTER}, {"bottom", UIALIGN_BOTTOM},
        {"wordbreak", UIALIGN_WORDBREAK},
    };
    UINT flags = 0;
    for (const QString& part : ToQString(value).split(QLatin1Char(','))) {
        const QString word = part.trimmed().toLower();
        const auto match = std::find_if(std::begin(kWords), std::end(kWords),
                                        [&](const Word& w) { return word == QLatin1String(w.text); });
        if (match == std::end(kWords))
            return Fail(name, value);
        flags |= match->flag;
    }
    out = flags;
    return true;
}

bool ParseFont(LPCTSTR name, LPCTSTR value, int& size, bool& bold)
{
    const QStringList parts = ToQString(value).split(QLatin1Char(','));
    bool ok = false;
    const int px = parts.value(0).trimmed().toInt(&ok);
    const QString style = parts.value(1).trimmed().toLower();
    if (!ok || px <= 0 || parts.size() > 2 || (parts.size() == 2 && style != QLatin1String("bold")))
        return Fail(name, value);
    size = px;
    bold = parts.size() == 2;
    return true;
}

}  // namespace DuiLib
