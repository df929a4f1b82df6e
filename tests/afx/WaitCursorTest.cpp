#include "afx/Afx.h"

#include <gtest/gtest.h>

namespace {

// The count, and the cursor the thread shows, after each step of a nested use.
class WaitCursor : public ::testing::Test {
protected:
    void ExpectState(int count) const {
        EXPECT_EQ(count, app.m_nWaitCursorCount);
        EXPECT_EQ(count > 0 ? wait : arrow, ::GetCursor()) << "count " << count;
    }

    CWinApp app;
    const HCURSOR wait = ::LoadCursorA(nullptr, IDC_WAIT);
    const HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
};

TEST_F(WaitCursor, NestsByCountAndNeverGoesBelowZero) {
    ASSERT_NE(wait, arrow);
    ASSERT_EQ(&app, AfxGetApp());
    EXPECT_EQ(0, app.m_nWaitCursorCount);

    app.BeginWaitCursor();
    ExpectState(1);
    app.BeginWaitCursor();
    ExpectState(2);
    app.RestoreWaitCursor();
    ExpectState(2);
    app.EndWaitCursor();
    ExpectState(1);
    app.EndWaitCursor();
    ExpectState(0);
    app.EndWaitCursor();
    ExpectState(0);
    app.BeginWaitCursor();
    ExpectState(1);
    app.EndWaitCursor();
    ExpectState(0);
}

TEST_F(WaitCursor, RestoreShowsTheWaitCursorAgainAfterSomethingChangedIt) {
    app.BeginWaitCursor();
    ::SetCursor(arrow);  // as a window's own cursor handling would
    app.RestoreWaitCursor();
    ExpectState(1);
    app.EndWaitCursor();
    ExpectState(0);
}

TEST_F(WaitCursor, HolderCountsForItsLifetime) {
    {
        CWaitCursor outer;
        ExpectState(1);
        {
            CWaitCursor inner;
            ExpectState(2);
            ::SetCursor(arrow);
            inner.Restore();
            ExpectState(2);
        }
        ExpectState(1);
    }
    ExpectState(0);
}

} // namespace
