#include <gtest/gtest.h>

#include "detect/DottedVersion.h"

namespace {

struct Ordering {
    const char* left;
    const char* right;
    int sign;  // of CompareDottedVersions(left, right)
};

int Sign(int value) { return (value > 0) - (value < 0); }

class DottedVersionOrder : public testing::TestWithParam<Ordering> {};

TEST_P(DottedVersionOrder, ComparesNumberByNumber) {
    const Ordering& c = GetParam();
    EXPECT_EQ(c.sign, Sign(CompareDottedVersions(c.left, c.right))) << c.left << " vs " << c.right;
    EXPECT_EQ(-c.sign, Sign(CompareDottedVersions(c.right, c.left))) << c.right << " vs " << c.left;
}

INSTANTIATE_TEST_SUITE_P(
    MdacThreshold, DottedVersionOrder,
    testing::Values(Ordering{"2.7", "2.7", 0}, Ordering{"2.7.0", "2.7", 0}, Ordering{"2.70.7713.4", "2.7", 1},
                    Ordering{"2.8", "2.7", 1}, Ordering{"2.10", "2.7", 1}, Ordering{"10.0", "2.7", 1},
                    Ordering{"6.0.6000.16386", "2.7", 1}, Ordering{"2.6.9999", "2.7", -1},
                    Ordering{"", "2.7", -1}));

INSTANTIATE_TEST_SUITE_P(AcrobatThreshold, DottedVersionOrder,
                         testing::Values(Ordering{"4.0", "5.0", -1}, Ordering{"", "5.0", -1},
                                         Ordering{"5.0", "5.0", 0}, Ordering{"5", "5.0", 0},
                                         Ordering{"7.0", "5.0", 1}, Ordering{"9.0", "5.0", 1},
                                         Ordering{"10.0", "5.0", 1}, Ordering{"4.99.99", "5.0", -1}));

// Pieces count by their leading digits only; a piece without digits is 0.
INSTANTIATE_TEST_SUITE_P(
    PieceForms, DottedVersionOrder,
    testing::Values(Ordering{"a.b", "0.0", 0}, Ordering{"x", "", 0}, Ordering{"5a.0", "5.0", 0},
                    Ordering{"5.0 beta", "5.0", 0}, Ordering{"5.1b", "5.1", 0}, Ordering{"5..1", "5.0.1", 0},
                    Ordering{".5", "0.5", 0}, Ordering{"2.7.", "2.7", 0}, Ordering{"007.0", "7", 0},
                    Ordering{" 7.0", "0", 0}, Ordering{"-1", "0", 0}, Ordering{"2.7.0.0.0.1", "2.7", 1},
                    Ordering{"99999999999999999999999.0", "18446744073709551614", 1},
                    Ordering{"4294967296", "4294967295", 1}));

}  // namespace
