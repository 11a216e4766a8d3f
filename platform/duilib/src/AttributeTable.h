// A class's layout attributes as a table of name -> setter; the tables are static constants, any thread.
#pragma once

#include <cwchar>
#include <cstddef>
#include <windows.h>

namespace DuiLib {

template <class T>
struct AttributeEntry {
    LPCTSTR name;
    void (*set)(T& target, LPCTSTR name, LPCTSTR value);
};

// False when the table has no such name, so the caller can try its base class.
template <class T, size_t N>
bool ApplyFromTable(const AttributeEntry<T> (&table)[N], T& target, LPCTSTR name, LPCTSTR value)
{
    for (const AttributeEntry<T>& entry : table) {
        if (wcscmp(entry.name, name) == 0) {
            entry.set(target, name, value);
            return true;
        }
    }
    return false;
}

}  // namespace DuiLib
