// Notification maps: the most derived class's map first, then its bases, and handlers called virtually.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "UIlib.h"

using namespace DuiLib;

namespace {

std::vector<std::string> g_calls;

class BasePump : public CNotifyPump {
public:
    virtual void OnClick(TNotifyUI&) { g_calls.push_back("Base::OnClick"); }
    void OnSelect(TNotifyUI&) { g_calls.push_back("Base::OnSelect"); }
    DUI_DECLARE_MESSAGE_MAP()
};

DUI_BEGIN_MESSAGE_MAP(BasePump, CNotifyPump)
DUI_ON_MSGTYPE(DUI_MSGTYPE_CLICK, OnClick)
DUI_ON_MSGTYPE(L"select", OnSelect)
DUI_END_MESSAGE_MAP()

// Overrides OnClick without mapping it: the base map's entry must still reach the override.
class OverridingPump : public BasePump {
public:
    void OnClick(TNotifyUI&) override { g_calls.push_back("Overriding::OnClick"); }
};

// Its own map: a named control first, then a catch-all; unmapped types fall through to the base map.
class DerivedPump : public BasePump {
public:
    void OnClick(TNotifyUI&) override { g_calls.push_back("Derived::OnClick"); }
    void OnOkClick(TNotifyUI&) { g_calls.push_back("Derived::OnOkClick"); }
    DUI_DECLARE_MESSAGE_MAP()
};

DUI_BEGIN_MESSAGE_MAP(DerivedPump, BasePump)
DUI_ON_MSGTYPE_CTRNAME(DUI_MSGTYPE_CLICK, L"okbtn", OnOkClick)
DUI_ON_MSGTYPE(DUI_MSGTYPE_CLICK, DerivedPump::OnClick)
DUI_END_MESSAGE_MAP()

struct DispatchCase {
    const char* name;
    CNotifyPump* (*makePump)();
    const wchar_t* type;
    const wchar_t* sender;
    bool handled;
    std::vector<std::string> calls;
};

const DispatchCase kCases[] = {
    {"BaseHandlesItsOwnEntry", [] () -> CNotifyPump* { return new BasePump; }, L"click", L"any", true, {"Base::OnClick"}},
    {"BaseEntryCallsTheOverride", [] () -> CNotifyPump* { return new OverridingPump; }, L"click", L"any", true,
     {"Overriding::OnClick"}},
    {"NamedEntryWinsForItsControl", [] () -> CNotifyPump* { return new DerivedPump; }, L"click", L"okbtn", true,
     {"Derived::OnOkClick"}},
    {"CatchAllForOtherControls", [] () -> CNotifyPump* { return new DerivedPump; }, L"click", L"cancelbtn", true,
     {"Derived::OnClick"}},
    {"UnmappedTypeChainsToBaseMap", [] () -> CNotifyPump* { return new DerivedPump; }, L"select", L"list", true,
     {"Base::OnSelect"}},
    {"NoEntryAnywhere", [] () -> CNotifyPump* { return new DerivedPump; }, L"timer", L"okbtn", false, {}},
    {"PlainPumpHandlesNothing", [] () -> CNotifyPump* { return new CNotifyPump; }, L"click", L"okbtn", false, {}},
};

class NotifyDispatch : public testing::TestWithParam<DispatchCase> {};

TEST_P(NotifyDispatch, ReachesTheRightHandlerOnce)
{
    const DispatchCase& c = GetParam();
    std::unique_ptr<CNotifyPump> pump(c.makePump());
    CControlUI sender;
    sender.SetName(c.sender);
    TNotifyUI msg;
    msg.sType = c.type;
    msg.pSender = &sender;
    g_calls.clear();
    EXPECT_EQ(pump->LoopDispatch(msg), c.handled);
    EXPECT_EQ(g_calls, c.calls);
}

INSTANTIATE_TEST_SUITE_P(Maps, NotifyDispatch, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<DispatchCase>& info) { return info.param.name; });

TEST(NotifyDispatch, MapsChainToTheirBases)
{
    EXPECT_EQ(DerivedPump::messageMap.pBaseMap, &BasePump::messageMap);
    EXPECT_EQ(BasePump::messageMap.pBaseMap, &CNotifyPump::messageMap);
    EXPECT_EQ(CNotifyPump::messageMap.pBaseMap, nullptr);
}

}  // namespace
