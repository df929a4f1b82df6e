#include <gtest/gtest.h>

#include <regex>

#include "DialogTemplate.h"
#include "InstallDialogRun.h"
#include "InstallDialogTexts.h"
#include "OwnVersion.h"
#include "WorkArea.h"
#include "ui/resource.h"

using testsupport::UiDriver;

namespace {

const WORD kUsEnglish = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const WORD kButton = 0x0080;
const WORD kStatic = 0x0082;
const WORD kListBox = 0x0083;

struct TabledControl {
    const char* name;
    int id;
    WORD classOrdinal;
    const char* className;
    const char* text;  // null: the icon resource
    short x, y, cx, cy;
    DWORD style;
};

// The controls in template order, which is the tab order.
const TabledControl kControls[] = {
    {"Next", IDC_NEXT, kButton, "Button", "Next", 160, 99, 50, 16,
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
    {"Cancel", IDCANCEL, kButton, "Button", "Cancel", 215, 99, 50, 16,
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON},
    {"Message", IDC_MESSAGE, kStatic, "Static", texts::kTemplateMessage, 36, 7, 229, 50,
     WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT},
    {"MissingList", IDC_MISSING_LIST, kListBox, "ListBox", "", 36, 57, 229, 38,
     WS_CHILD | WS_VISIBLE | WS_DISABLED | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_HASSTRINGS |
         LBS_NOINTEGRALHEIGHT},
    {"Icon", IDC_STATIC, kStatic, "Static", nullptr, 7, 7, 21, 20, WS_CHILD | WS_VISIBLE | SS_ICON},
};

bool IsClass(const NameOrOrdinal& stored, const TabledControl& expected) {
    if (stored.ordinal) return stored.ordinal == expected.classOrdinal;
    return ::lstrcmpiA(stored.name.c_str(), expected.className) == 0;
}

TEST(InstallTemplateResource, DialogProperties) {
    const DialogTemplate dialog = LoadDialogTemplate(IDD_INSTALL, kUsEnglish);
    EXPECT_EQ(0xFFFF, dialog.signature);
    EXPECT_EQ(static_cast<DWORD>(WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_MODALFRAME | DS_SETFONT), dialog.style);
    EXPECT_EQ(static_cast<DWORD>(WS_EX_APPWINDOW), dialog.exStyle);
    EXPECT_EQ(0, dialog.x);
    EXPECT_EQ(0, dialog.y);
    EXPECT_EQ(272, dialog.cx);
    EXPECT_EQ(122, dialog.cy);
    EXPECT_EQ(0, dialog.menu.ordinal);
    EXPECT_EQ("", dialog.menu.name);
    EXPECT_EQ(0, dialog.windowClass.ordinal);
    EXPECT_EQ("", dialog.windowClass.name);
    EXPECT_EQ("Install Zarvel", dialog.caption);
    EXPECT_EQ(8, dialog.pointSize);
    EXPECT_EQ(400, dialog.weight);
    EXPECT_EQ(0, dialog.italic);
    EXPECT_EQ(ANSI_CHARSET, dialog.charset);
    EXPECT_EQ("Microsoft Sans Serif", dialog.typeface);
    EXPECT_EQ(std::size(kControls), dialog.items.size());
}

class InstallTemplateControlTest : public ::testing::TestWithParam<size_t> {};

TEST_P(InstallTemplateControlTest, ControlAsInTheTemplate) {
    const DialogTemplate dialog = LoadDialogTemplate(IDD_INSTALL, kUsEnglish);
    ASSERT_LT(GetParam(), dialog.items.size());
    const TemplateItem& item = dialog.items[GetParam()];
    const TabledControl& expected = kControls[GetParam()];
    EXPECT_EQ(expected.id, static_cast<int>(item.id));
    EXPECT_TRUE(IsClass(item.windowClass, expected)) << item.windowClass.ordinal << " " << item.windowClass.name;
    if (expected.text) {
        EXPECT_EQ(0, item.text.ordinal);
        EXPECT_EQ(expected.text, item.text.name);
    } else {
        EXPECT_EQ(IDR_MAINFRAME, item.text.ordinal);
    }
    EXPECT_EQ(expected.x, item.x);
    EXPECT_EQ(expected.y, item.y);
    EXPECT_EQ(expected.cx, item.cx);
    EXPECT_EQ(expected.cy, item.cy);
    EXPECT_EQ(expected.style, item.style);
    EXPECT_EQ(0u, item.exStyle);
    EXPECT_EQ(0u, item.helpId);
}

INSTANTIATE_TEST_SUITE_P(TabOrder, InstallTemplateControlTest, ::testing::Range<size_t>(0, std::size(kControls)),
                         [](const ::testing::TestParamInfo<size_t>& info) {
                             return std::string(kControls[info.param].name);
                         });

TEST(InstallTemplateResource, IconAndManifest) {
    EXPECT_NE(nullptr, ::FindResourceExA(nullptr, RT_GROUP_ICON, MAKEINTRESOURCEA(IDR_MAINFRAME), kUsEnglish));
    EXPECT_NE(nullptr, ::FindResourceA(nullptr, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST));
}

// The greeting's version line is made from four numbers separated by ", ".
TEST(InstallTemplateResource, VersionEntriesForTheGreeting) {
    EXPECT_TRUE(std::regex_match(OwnVersionString("ProductVersion"), std::regex("[0-9]+, [0-9]+, [0-9]+, [0-9]+")))
        << OwnVersionString("ProductVersion");
    EXPECT_FALSE(OwnVersionString("LegalCopyright").empty());
}

// A control's rectangle as the dialog manager lays it out: position and size each converted.
RECT InPixels(HWND dialog, const TabledControl& expected) {
    RECT units = {expected.x, expected.y, expected.cx, expected.cy};
    ::MapDialogRect(dialog, &units);
    return {units.left, units.top, units.left + units.right, units.top + units.bottom};
}

RECT ChildRect(HWND dialog, HWND child) {
    RECT rect;
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string ClassOf(HWND window) {
    char name[64] = "";
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

// Styles the window keeps while it runs: the list is hidden in the greeting, and its scroll bar
// and border are the list's and the dialog manager's to change.
LONG RunningStyle(const TabledControl& expected, LONG* compared) {
    *compared = -1;
    if (expected.id == IDC_MISSING_LIST) {
        *compared = ~static_cast<LONG>(WS_BORDER | WS_VSCROLL);
        return static_cast<LONG>(expected.style & ~WS_VISIBLE);
    }
    return static_cast<LONG>(expected.style);
}

void ExpectControl(HWND dialog, HWND child, const TabledControl& expected) {
    const std::string what = "control " + std::to_string(expected.id);
    EXPECT_EQ(expected.id, static_cast<int>(static_cast<short>(::GetDlgCtrlID(child)))) << what;
    EXPECT_EQ(0, ::lstrcmpiA(expected.className, ClassOf(child).c_str())) << what << " is a " << ClassOf(child);
    LONG compared;
    const LONG style = RunningStyle(expected, &compared);
    EXPECT_EQ(style & compared, ::GetWindowLongA(child, GWL_STYLE) & compared) << what;
    const RECT laidOut = InPixels(dialog, expected);
    const RECT actual = ChildRect(dialog, child);
    EXPECT_EQ(laidOut.left, actual.left) << what;
    EXPECT_EQ(laidOut.top, actual.top) << what;
    // An icon control takes the size of its icon.
    if (expected.text) {
        EXPECT_EQ(laidOut.right, actual.right) << what;
        EXPECT_EQ(laidOut.bottom, actual.bottom) << what;
    }
}

void ExpectRunningDialog(UiDriver& driver, HWND dialog) {
    EXPECT_EQ("Install Zarvel", driver.Caption(dialog));
    const LONG style = ::GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_EQ(static_cast<LONG>(WS_POPUP | WS_CAPTION | DS_MODALFRAME),
              style & static_cast<LONG>(WS_POPUP | WS_CAPTION | DS_MODALFRAME));
    EXPECT_EQ(0, style & WS_SYSMENU) << "the dialog must have no system menu and no close box";
    EXPECT_NE(0, ::GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW);

    size_t index = 0;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT), ++index) {
        ASSERT_LT(index, std::size(kControls)) << "more controls than the template has";
        ExpectControl(dialog, child, kControls[index]);
    }
    EXPECT_EQ(std::size(kControls), index);

    EXPECT_EQ("Next", driver.ControlText(dialog, IDC_NEXT));
    EXPECT_EQ("Cancel", driver.ControlText(dialog, IDCANCEL));
    EXPECT_TRUE(driver.ListBoxLines(dialog, IDC_MISSING_LIST).empty());
    EXPECT_NE(0, ::SendMessageA(::GetDlgItem(dialog, IDC_STATIC), STM_GETICON, 0, 0)) << "no icon shown";

    LOGFONTA font = {};
    const auto handle = reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0));
    ASSERT_NE(nullptr, handle);
    ASSERT_NE(0, ::GetObjectA(handle, sizeof font, &font));
    EXPECT_STREQ("Microsoft Sans Serif", font.lfFaceName);
    HDC screen = ::GetDC(nullptr);
    EXPECT_EQ(-::MulDiv(8, ::GetDeviceCaps(screen, LOGPIXELSY), 72), font.lfHeight);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(FW_NORMAL, font.lfWeight);
    EXPECT_EQ(0, font.lfItalic);

    RECT placed;
    ::GetWindowRect(dialog, &placed);
    const RECT area = CurrentWorkArea();
    EXPECT_EQ(area.left + (area.right - area.left - (placed.right - placed.left)) / 2, placed.left);
    EXPECT_EQ(area.top + (area.bottom - area.top - (placed.bottom - placed.top)) / 2, placed.top);
}

TEST(InstallTemplateWindow, RunningDialogShowsTheTemplate) {
    InstallDlg dialog;
    const INT_PTR result = RunInstallDialog(dialog, [](UiDriver& driver, HWND window) {
        ExpectRunningDialog(driver, window);
        driver.Press(window, IDCANCEL);
        driver.Press(driver.WaitForMessageBox(), IDYES);
    });
    EXPECT_EQ(0, result);
}

}  // namespace
