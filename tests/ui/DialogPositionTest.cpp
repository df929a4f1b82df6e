#include <gtest/gtest.h>

#include <climits>

#include "ui/DialogPosition.h"

namespace {

struct PositionCase {
    int code;
    RECT workArea;
    int width;
    int height;
    LONG x;
    LONG y;
};

void PrintTo(const PositionCase& c, std::ostream* out) {
    *out << "code " << c.code << " in (" << c.workArea.left << "," << c.workArea.top << ")-("
           << c.workArea.right << "," << c.workArea.bottom << ") for " << c.width << "x" << c.height;
}

// 1280 x 1024 screen, 200 x 100 dialog: spare room 1080 x 924.
const RECT kScreen = {0, 0, 1280, 1024};
// Task bar on the top and on the left: spare room 900 x 850, corner at (100, 50).
const RECT kShifted = {100, 50, 1200, 1000};
// Spare room of one pixel each way, whose half truncates to 0.
const RECT kTight = {10, 20, 211, 121};

class DialogPositionTest : public ::testing::TestWithParam<PositionCase> {};

TEST_P(DialogPositionTest, PlacesTheCornerOnTheWorkArea) {
    const PositionCase& c = GetParam();
    const POINT corner = DialogPosition(c.code, c.workArea, c.width, c.height);
    EXPECT_EQ(c.x, corner.x);
    EXPECT_EQ(c.y, corner.y);
}

INSTANTIATE_TEST_SUITE_P(NineCodes, DialogPositionTest,
                         ::testing::Values(PositionCase{0, kScreen, 200, 100, 0, 0},
                                           PositionCase{1, kScreen, 200, 100, 540, 0},
                                           PositionCase{2, kScreen, 200, 100, 1080, 0},
                                           PositionCase{3, kScreen, 200, 100, 0, 462},
                                           PositionCase{4, kScreen, 200, 100, 540, 462},
                                           PositionCase{5, kScreen, 200, 100, 1080, 462},
                                           PositionCase{6, kScreen, 200, 100, 0, 924},
                                           PositionCase{7, kScreen, 200, 100, 540, 924},
                                           PositionCase{8, kScreen, 200, 100, 1080, 924}));

INSTANTIATE_TEST_SUITE_P(OutOfRangeIsCentre, DialogPositionTest,
                         ::testing::Values(PositionCase{9, kScreen, 200, 100, 540, 462},
                                           PositionCase{-1, kScreen, 200, 100, 540, 462},
                                           PositionCase{100, kScreen, 200, 100, 540, 462},
                                           PositionCase{INT_MIN, kScreen, 200, 100, 540, 462},
                                           PositionCase{INT_MAX, kScreen, 200, 100, 540, 462}));

INSTANTIATE_TEST_SUITE_P(WorkAreaOffTheCorner, DialogPositionTest,
                         ::testing::Values(PositionCase{0, kShifted, 200, 100, 100, 50},
                                           PositionCase{1, kShifted, 200, 100, 550, 50},
                                           PositionCase{2, kShifted, 200, 100, 1000, 50},
                                           PositionCase{3, kShifted, 200, 100, 100, 475},
                                           PositionCase{4, kShifted, 200, 100, 550, 475},
                                           PositionCase{5, kShifted, 200, 100, 1000, 475},
                                           PositionCase{6, kShifted, 200, 100, 100, 900},
                                           PositionCase{7, kShifted, 200, 100, 550, 900},
                                           PositionCase{8, kShifted, 200, 100, 1000, 900},
                                           PositionCase{-1, kShifted, 200, 100, 550, 475}));

// Halves truncate toward zero, also when the dialog is larger than the work area.
INSTANTIATE_TEST_SUITE_P(HalvesTruncateTowardZero, DialogPositionTest,
                         ::testing::Values(PositionCase{4, kScreen, 1283, 1029, -1, -2},
                                           PositionCase{8, kScreen, 1283, 1029, -3, -5},
                                           PositionCase{4, kShifted, 1103, 955, 99, 48},
                                           PositionCase{0, kShifted, 1103, 955, 100, 50},
                                           PositionCase{4, kTight, 200, 100, 10, 20},
                                           PositionCase{8, kTight, 200, 100, 11, 21},
                                           PositionCase{4, kScreen, 1281, 1025, 0, 0}));

}  // namespace
