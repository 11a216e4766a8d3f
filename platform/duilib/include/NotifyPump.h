// CNotifyPump: routes a notification to the member function its class's message map names; runs on the GUI
// thread, and the maps are static tables owned by each class.
#pragma once

#include "TNotifyUI.h"

namespace DuiLib {

class CNotifyPump;
typedef void (CNotifyPump::*DUI_PMSG)(TNotifyUI& msg);

enum DuiSig {
    DuiSig_end = 0,
    DuiSig_vn = 2,  // void (CNotifyPump::*)(TNotifyUI&)
};

struct DUI_MSGMAP_ENTRY {
    CDuiString sMsgType;
    CDuiString sCtrlName;  // empty: any control
    UINT nSig;
    DUI_PMSG pfn;
};

struct DUI_MSGMAP {
    const DUI_MSGMAP* pBaseMap;
    // A function, not an array pointer: the entries hold strings and are built on first use.
    const DUI_MSGMAP_ENTRY* (*pfnGetEntries)();
    // Calls an entry's handler on the pump seen as the map's own class, so the handler's class is always a
    // base of the object's static type even when CNotifyPump is not the first base.
    void (*pfnInvoke)(CNotifyPump* pPump, DUI_PMSG pfn, TNotifyUI& msg);
};

class CNotifyPump {
public:
    virtual ~CNotifyPump() = default;
    // True when an entry of this class's map, or of a base map, took the notification.
    bool LoopDispatch(TNotifyUI& msg);

    static const DUI_MSGMAP messageMap;
    virtual const DUI_MSGMAP* GetMessageMap() const;

protected:
    static const DUI_MSGMAP_ENTRY* _GetMessageEntries();
    static void _InvokeMessageHandler(CNotifyPump* pPump, DUI_PMSG pfn, TNotifyUI& msg);
};

// In the class body.
#define DUI_DECLARE_MESSAGE_MAP()                              \
public:                                                        \
    static const ::DuiLib::DUI_MSGMAP messageMap;              \
    const ::DuiLib::DUI_MSGMAP* GetMessageMap() const override; \
                                                               \
protected:                                                     \
    static const ::DuiLib::DUI_MSGMAP_ENTRY* _GetMessageEntries(); \
    static void _InvokeMessageHandler(::DuiLib::CNotifyPump* pPump, ::DuiLib::DUI_PMSG pfn, \
                                      ::DuiLib::TNotifyUI& msg);                            \
                                                               \
public:

// In the source file. The entries are built inside a member function so that handler names resolve in the
// class's scope, whether written plainly (OnClick) or qualified (CMyWnd::OnClick).
#define DUI_BEGIN_MESSAGE_MAP(theClass, baseClass)                                              \
    const ::DuiLib::DUI_MSGMAP theClass::messageMap = {                                         \
        &baseClass::messageMap, &theClass::_GetMessageEntries, &theClass::_InvokeMessageHandler}; \
    const ::DuiLib::DUI_MSGMAP* theClass::GetMessageMap() const { return &theClass::messageMap; } \
    void theClass::_InvokeMessageHandler(::DuiLib::CNotifyPump* pPump, ::DuiLib::DUI_PMSG pfn,   \
                                         ::DuiLib::TNotifyUI& msg)                              \
    {                                                                                           \
        using Handler = void (theClass::*)(::DuiLib::TNotifyUI&);                               \
        (static_cast<theClass*>(pPump)->*static_cast<Handler>(pfn))(msg);                       \
    }                                                                                           \
    const ::DuiLib::DUI_MSGMAP_ENTRY* theClass::_GetMessageEntries()                            \
    {                                                                                           \
        using DuiThisClass = theClass;                                                          \
        static const ::DuiLib::DUI_MSGMAP_ENTRY entries[] = {

#define DUI_ON_MSGTYPE(msgtype, memberFxn) \
    {msgtype, L"", ::DuiLib::DuiSig_vn, static_cast<::DuiLib::DUI_PMSG>(&DuiThisClass::memberFxn)},

#define DUI_ON_MSGTYPE_CTRNAME(msgtype, ctrname, memberFxn) \
    {msgtype, ctrname, ::DuiLib::DuiSig_vn, static_cast<::DuiLib::DUI_PMSG>(&DuiThisClass::memberFxn)},

#define DUI_ON_CLICK_CTRNAME(ctrname, memberFxn) DUI_ON_MSGTYPE_CTRNAME(DUI_MSGTYPE_CLICK, ctrname, memberFxn)

#define DUI_END_MESSAGE_MAP()                          \
    {L"", L"", ::DuiLib::DuiSig_end, nullptr}          \
    }                                                  \
    ;                                                  \
    return entries;                                    \
    }

}  // namespace DuiLib
