// CDuiString: the comparisons and joins the program relies on, including the pointer-comparison trap.

#include <gtest/gtest.h>

#include "UIlib.h"

using namespace DuiLib;

TEST(DuiString, BuildsFromTextWithOrWithoutLength)
{
    EXPECT_EQ(CDuiString(L"closebtn").GetLength(), 8);
    EXPECT_EQ(CDuiString(L"closebtn", 5), L"close");
    EXPECT_EQ(CDuiString(L"ab", 10), L"ab");
    EXPECT_TRUE(CDuiString(nullptr).IsEmpty());
    EXPECT_TRUE(CDuiString().IsEmpty());
    EXPECT_STREQ(CDuiString().GetData(), L"");
}

TEST(DuiString, ComparesByContentInBothOperandOrders)
{
    const wchar_t buffer[] = L"maxbtn";  // same text, different address from any literal
    const CDuiString name(L"maxbtn");
    EXPECT_TRUE(name == buffer);
    EXPECT_TRUE(buffer == name);
    EXPECT_FALSE(name != buffer);
    EXPECT_TRUE(L"minbtn" != name);
    EXPECT_TRUE(name == CDuiString(buffer));
    EXPECT_LT(CDuiString(L"a").Compare(L"b"), 0);
    EXPECT_EQ(CDuiString(L"Skin").CompareNoCase(L"sKIN"), 0);
    EXPECT_GT(name.Compare(nullptr), 0);
}

TEST(DuiString, JoinsAndSlices)
{
    CDuiString path = CDuiString(L"/opt/app/") + L"skin";
    path += L'/';
    path += CDuiString(L"FormLogin.xml");
    EXPECT_EQ(path, L"/opt/app/skin/FormLogin.xml");
    EXPECT_EQ(L"x" + CDuiString(L"y"), L"xy");
    EXPECT_EQ(path.Find(L"skin"), 9);
    EXPECT_EQ(path.Find(L"nope"), -1);
    EXPECT_EQ(path.Mid(9, 4), L"skin");
    EXPECT_EQ(path.Left(4), L"/opt");
    EXPECT_EQ(path.Right(3), L"xml");
    EXPECT_TRUE(path.Mid(100).IsEmpty());
}
