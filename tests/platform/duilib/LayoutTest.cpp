// Layout files read into control trees, and the trees laid out at the rectangles the layout promises.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <map>
#include <memory>
#include <string>

#include "UIlib.h"
#include "WarningCapture.h"

using namespace DuiLib;

namespace {

struct Rect {
    LONG left, top, right, bottom;
    bool operator==(const Rect&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rect& r)
{
    return out << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

std::unique_ptr<CControlUI> Build(const std::wstring& xml, IDialogBuilderCallback* callback = nullptr)
{
    CDialogBuilder builder;
    return std::unique_ptr<CControlUI>(builder.CreateFromText(xml.c_str(), L"test.xml", callback));
}

struct LayoutCase {
    const char* name;
    const wchar_t* xml;
    RECT area;
    std::map<std::wstring, Rect> expected;
};

const LayoutCase kLayoutCases[] = {
    {"VerticalFixedAndStretching",
     L"<Window><VerticalLayout>"
     L"<Control name='a' height='50'/><Control name='b'/><Control name='c' height='30'/>"
     L"</VerticalLayout></Window>",
     {0, 0, 200, 300},
     {{L"a", {0, 0, 200, 50}}, {L"b", {0, 50, 200, 270}}, {L"c", {0, 270, 200, 300}}}},
    {"VerticalInsetChildPaddingAndPadding",
     L"<Window><VerticalLayout inset='10,20,10,20' childpadding='5'>"
     L"<Control name='a' height='40' padding='5,0,5,0'/><Control name='b'/>"
     L"</VerticalLayout></Window>",
     {0, 0, 200, 300},
     {{L"a", {15, 20, 185, 60}}, {L"b", {10, 65, 190, 280}}}},
    {"PaddingAlongTheFlowPushesNeighbours",
     L"<Window><HorizontalLayout>"
     L"<Control name='a' width='20' padding='4,0,6,0'/><Control name='b' width='10'/>"
     L"</HorizontalLayout></Window>",
     {0, 0, 100, 40},
     {{L"a", {4, 0, 24, 40}}, {L"b", {30, 0, 40, 40}}}},
    {"HorizontalStretchersShareAndLastTakesRemainder",
     L"<Window><HorizontalLayout><Control name='a'/><Control name='b'/></HorizontalLayout></Window>",
     {0, 0, 101, 10},
     {{L"a", {0, 0, 50, 10}}, {L"b", {50, 0, 101, 10}}}},
    {"FixedSizeAcrossTheFlowKeepsStartEdge",
     L"<Window><HorizontalLayout inset='2,3,2,3'>"
     L"<Control name='a' width='30' height='10'/><Control name='b'/>"
     L"</HorizontalLayout></Window>",
     {0, 0, 100, 50},
     {{L"a", {2, 3, 32, 13}}, {L"b", {32, 3, 98, 47}}}},
    {"HiddenChildTakesNoRoom",
     L"<Window><VerticalLayout childpadding='10'>"
     L"<Control name='a' height='20'/><Control name='hidden' height='500' visible='false'/><Control name='b'/>"
     L"</VerticalLayout></Window>",
     {0, 0, 10, 100},
     {{L"a", {0, 0, 10, 20}}, {L"b", {0, 30, 10, 100}}}},
    {"FloatIsRelativeToParentAndOutOfFlow",
     L"<Window><VerticalLayout>"
     L"<Control name='top' height='100'/>"
     L"<Container name='box'>"
     L"<Control name='f' float='true' pos='10,10,50,30'/><Control name='sized' float='true' pos='5,6,0,0' width='7' height='8'/>"
     L"</Container></VerticalLayout></Window>",
     {0, 0, 200, 300},
     {{L"top", {0, 0, 200, 100}}, {L"box", {0, 100, 200, 300}}, {L"f", {10, 110, 50, 130}},
      {L"sized", {5, 106, 12, 114}}}},
    {"ContainerStacksChildrenOverItsInnerArea",
     L"<Window><Container inset='5,5,5,5'>"
     L"<Control name='fill'/><Control name='corner' width='20' height='10'/>"
     L"</Container></Window>",
     {0, 0, 200, 300},
     {{L"fill", {5, 5, 195, 295}}, {L"corner", {5, 5, 25, 15}}}},
    {"NestedLayoutsAtAnOffset",
     L"<Window><HorizontalLayout>"
     L"<Control name='left' width='40'/>"
     L"<VerticalLayout name='col'><Control name='x' height='15'/><Control name='y'/></VerticalLayout>"
     L"</HorizontalLayout></Window>",
     {10, 20, 110, 120},
     {{L"left", {10, 20, 50, 120}}, {L"col", {50, 20, 110, 120}}, {L"x", {50, 20, 110, 35}},
      {L"y", {50, 35, 110, 120}}}},
};

class LayoutPlacement : public testing::TestWithParam<LayoutCase> {};

TEST_P(LayoutPlacement, ChildrenLandWhereTheLayoutSays)
{
    const LayoutCase& c = GetParam();
    WarningCapture warnings;
    std::unique_ptr<CControlUI> root = Build(c.xml);
    ASSERT_TRUE(root);
    root->SetPos(c.area, false);
    for (const auto& [name, rect] : c.expected) {
        CControlUI* control = root->FindControlByName(name.c_str());
        ASSERT_NE(control, nullptr) << std::string(name.begin(), name.end());
        EXPECT_EQ(FromRECT(control->GetPos()), rect) << std::string(name.begin(), name.end());
    }
    EXPECT_TRUE(warnings.Lines().isEmpty()) << warnings.Lines().join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Layouts, LayoutPlacement, testing::ValuesIn(kLayoutCases),
                         [](const testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

TEST(LayoutTree, ElementsBecomeTheirClassesWithAttributesApplied)
{
    std::unique_ptr<CControlUI> root = Build(
        L"<Window><VerticalLayout name='root' bkcolor='#FF102030'>"
        L"<Label name='title' text='Varnholt' textcolor='#FFE0C080' font='30,bold' align='center'/>"
        L"<Text name='body' text='long words'/>"
        L"<Button name='go' text='Go' tooltip='Start' hotbkcolor='#80FFFFFF' enabled='false'/>"
        L"<Container name='box'/><HorizontalLayout name='row'/><Control name='plain' bkcolor='#123456'/>"
        L"</VerticalLayout></Window>");
    ASSERT_TRUE(root);
    auto* layout = dynamic_cast<CContainerUI*>(root.get());
    ASSERT_NE(layout, nullptr);
    const std::wstring expectedClasses[] = {L"LabelUI", L"TextUI", L"ButtonUI", L"ContainerUI", L"HorizontalLayoutUI",
                                            L"ControlUI"};
    ASSERT_EQ(layout->GetCount(), 6);
    for (int i = 0; i < layout->GetCount(); ++i)
        EXPECT_EQ(std::wstring(layout->GetItemAt(i)->GetClass()), expectedClasses[i]);
    EXPECT_EQ(std::wstring(root->GetClass()), L"VerticalLayoutUI");
    EXPECT_EQ(root->GetBkColor(), 0xFF102030u);

    auto* title = static_cast<CLabelUI*>(root->FindControlByName(L"title"));
    EXPECT_EQ(title->GetText(), L"Varnholt");
    EXPECT_EQ(title->GetTextColor(), 0xFFE0C080u);
    EXPECT_EQ(title->GetFontSize(), 30);
    EXPECT_TRUE(title->IsFontBold());
    EXPECT_EQ(title->GetTextAlign(), UINT(UIALIGN_CENTER | UIALIGN_VCENTER));

    CControlUI* go = root->FindControlByName(L"go");
    EXPECT_EQ(go->GetToolTip(), L"Start");
    EXPECT_FALSE(go->IsEnabled());
    EXPECT_FALSE(go->Activate());
    EXPECT_EQ(root->FindControlByName(L"plain")->GetBkColor(), 0xFF123456u);
}

class FancyControl : public CControlUI {
public:
    LPCTSTR GetClass() const override { return L"FancyUI"; }
};

class FancyCallback : public IDialogBuilderCallback {
public:
    CControlUI* CreateControl(LPCTSTR pstrClass) override
    {
        asked.push_back(pstrClass);
        return std::wstring(pstrClass) == L"Fancy" ? new FancyControl : nullptr;
    }
    std::vector<std::wstring> asked;
};

TEST(LayoutTree, UnknownClassesGoToTheCallbackAndUnmadeOnesAreReportedAndSkipped)
{
    WarningCapture warnings;
    FancyCallback callback;
    std::unique_ptr<CControlUI> root = Build(L"<Window><VerticalLayout>\n"
                                             L"<Fancy name='f' height='10'/>\n"
                                             L"<Gizmo name='g'><Label name='inside'/></Gizmo>\n"
                                             L"<Label name='after'/>\n"
                                             L"</VerticalLayout></Window>",
                                             &callback);
    ASSERT_TRUE(root);
    EXPECT_EQ(callback.asked, (std::vector<std::wstring>{L"Fancy", L"Gizmo"}));
    ASSERT_NE(root->FindControlByName(L"f"), nullptr);
    EXPECT_EQ(std::wstring(root->FindControlByName(L"f")->GetClass()), L"FancyUI");
    EXPECT_EQ(root->FindControlByName(L"g"), nullptr);
    EXPECT_EQ(root->FindControlByName(L"inside"), nullptr);
    EXPECT_NE(root->FindControlByName(L"after"), nullptr);
    EXPECT_EQ(warnings.Matching({"duilib:", "test.xml", "line 3", "Gizmo"}).size(), 1);
    EXPECT_EQ(warnings.Lines().size(), 1);
}

struct ReportCase {
    const char* name;
    const wchar_t* xml;
    QString fragment;  // what the one reported line must name
    bool buildsTree;
};

const ReportCase kReportCases[] = {
    {"UnknownAttribute", L"<Window><Label name='a' colour='#FF000000'/></Window>", "'colour'", true},
    {"BadColour", L"<Window><Label name='a' textcolor='red'/></Window>", "'red'", true},
    {"BadRect", L"<Window><Control name='a' padding='1,2,3'/></Window>", "padding", true},
    {"BadBool", L"<Window><Control name='a' visible='maybe'/></Window>", "visible", true},
    {"BadFont", L"<Window><Label name='a' font='big'/></Window>", "font", true},
    {"UnknownWindowAttribute", L"<Window colour='1'><Control name='a'/></Window>", "colour", true},
    {"ChildOfNonContainer", L"<Window><Label name='a'><Control/></Label></Window>", "not a container", true},
    {"SecondRoot", L"<Window><Control name='a'/><Control name='b'/></Window>", "second control", true},
    {"RootIsNotWindow", L"<Dialog><Control name='a'/></Dialog>", "Dialog", false},
    {"EmptyWindow", L"<Window></Window>", "no control", false},
    {"UnclosedElement", L"<Window>\n<VerticalLayout>\n<Label name='a'>\n</Window>", "line 4", false},
    {"NotXmlAtAll", L"this is not a layout", "test.xml", false},
};

class LayoutReport : public testing::TestWithParam<ReportCase> {};

TEST_P(LayoutReport, EachProblemIsOneLineNamingItAndNeverACrash)
{
    const ReportCase& c = GetParam();
    WarningCapture warnings;
    std::unique_ptr<CControlUI> root = Build(c.xml);
    EXPECT_EQ(root != nullptr, c.buildsTree);
    ASSERT_EQ(warnings.Lines().size(), 1) << warnings.Lines().join('\n').toStdString();
    EXPECT_EQ(warnings.Matching({"duilib:", c.fragment}).size(), 1) << warnings.Lines().first().toStdString();
    if (root) {
        EXPECT_NE(root->FindControlByName(L"a"), nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(Problems, LayoutReport, testing::ValuesIn(kReportCases),
                         [](const testing::TestParamInfo<ReportCase>& info) { return info.param.name; });

TEST(LayoutFile, ReadsFromTheResourcePathAndGivesTheWindowSettingsToTheManager)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QDir(dir.path()).mkpath("skin");
    QFile file(dir.filePath("skin/Small.xml"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<?xml version='1.0' encoding='UTF-8'?>\n"
               "<Window size='300,200' caption='0,0,0,30' sizebox='4,5,6,7' mininfo='100,80'>"
               "<Label name='greeting' text='H\xC3\xA9llo'/></Window>");
    file.close();

    CPaintManagerUI::SetResourcePath(dir.path().toStdWString().c_str());
    EXPECT_EQ(CPaintManagerUI::GetResourcePath(), (dir.path() + "/").toStdWString().c_str());
    CPaintManagerUI manager;
    CDialogBuilder builder;
    std::unique_ptr<CControlUI> root(builder.Create(L"skin/Small.xml", nullptr, &manager));
    ASSERT_TRUE(root);
    EXPECT_EQ(root->GetText(), L"H\u00e9llo");
    EXPECT_EQ(manager.GetInitSize().cx, 300);
    EXPECT_EQ(manager.GetInitSize().cy, 200);
    EXPECT_EQ(FromRECT(manager.GetCaptionRect()), (Rect{0, 0, 0, 30}));
    EXPECT_EQ(FromRECT(manager.GetSizeBox()), (Rect{4, 5, 6, 7}));
    EXPECT_EQ(manager.GetMinInfo().cx, 100);
    EXPECT_EQ(manager.GetLayoutFolder(), (dir.path() + "/skin").toStdWString().c_str());
}

TEST(LayoutFile, InstancePathIsTheExecutablesFolderWithASlash)
{
    const QString exe = QFileInfo("/proc/self/exe").symLinkTarget();
    EXPECT_EQ(CPaintManagerUI::GetInstancePath(), (QFileInfo(exe).absolutePath() + "/").toStdWString().c_str());
}

TEST(LayoutFile, MissingFileIsOneLineNamingThePath)
{
    WarningCapture warnings;
    CDialogBuilder builder;
    EXPECT_EQ(builder.Create(L"/nonexistent-folder/Gone.xml"), nullptr);
    ASSERT_EQ(warnings.Lines().size(), 1);
    EXPECT_EQ(warnings.Matching({"duilib:", "/nonexistent-folder/Gone.xml"}).size(), 1);
}

TEST(LayoutFile, ShippedSkinsParseCleanlyAndTheLoginPanelFramesBothPagePlacements)
{
    WarningCapture warnings;
    CPaintManagerUI::SetResourcePath(TESSVANE_SKIN_DIR);
    CPaintManagerUI start;
    CDialogBuilder builder;
    std::unique_ptr<CControlUI> root(builder.Create(L"FormLogin.xml", nullptr, &start));
    ASSERT_TRUE(root);
    root->SetPos(RECT{0, 0, start.GetInitSize().cx, start.GetInitSize().cy}, false);
    for (const wchar_t* name : {L"officialbtn", L"rechargebtn", L"forumbtn", L"servicebtn", L"closebtn", L"minbtn"}) {
        CControlUI* button = root->FindControlByName(name);
        ASSERT_NE(button, nullptr);
        EXPECT_STREQ(button->GetClass(), L"ButtonUI");
        EXPECT_LT(button->GetPos().bottom, start.GetCaptionRect().bottom) << "buttons sit in the title bar";
    }
    const RECT panel = root->FindControlByName(L"loginpanel")->GetPos();
    for (LONG pageTop : {217, 287}) {
        const RECT page{497, pageTop, 497 + 610, pageTop + 390};
        EXPECT_LE(panel.left, page.left);
        EXPECT_LE(panel.top, page.top);
        EXPECT_GE(panel.right, page.right);
        EXPECT_GE(panel.bottom, page.bottom);
    }
    EXPECT_LE(panel.right, start.GetInitSize().cx);
    EXPECT_LE(panel.bottom, start.GetInitSize().cy);

    CPaintManagerUI browser;
    std::unique_ptr<CControlUI> page(builder.Create(L"FormLoginBrowser.xml", nullptr, &browser));
    ASSERT_TRUE(page);
    EXPECT_EQ(browser.GetInitSize().cx, 610);
    EXPECT_EQ(browser.GetInitSize().cy, 390);
    EXPECT_TRUE(warnings.Lines().isEmpty()) << warnings.Lines().join('\n').toStdString();
}

}  // namespace
