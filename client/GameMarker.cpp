#include "client/GameMarker.h"

namespace {

const wchar_t* const kGameMarkers[] = {L"client=2", L"client=3"};

}  // namespace

bool ContainsGameMarker(const std::wstring& address)
{
    for (const wchar_t* marker : kGameMarkers) {
        if (address.find(marker) != std::wstring::npos)
            return true;
    }
    return false;
}
