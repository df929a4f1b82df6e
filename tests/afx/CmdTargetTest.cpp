#include "afx/Afx.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr UINT kBaseOnly = 100;
constexpr UINT kBoth = 200;
constexpr UINT kDerivedOnly = 300;
constexpr UINT kUnmapped = 999;

// Records every handler call, so a test sees which map answered and that a query called nothing.
class BaseTarget : public CCmdTarget {
public:
    std::vector<std::string> calls;

    void OnBaseOnly() { calls.push_back("base only"); }
    void OnBothInBase() { calls.push_back("both, base"); }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(BaseTarget, CCmdTarget)
    ON_COMMAND(kBaseOnly, OnBaseOnly)
    ON_COMMAND(kBoth, OnBothInBase)
END_MESSAGE_MAP()

class DerivedTarget : public BaseTarget {
public:
    void OnBothInDerived() { calls.push_back("both, derived"); }
    void OnDerivedOnly() { calls.push_back("derived only"); }

protected:
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DerivedTarget, BaseTarget)
    ON_COMMAND(kBoth, OnBothInDerived)
    ON_COMMAND(kDerivedOnly, OnDerivedOnly)
END_MESSAGE_MAP()

struct DispatchCase {
    UINT id;
    int code;
    BOOL handled;
    std::vector<std::string> calls;
};

std::ostream& operator<<(std::ostream& out, const DispatchCase& c) { return out << "command " << c.id << " code " << c.code; }

const DispatchCase kDispatchCases[] = {
    {kDerivedOnly, CN_COMMAND, TRUE, {"derived only"}},
    {kBoth, CN_COMMAND, TRUE, {"both, derived"}},
    {kBaseOnly, CN_COMMAND, TRUE, {"base only"}},
    {kUnmapped, CN_COMMAND, FALSE, {}},
    {0, CN_COMMAND, FALSE, {}},
    // A notification other than a command (e.g. a button's BN_SETFOCUS) is not the command.
    {kDerivedOnly, 6, FALSE, {}},
};

class MessageMapDispatch : public ::testing::TestWithParam<DispatchCase> {};

TEST_P(MessageMapDispatch, ReachesTheMostDerivedHandlerOnce) {
    DerivedTarget target;
    EXPECT_EQ(GetParam().handled, target.OnCmdMsg(GetParam().id, GetParam().code, nullptr, nullptr));
    EXPECT_EQ(GetParam().calls, target.calls);
}

TEST_P(MessageMapDispatch, QueryReportsTheHandlerWithoutCallingIt) {
    DerivedTarget target;
    AFX_CMDHANDLERINFO info = {nullptr, nullptr};
    EXPECT_EQ(GetParam().handled, target.OnCmdMsg(GetParam().id, GetParam().code, nullptr, &info));
    EXPECT_TRUE(target.calls.empty());
    if (!GetParam().handled) {
        EXPECT_EQ(nullptr, info.pTarget);
        return;
    }
    // The reported handler, called on the reported target, is the one a dispatch calls.
    ASSERT_EQ(&target, info.pTarget);
    ASSERT_NE(nullptr, info.pmf);
    (info.pTarget->*info.pmf)();
    EXPECT_EQ(GetParam().calls, target.calls);
}

INSTANTIATE_TEST_SUITE_P(Commands, MessageMapDispatch, ::testing::ValuesIn(kDispatchCases));

TEST(MessageMapDispatch, BaseObjectDoesNotSeeTheDerivedEntries) {
    BaseTarget target;
    EXPECT_FALSE(target.OnCmdMsg(kDerivedOnly, CN_COMMAND, nullptr, nullptr));
    EXPECT_TRUE(target.OnCmdMsg(kBoth, CN_COMMAND, nullptr, nullptr));
    EXPECT_EQ(std::vector<std::string>{"both, base"}, target.calls);
}

// Run-time class information: a class with its own record, one that inherits its base's record,
// and the chain up to CCmdTarget.
class NamedDialog : public CDialog {
    DECLARE_DYNAMIC(NamedDialog)
public:
    NamedDialog() : CDialog(1) {}
};

IMPLEMENT_DYNAMIC(NamedDialog, CDialog)

class PlainDialog : public CDialog {
public:
    PlainDialog() : CDialog(1) {}
};

TEST(RuntimeClass, KindOfFollowsTheBaseChain) {
    NamedDialog named;
    EXPECT_STREQ("NamedDialog", named.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(named.IsKindOf(RUNTIME_CLASS(NamedDialog)));
    EXPECT_TRUE(named.IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_TRUE(named.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(named.IsKindOf(RUNTIME_CLASS(CCmdTarget)));

    CWnd window;
    EXPECT_STREQ("CWnd", window.GetRuntimeClass()->m_lpszClassName);
    EXPECT_TRUE(window.IsKindOf(RUNTIME_CLASS(CCmdTarget)));
    EXPECT_FALSE(window.IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_FALSE(window.IsKindOf(RUNTIME_CLASS(NamedDialog)));

    CDialog dialog(1);
    EXPECT_FALSE(dialog.IsKindOf(RUNTIME_CLASS(NamedDialog)));
}

TEST(RuntimeClass, ClassWithoutItsOwnRecordReportsItsBase) {
    PlainDialog plain;
    EXPECT_EQ(RUNTIME_CLASS(CDialog), plain.GetRuntimeClass());
    EXPECT_TRUE(plain.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(plain.IsKindOf(RUNTIME_CLASS(NamedDialog)));

    CWinApp app;
    EXPECT_EQ(RUNTIME_CLASS(CCmdTarget), app.GetRuntimeClass());
    EXPECT_FALSE(app.IsKindOf(RUNTIME_CLASS(CWnd)));
}

} // namespace
