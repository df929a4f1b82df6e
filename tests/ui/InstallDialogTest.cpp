#include <gtest/gtest.h>

#include "InstallDialogRun.h"
#include "InstallDialogTexts.h"
#include "OwnVersion.h"
#include "PrerequisiteProducts.h"
#include "ui/resource.h"

using testsupport::UiDriver;

namespace {

std::string MessageOf(UiDriver& driver, HWND dialog) { return driver.ControlText(dialog, IDC_MESSAGE); }

void ExpectGreetingStage(UiDriver& driver, HWND dialog) {
    EXPECT_EQ(ExpectedGreeting(), MessageOf(driver, dialog));
    EXPECT_FALSE(driver.IsControlVisible(dialog, IDC_MISSING_LIST));
    EXPECT_TRUE(driver.IsControlEnabled(dialog, IDC_NEXT));
}

void WaitForListedStage(UiDriver& driver, HWND dialog) {
    WaitUntil(
        [&] { return MessageOf(driver, dialog) == texts::kComponents && driver.IsControlEnabled(dialog, IDC_NEXT); },
        "the list of missing components");
}

void ExpectListedStage(UiDriver& driver, HWND dialog, const std::vector<std::string>& lines) {
    EXPECT_EQ(texts::kComponents, MessageOf(driver, dialog));
    EXPECT_TRUE(driver.IsControlVisible(dialog, IDC_MISSING_LIST));
    EXPECT_EQ(lines, driver.ListBoxLines(dialog, IDC_MISSING_LIST));
    EXPECT_TRUE(driver.IsControlEnabled(dialog, IDC_NEXT));
}

const std::vector<std::string> kAllFourLines = {texts::kDotNetLine, texts::kMdacLine, texts::kIsoViewLine,
                                                texts::kAcrobatLine};

void ExpectFlags(const ProductSet& present, const InstallDlg& dialog) {
    EXPECT_EQ(present.dotNet, dialog.m_hasDotNet);
    EXPECT_EQ(present.mdac, dialog.m_hasMdac);
    EXPECT_EQ(present.isoView, dialog.m_hasIsoView);
    EXPECT_EQ(present.acrobat, dialog.m_hasAcrobat);
}

class InstallDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(PrerequisiteProducts::AnyProductKeyExists()) << "prerequisite keys left over in the registry";
        ASSERT_FALSE(OwnVersionString("ProductVersion").empty()) << "the test program carries no version resource";
    }
    void TearDown() override { EXPECT_FALSE(PrerequisiteProducts::AnyProductKeyExists()); }
};

TEST_F(InstallDialogTest, EverythingPresentClosesAtTheFirstNext) {
    const ProductSet all = {true, true, true, true};
    InstallDlg dialog;
    INT_PTR result;
    {
        PrerequisiteProducts products;
        products.Install(all);
        result = RunInstallDialog(dialog, [](UiDriver& driver, HWND window) {
            ExpectGreetingStage(driver, window);
            driver.Press(window, IDC_NEXT);
        });
    }
    EXPECT_EQ(1, result);
    ExpectFlags(all, dialog);
}

struct MissingCase {
    const char* name;
    ProductSet present;
    std::vector<std::string> lines;
};

void PrintTo(const MissingCase& c, std::ostream* out) { *out << c.name; }

class MissingComponentsTest : public InstallDialogTest, public ::testing::WithParamInterface<MissingCase> {};

TEST_P(MissingComponentsTest, FirstNextListsThemSecondNextCloses) {
    const ProductSet present = GetParam().present;
    InstallDlg dialog;
    INT_PTR result;
    {
        PrerequisiteProducts products;
        products.Install(present);
        result = RunInstallDialog(dialog, [&](UiDriver& driver, HWND window) {
            ExpectGreetingStage(driver, window);
            driver.Press(window, IDC_NEXT);
            WaitForListedStage(driver, window);
            ExpectListedStage(driver, window, GetParam().lines);
            driver.Press(window, IDC_NEXT);
        });
    }
    EXPECT_EQ(1, result);
    ExpectFlags(present, dialog);
}

INSTANTIATE_TEST_SUITE_P(Products, MissingComponentsTest,
                         ::testing::Values(MissingCase{"AcrobatReader",
                                                       {true, true, true, false},
                                                       {texts::kAcrobatLine}},
                                           MissingCase{"DotNetAndIsoView",
                                                       {false, true, false, true},
                                                       {texts::kDotNetLine, texts::kIsoViewLine}},
                                           MissingCase{"MdacOnly", {true, false, true, true}, {texts::kMdacLine}},
                                           MissingCase{"AllFour", {false, false, false, false}, kAllFourLines}),
                         [](const ::testing::TestParamInfo<MissingCase>& info) {
                             return std::string(info.param.name);
                         });

