#include <gtest/gtest.h>

#include "ScriptedDialog.h"
#include "TestDialogIds.h"
#include "WorkArea.h"

namespace {

// How the caller chooses the place before the dialog runs.
enum class Chosen { kByDoModalAt, kNotAtAll, kResetAfterCorner };

// The window's rectangle once the dialog is up.
RECT PlacedRect(Chosen chosen, int code = 4) {
    CallLog calls;
    ScriptedDialog dialog(calls, nullptr, [](ScriptedDialog& d) {
        d.Click(IDC_TEST_DIALOG_ONLY);
        d.Click(IDCANCEL);
    });
    INT_PTR result;
    switch (chosen) {
    case Chosen::kByDoModalAt:
        result = dialog.DoModalAt(code);
        break;
    case Chosen::kNotAtAll:
        result = dialog.DoModal();
        break;
    default:
        dialog.SetPosition(0);
        dialog.ResetPosition();
        result = dialog.DoModal();
        break;
    }
    EXPECT_EQ(0, result);
    EXPECT_EQ((CallLog{"dialog:3002"}), calls);
    return dialog.m_rectAtCommand;
}

enum Along { kStart, kHalf, kEnd };

LONG Expected(Along along, LONG start, LONG spare) {
    switch (along) {
    case kStart:
        return start;
    case kHalf:
        return start + spare / 2;
    default:
        return start + spare;
    }
}

struct PlacementCase {
    const char* name;
    Chosen chosen;
    int code;
    Along x;
    Along y;
};

void PrintTo(const PlacementCase& c, std::ostream* out) { *out << c.name; }

void ExpectPlaced(const PlacementCase& c, const RECT& workArea) {
    const RECT placed = PlacedRect(c.chosen, c.code);
    const LONG width = placed.right - placed.left;
    const LONG height = placed.bottom - placed.top;
    ASSERT_GT(width, 0);
    EXPECT_EQ(Expected(c.x, workArea.left, workArea.right - workArea.left - width), placed.left);
    EXPECT_EQ(Expected(c.y, workArea.top, workArea.bottom - workArea.top - height), placed.top);
}

const PlacementCase kPlacements[] = {
    {"TopLeft", Chosen::kByDoModalAt, 0, kStart, kStart},
    {"TopCentre", Chosen::kByDoModalAt, 1, kHalf, kStart},
    {"TopRight", Chosen::kByDoModalAt, 2, kEnd, kStart},
    {"MiddleLeft", Chosen::kByDoModalAt, 3, kStart, kHalf},
    {"Centre", Chosen::kByDoModalAt, 4, kHalf, kHalf},
    {"MiddleRight", Chosen::kByDoModalAt, 5, kEnd, kHalf},
    {"BottomLeft", Chosen::kByDoModalAt, 6, kStart, kEnd},
    {"BottomCentre", Chosen::kByDoModalAt, 7, kHalf, kEnd},
    {"BottomRight", Chosen::kByDoModalAt, 8, kEnd, kEnd},
    {"Nine", Chosen::kByDoModalAt, 9, kHalf, kHalf},
    {"MinusOne", Chosen::kByDoModalAt, -1, kHalf, kHalf},
    {"Hundred", Chosen::kByDoModalAt, 100, kHalf, kHalf},
    {"NoCodeSet", Chosen::kNotAtAll, 0, kHalf, kHalf},
    {"ResetAfterCorner", Chosen::kResetAfterCorner, 0, kHalf, kHalf},
};

std::string CaseName(const ::testing::TestParamInfo<PlacementCase>& info) { return info.param.name; }

class PlacementOnDesktopTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementOnDesktopTest, WindowSitsAtItsPlaceOnTheWorkArea) {
    ExpectPlaced(GetParam(), CurrentWorkArea());
}

INSTANTIATE_TEST_SUITE_P(Codes, PlacementOnDesktopTest, ::testing::ValuesIn(kPlacements), CaseName);

// A task bar on the top and on the left: the work area begins away from the screen's corner.
class PlacementOnShiftedWorkAreaTest : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementOnShiftedWorkAreaTest, WindowSitsAtItsPlaceOnTheWorkArea) {
    const RECT shifted = {100, 50, 1200, 1000};
    WorkAreaOverride workArea(shifted);
    ASSERT_TRUE(workArea.Applied());
    ExpectPlaced(GetParam(), shifted);
}

INSTANTIATE_TEST_SUITE_P(Codes, PlacementOnShiftedWorkAreaTest, ::testing::ValuesIn(kPlacements), CaseName);

// A work area 3 pixels narrower and 5 pixels lower than the dialog: the centre overhangs evenly,
// halves truncated toward zero.
TEST(PlacementOfALargeDialog, OverhangsTheWorkAreaEvenly) {
    const RECT natural = PlacedRect(Chosen::kByDoModalAt, 4);
    const LONG width = natural.right - natural.left;
    const LONG height = natural.bottom - natural.top;
    const RECT small = {100, 50, 100 + width - 3, 50 + height - 5};
    WorkAreaOverride workArea(small);
    ASSERT_TRUE(workArea.Applied());

    const RECT centred = PlacedRect(Chosen::kByDoModalAt, 4);
    EXPECT_EQ(99, centred.left);
    EXPECT_EQ(48, centred.top);
    const RECT bottomRight = PlacedRect(Chosen::kByDoModalAt, 8);
    EXPECT_EQ(97, bottomRight.left);
    EXPECT_EQ(45, bottomRight.top);
    EXPECT_EQ(width, centred.right - centred.left);
}

}  // namespace
