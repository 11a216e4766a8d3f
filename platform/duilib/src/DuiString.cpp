#include "DuiString.h"

#include <cwchar>
#include <cwctype>

namespace DuiLib {

namespace {

LPCTSTR OrEmpty(LPCTSTR text) { return text ? text : L""; }

}  // namespace

CDuiString::CDuiString(LPCTSTR text, int length)
{
    if (!text)
        return;
    if (length < 0)
        m_text.assign(text);
    else
        m_text.assign(text, wcsnlen(text, static_cast<size_t>(length)));
}

CDuiString& CDuiString::operator=(LPCTSTR text)
{
    m_text.assign(OrEmpty(text));
    return *this;
}

int CDuiString::Compare(LPCTSTR text) const { return wcscmp(m_text.c_str(), OrEmpty(text)); }

int CDuiString::CompareNoCase(LPCTSTR text) const { return wcscasecmp(m_text.c_str(), OrEmpty(text)); }

int CDuiString::Find(LPCTSTR text, int start) const
{
    if (start < 0 || start > GetLength())
        return -1;
    const size_t pos = m_text.find(OrEmpty(text), static_cast<size_t>(start));
    return pos == std::wstring::npos ? -1 : static_cast<int>(pos);
}

CDuiString CDuiString::Left(int length) const { return Mid(0, length); }

CDuiString CDuiString::Mid(int start, int length) const
{
    if (start < 0 || start >= GetLength())
        return CDuiString();
    const size_t count = length < 0 ? std::wstring::npos : static_cast<size_t>(length);
    const std::wstring part = m_text.substr(static_cast<size_t>(start), count);
    return CDuiString(part.c_str(), static_cast<int>(part.size()));
}

CDuiString CDuiString::Right(int length) const
{
    if (length <= 0)
        return CDuiString();
    const int start = GetLength() > length ? GetLength() - length : 0;
    return Mid(start);
}

CDuiString& CDuiString::operator+=(LPCTSTR text)
{
    m_text.append(OrEmpty(text));
    return *this;
}

CDuiString& CDuiString::operator+=(const CDuiString& text)
{
    m_text.append(text.m_text);
    return *this;
}

CDuiString& CDuiString::operator+=(WCHAR ch)
{
    m_text.push_back(ch);
    return *this;
}

CDuiString operator+(const CDuiString& left, const CDuiString& right)
{
    CDuiString result(left);
    result += right;
    return result;
}

CDuiString operator+(const CDuiString& left, LPCTSTR right)
{
    CDuiString result(left);
    result += right;
    return result;
}

CDuiString operator+(LPCTSTR left, const CDuiString& right)
{
    CDuiString result(left);
    result += right;
    return result;
}

}  // namespace DuiLib
