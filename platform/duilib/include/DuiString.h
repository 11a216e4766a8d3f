// CDuiString: a value-type wide string; no shared state, so any thread may use its own copies.
#pragma once

#include <string>
#include <windows.h>

namespace DuiLib {

class CDuiString {
public:
    CDuiString() = default;
    CDuiString(LPCTSTR text, int length = -1);
    CDuiString(const CDuiString&) = default;
    CDuiString(CDuiString&&) noexcept = default;
    CDuiString& operator=(const CDuiString&) = default;
    CDuiString& operator=(CDuiString&&) noexcept = default;
    CDuiString& operator=(LPCTSTR text);

    operator LPCTSTR() const { return m_text.c_str(); }
    LPCTSTR GetData() const { return m_text.c_str(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    WCHAR GetAt(int index) const { return m_text.at(static_cast<size_t>(index)); }

    // <0, 0 or >0 like wcscmp; a null pointer compares as the empty string.
    int Compare(LPCTSTR text) const;
    int CompareNoCase(LPCTSTR text) const;
    // Position of the first match at or after start, or -1.
    int Find(LPCTSTR text, int start = 0) const;
    CDuiString Left(int length) const;
    CDuiString Mid(int start, int length = -1) const;
    CDuiString Right(int length) const;

    CDuiString& operator+=(LPCTSTR text);
    CDuiString& operator+=(const CDuiString& text);
    CDuiString& operator+=(WCHAR ch);

    bool operator==(LPCTSTR text) const { return Compare(text) == 0; }
    bool operator!=(LPCTSTR text) const { return Compare(text) != 0; }
    bool operator==(const CDuiString& text) const { return m_text == text.m_text; }
    bool operator!=(const CDuiString& text) const { return m_text != text.m_text; }

private:
    std::wstring m_text;
};

CDuiString operator+(const CDuiString& left, const CDuiString& right);
CDuiString operator+(const CDuiString& left, LPCTSTR right);
CDuiString operator+(LPCTSTR left, const CDuiString& right);
// Keeps `L"x" == str` from silently comparing pointers.
inline bool operator==(LPCTSTR left, const CDuiString& right) { return right == left; }
inline bool operator!=(LPCTSTR left, const CDuiString& right) { return right != left; }

}  // namespace DuiLib
