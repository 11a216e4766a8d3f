#include "windows/CXMLWnd.h"

CXMLWnd::CXMLWnd(LPCTSTR pszXMLName)
    : m_strLayoutFile(pszXMLName)
{
}

CXMLWnd::~CXMLWnd() = default;

LPCTSTR CXMLWnd::GetWindowClassName() const
{
    return L"XMLWnd";
}

CDuiString CXMLWnd::GetSkinFile()
{
    return m_strLayoutFile;
}

// Layout files lie directly in the resource folder that start-up sets.
CDuiString CXMLWnd::GetSkinFolder()
{
    return L"";
}