// The Acrobat Reader's box comes up while the checks run: the person sees the checking stage.
TEST_F(InstallDialogTest, CheckingStageWhileTheAcrobatBoxIsUp) {
    InstallDlg dialog;
    INT_PTR result;
    {
        PrerequisiteProducts products;
        products.Install({true, true, true, false});
        products.AddAcrobatWithoutServer();
        result = RunInstallDialog(dialog, [](UiDriver& driver, HWND window) {
            driver.Press(window, IDC_NEXT);
            HWND box = driver.WaitForMessageBox(OwnProgramTitle());
            EXPECT_EQ(texts::kAcrobatRemoved, driver.MessageText(box));
            EXPECT_EQ(std::vector<int>{IDOK}, driver.ButtonIds(box));
            EXPECT_EQ(texts::kChecking, MessageOf(driver, window));
            EXPECT_FALSE(driver.IsControlEnabled(window, IDC_NEXT));
            EXPECT_FALSE(driver.IsControlVisible(window, IDC_MISSING_LIST));
            driver.Press(box, IDOK);
            WaitForListedStage(driver, window);
            ExpectListedStage(driver, window, {texts::kAcrobatLine});
            driver.Press(window, IDC_NEXT);
        });
    }
    EXPECT_EQ(1, result);
    ExpectFlags({true, true, true, false}, dialog);
}

enum class Stage { kGreeting, kListed };
enum class Trigger { kCancelButton, kEscapeKey };

struct CancelCase {
    const char* name;
    Stage stage;
    Trigger trigger;
    int answer;
};

void PrintTo(const CancelCase& c, std::ostream* out) { *out << c.name; }

class CancelTest : public InstallDialogTest, public ::testing::WithParamInterface<CancelCase> {};

void AskToCancel(UiDriver& driver, HWND window, Trigger trigger, int answer) {
    if (trigger == Trigger::kCancelButton) {
        driver.Press(window, IDCANCEL);
    } else {
        ::PostMessageA(::GetDlgItem(window, IDC_NEXT), WM_KEYDOWN, VK_ESCAPE, 0);
    }
    HWND box = driver.WaitForMessageBox(OwnProgramTitle());
    EXPECT_EQ(texts::kCancelQuestion, driver.MessageText(box));
    EXPECT_EQ((std::vector<int>{IDYES, IDNO}), driver.ButtonIds(box));
    driver.Press(box, answer);
    driver.WaitGone(box);
}

TEST_P(CancelTest, QuestionDecides) {
    const CancelCase& c = GetParam();
    const ProductSet none = {false, false, false, false};
    InstallDlg dialog;
    const INT_PTR result = RunInstallDialog(dialog, [&](UiDriver& driver, HWND window) {
        if (c.stage == Stage::kListed) {
            driver.Press(window, IDC_NEXT);
            WaitForListedStage(driver, window);
        }
        AskToCancel(driver, window, c.trigger, c.answer);
        if (c.answer == IDYES) return;

        WaitUntil([&] { return ::IsWindowEnabled(window) != FALSE; }, "the dialog to take input again");
        if (c.stage == Stage::kGreeting) {
            ExpectGreetingStage(driver, window);
            driver.Press(window, IDC_NEXT);
            WaitForListedStage(driver, window);
        }
        ExpectListedStage(driver, window, kAllFourLines);
        driver.Press(window, IDC_NEXT);
    });
    EXPECT_EQ(c.answer == IDYES ? 0 : 1, result);
    EXPECT_EQ(c.stage == Stage::kListed || c.answer == IDNO, dialog.m_checked);
    ExpectFlags(none, dialog);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CancelTest,
    ::testing::Values(CancelCase{"GreetingNo", Stage::kGreeting, Trigger::kCancelButton, IDNO},
                      CancelCase{"GreetingYes", Stage::kGreeting, Trigger::kCancelButton, IDYES},
                      CancelCase{"ListedNo", Stage::kListed, Trigger::kCancelButton, IDNO},
                      CancelCase{"ListedYes", Stage::kListed, Trigger::kCancelButton, IDYES},
                      CancelCase{"GreetingEscapeYes", Stage::kGreeting, Trigger::kEscapeKey, IDYES},
                      CancelCase{"GreetingEscapeNo", Stage::kGreeting, Trigger::kEscapeKey, IDNO},
                      CancelCase{"ListedEscapeNo", Stage::kListed, Trigger::kEscapeKey, IDNO},
                      CancelCase{"ListedEscapeYes", Stage::kListed, Trigger::kEscapeKey, IDYES}),
    [](const ::testing::TestParamInfo<CancelCase>& info) { return std::string(info.param.name); });

}  // namespace
