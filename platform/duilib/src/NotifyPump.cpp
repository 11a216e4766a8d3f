#include "NotifyPump.h"

#include "ControlUI.h"

namespace DuiLib {

const DUI_MSGMAP CNotifyPump::messageMap = {nullptr, &CNotifyPump::_GetMessageEntries,
                                            &CNotifyPump::_InvokeMessageHandler};

const DUI_MSGMAP* CNotifyPump::GetMessageMap() const { return &CNotifyPump::messageMap; }

void CNotifyPump::_InvokeMessageHandler(CNotifyPump* pPump, DUI_PMSG pfn, TNotifyUI& msg)
{
    (pPump->*pfn)(msg);
}

const DUI_MSGMAP_ENTRY* CNotifyPump::_GetMessageEntries()
{
    static const DUI_MSGMAP_ENTRY entries[] = {{L"", L"", DuiSig_end, nullptr}};
    return entries;
}

// The most derived map is searched first; an entry naming a control wins only for that control.
bool CNotifyPump::LoopDispatch(TNotifyUI& msg)
{
    const CDuiString senderName = msg.pSender ? msg.pSender->GetName() : CDuiString();
    for (const DUI_MSGMAP* pMap = GetMessageMap(); pMap; pMap = pMap->pBaseMap) {
        for (const DUI_MSGMAP_ENTRY* pEntry = pMap->pfnGetEntries(); pEntry->nSig != DuiSig_end; ++pEntry) {
            const bool typeMatches = pEntry->sMsgType == msg.sType;
            const bool nameMatches = pEntry->sCtrlName.IsEmpty() || pEntry->sCtrlName == senderName;
            if (typeMatches && nameMatches && pEntry->nSig == DuiSig_vn) {
                pMap->pfnInvoke(this, pEntry->pfn, msg);
                return true;
            }
        }
    }
    return false;
}

}  // namespace DuiLib
