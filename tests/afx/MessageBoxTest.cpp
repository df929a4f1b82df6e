#include "afx/Afx.h"
#include "support/DriverThread.h"
#include "support/UiDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace testsupport;

namespace {

// The title of an application constructed without a name: this program's file name without
// folder and extension.
const char kProgramName[] = "afx_messagebox";

struct BoxCase {
    const char* name;
    UINT style;
    std::vector<int> buttons;
    int press;
};

std::ostream& operator<<(std::ostream& out, const BoxCase& c) { return out << c.name; }

const BoxCase kBoxCases[] = {
    {"QuestionAnsweredYes", MB_YESNO | MB_ICONQUESTION, {IDYES, IDNO}, IDYES},
    {"QuestionAnsweredNo", MB_YESNO | MB_ICONQUESTION, {IDYES, IDNO}, IDNO},
    {"Error", MB_ICONERROR, {IDOK}, IDOK},
    {"Information", MB_ICONINFORMATION, {IDOK}, IDOK},
};

class AfxMessageBoxShown : public ::testing::TestWithParam<BoxCase> {
protected:
    CWinApp app;
};

TEST_P(AfxMessageBoxShown, ReadAndAnsweredByAPerson) {
    const std::string text = std::string("Do you really wish to go on?\nCase ") + GetParam().name;
    UiDriver driver;
    DriverThread thread(driver, [&](UiDriver& ui) {
        HWND box = ui.WaitForMessageBox();
        ui.Press(box, GetParam().press);
        ui.WaitGone(box);
    });
    const int answer = AfxMessageBox(text.c_str(), GetParam().style);
    thread.Join();

    EXPECT_EQ(GetParam().press, answer);
    ASSERT_EQ(1u, driver.Seen().size()) << driver.Transcript();
    const SeenWindow& box = driver.Seen()[0];
    EXPECT_EQ(kProgramName, box.caption);
    EXPECT_EQ(text, box.text);
    std::vector<int> ids;
    for (const ButtonInfo& button : box.buttons) ids.push_back(button.id);
    EXPECT_EQ(GetParam().buttons, ids) << driver.Transcript();
}

INSTANTIATE_TEST_SUITE_P(Styles, AfxMessageBoxShown, ::testing::ValuesIn(kBoxCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ApplicationNames, ExecutableNameWithoutFolderAndExtension) {
    CWinApp app;
    EXPECT_STREQ(kProgramName, app.m_pszExeName);
    EXPECT_STREQ(kProgramName, app.m_pszAppName);
}

} // namespace
