// Registry values that the setup reads as text, stored in every form they can come in: the wrong
// type, at and around the 260-byte buffer, without their NUL. Each read must end on the reader's
// absent road or read exactly the text stored, never past it, and never show a box it should not.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Application.h"
#include "LogTail.h"
#include "SavedRegValue.h"
#include "StackNoise.h"
#include "ValueShapes.h"
#include "afx/Scoped.h"
#include "detect/RegString.h"
#include "support/DriverThread.h"
#include "support/Files.h"
#include "support/Paths.h"
#include "support/ScratchDir.h"
#include "support/UiDriver.h"
#include "ui/InstallDlg.h"

using namespace testsupport;

namespace {

struct PresenceRow {
    Shape shape;
    bool present;
};

struct TextRow {
    Shape shape;
    std::string expected;
};

template <typename Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return ShapeName(info.param.shape);
}

// Runs a prerequisite test with a person watching the screen: any box it shows fails the case.
bool WithoutAnyBox(bool (InstallDlg::*test)()) {
    UiDriver driver;
    DriverThread watcher(driver, [](UiDriver&) {});
    InstallDlg dialog;
    const bool result = (dialog.*test)();
    watcher.Join();
    return result;
}

// ---- GetRegString: the text itself

const std::string kText = "2.8";
const Padding kTextPadding = FillAfter(kText, 'x');

class RegStringShapes : public ::testing::TestWithParam<TextRow> {};

TEST_P(RegStringShapes, ReadsTheStoredTextOrNothing) {
    const std::string subKey = "Software\\ZarvelHardening\\RegString";
    SavedRegValue value(HKEY_CURRENT_USER, subKey, "v");
    const StoredValue stored = Stored(GetParam().shape, kText, kTextPadding);
    value.Set(stored.type, stored.bytes);
    ScopedRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Open(HKEY_CURRENT_USER, subKey.c_str(), KEY_READ));

    FillStackWithNoise();
    const CString text = GetRegString(key.Get(), "v");

    EXPECT_EQ(GetParam().expected, std::string(text.GetString(), text.GetLength()));
}

INSTANTIATE_TEST_SUITE_P(Values, RegStringShapes,
                         ::testing::Values(TextRow{Shape::Text, kText}, TextRow{Shape::Number, ""},
                                           TextRow{Shape::Binary, ""}, TextRow{Shape::ExpandText, kText},
                                           TextRow{Shape::MultiText, kText}, TextRow{Shape::MultiEmptyFirst, ""},
                                           TextRow{Shape::Bytes259, kTextPadding(258)},
                                           TextRow{Shape::Bytes260, kTextPadding(259)}, TextRow{Shape::Bytes261, ""},
                                           TextRow{Shape::NoNul, kText},
                                           TextRow{Shape::Bytes260NoNul, kTextPadding(260)}),
                         RowName<TextRow>);

// ---- MDAC: "FullInstallVer", present above 2.7

class MdacVersionShapes : public ::testing::TestWithParam<PresenceRow> {};

TEST_P(MdacVersionShapes, CountsAsPresentOnlyForAReadableVersion) {
    SavedRegValue value(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\DataAccess", "FullInstallVer");
    const StoredValue stored = Stored(GetParam().shape, "2.8", FillAfter("2.8", 'x'));
    value.Set(stored.type, stored.bytes);

    EXPECT_EQ(GetParam().present, WithoutAnyBox(&InstallDlg::IsMdacInstalled));
}

INSTANTIATE_TEST_SUITE_P(Values, MdacVersionShapes,
                         ::testing::Values(PresenceRow{Shape::Text, true}, PresenceRow{Shape::Number, false},
                                           PresenceRow{Shape::Binary, false}, PresenceRow{Shape::ExpandText, true},
                                           PresenceRow{Shape::MultiText, true},
                                           PresenceRow{Shape::MultiEmptyFirst, false},
                                           PresenceRow{Shape::Bytes259, true}, PresenceRow{Shape::Bytes260, true},
                                           PresenceRow{Shape::Bytes261, false}, PresenceRow{Shape::NoNul, true},
                                           PresenceRow{Shape::Bytes260NoNul, true}),
                         RowName<PresenceRow>);

// ---- IsoView: "Path", the folder of IsoEngine6.exe (version 7.1.0.0)

class IsoViewPathShapes : public ::testing::TestWithParam<PresenceRow> {};

TEST_P(IsoViewPathShapes, FindsTheEngineOnlyThroughAReadablePath) {
    ScratchDir engine;
    engine.CopyIn(JoinPath(WinPath(HARDENING_FIXTURES_DIR), "Good.exe"), "IsoEngine6.exe");
    SavedRegValue value(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\IsoView600",
                        "Path");
    const StoredValue stored = Stored(GetParam().shape, engine.Path(), FillAfter(engine.Path(), 'x'));
    value.Set(stored.type, stored.bytes);

    EXPECT_EQ(GetParam().present, WithoutAnyBox(&InstallDlg::IsIsoViewInstalled));
}

INSTANTIATE_TEST_SUITE_P(Values, IsoViewPathShapes,
                         ::testing::Values(PresenceRow{Shape::Text, true}, PresenceRow{Shape::Number, false},
                                           PresenceRow{Shape::Binary, false}, PresenceRow{Shape::ExpandText, true},
                                           PresenceRow{Shape::MultiText, true},
                                           PresenceRow{Shape::MultiEmptyFirst, false},
                                           PresenceRow{Shape::Bytes259, false}, PresenceRow{Shape::Bytes260, false},
                                           PresenceRow{Shape::Bytes261, false}, PresenceRow{Shape::NoNul, true},
                                           PresenceRow{Shape::Bytes260NoNul, false}),
                         RowName<PresenceRow>);

// ---- Acrobat Reader: class id, version and server, one of them in the shape of the row

const std::string kClassId = "{6D0C4E2A-9B1F-4C3E-8A57-2E9F0B1D7C35}";

enum class AcrobatValue { ClassId, Version, Server };

// A registered Acrobat Reader 9.0 whose server program exists, with one value stored in a shape.
class AcrobatRegistration {
public:
    AcrobatRegistration(AcrobatValue shaped, Shape shape)
        : m_classId(HKEY_CLASSES_ROOT, "AcroExch.Document\\CLSID", ""),
          m_version(HKEY_CLASSES_ROOT, "CLSID\\" + kClassId + "\\AcrobatVersion", ""),
          m_server(HKEY_CLASSES_ROOT, "CLSID\\" + kClassId + "\\LocalServer32", ""),
          m_serverPath(m_files.Write("Reader\\AcroRd32.exe", "server")) {
        Store(m_classId, shaped == AcrobatValue::ClassId, shape, kClassId, FillAfter(kClassId, 'x'));
        Store(m_version, shaped == AcrobatValue::Version, shape, "9.0", FillAfter("9.0", 'x'));
        // Quotes are removed from the server path, so quotes in front keep it naming the file.
        Store(m_server, shaped == AcrobatValue::Server, shape, m_serverPath, FillBefore(m_serverPath, '"'));
    }
    ~AcrobatRegistration() = default;
    AcrobatRegistration(const AcrobatRegistration&) = delete;
    AcrobatRegistration& operator=(const AcrobatRegistration&) = delete;

private:
    static void Store(const SavedRegValue& value, bool shaped, Shape shape, const std::string& text,
                      const Padding& padded) {
        const StoredValue stored = Stored(shaped ? shape : Shape::Text, text, padded);
        value.Set(stored.type, stored.bytes);
    }

    ScratchDir m_files;
    SavedRegValue m_classId;
    SavedRegValue m_version;
    SavedRegValue m_server;
    std::string m_serverPath;
};

struct AcrobatRow {
    AcrobatValue value;
    Shape shape;
    bool present;
};

class AcrobatValueShapes : public ::testing::TestWithParam<AcrobatRow> {};

TEST_P(AcrobatValueShapes, CountsAsPresentOnlyWhenAllThreeRead) {
    const AcrobatRow row = GetParam();
    const AcrobatRegistration registration(row.value, row.shape);

    EXPECT_EQ(row.present, WithoutAnyBox(&InstallDlg::IsAcrobatInstalled));
}

std::vector<AcrobatRow> AcrobatRows() {
    // Only the version and the server mean the same when padded; a padded class id names no class.
    const struct {
        AcrobatValue value;
        bool paddedMeansTheSame;
    } values[] = {{AcrobatValue::ClassId, false}, {AcrobatValue::Version, true}, {AcrobatValue::Server, true}};
    std::vector<AcrobatRow> rows;
    for (const auto& value : values) {
        const bool padded = value.paddedMeansTheSame;
        for (const PresenceRow& shape : {PresenceRow{Shape::Text, true}, PresenceRow{Shape::Number, false},
                                         PresenceRow{Shape::Binary, false}, PresenceRow{Shape::ExpandText, true},
                                         PresenceRow{Shape::MultiText, true}, PresenceRow{Shape::MultiEmptyFirst, false},
                                         PresenceRow{Shape::Bytes259, padded}, PresenceRow{Shape::Bytes260, padded},
                                         PresenceRow{Shape::Bytes261, false}, PresenceRow{Shape::NoNul, true},
                                         PresenceRow{Shape::Bytes260NoNul, padded}})
            rows.push_back({value.value, shape.shape, shape.present});
    }
    return rows;
}

const char* AcrobatValueName(AcrobatValue value) {
    switch (value) {
    case AcrobatValue::ClassId: return "ClassId";
    case AcrobatValue::Version: return "Version";
    case AcrobatValue::Server: return "Server";
    }
    return "?";
}

INSTANTIATE_TEST_SUITE_P(Values, AcrobatValueShapes, ::testing::ValuesIn(AcrobatRows()),
                         [](const ::testing::TestParamInfo<AcrobatRow>& info) {
                             return std::string(AcrobatValueName(info.param.value)) + "_" + ShapeName(info.param.shape);
                         });

// A server path of 260 characters without a NUL that names no file: read whole, looked up, reported.
TEST(AcrobatServerOfFullBuffer, NamingNoFileShowsTheRemovedMessage) {
    const AcrobatRegistration registration(AcrobatValue::Version, Shape::Text);
    SavedRegValue server(HKEY_CLASSES_ROOT, "CLSID\\" + kClassId + "\\LocalServer32", "");
    const StoredValue stored = Stored(Shape::Bytes260NoNul, "C:\\", FillAfter("C:\\", 'x'));
    server.Set(stored.type, stored.bytes);

    UiDriver driver;
    std::string message;
    DriverThread person(driver, [&message](UiDriver& ui) {
        HWND box = ui.WaitForMessageBox();
        message = ui.MessageText(box);
        ui.Press(box, IDOK);
    });
    InstallDlg dialog;
    const bool present = dialog.IsAcrobatInstalled();
    person.Join();

    EXPECT_FALSE(present);
    EXPECT_EQ("The Acrobat Reader has been installed, but has been removed from the disk.", message);
}

// ---- "install.SourceDir": the read-back of the source folder

class SourceDirShapes : public ::testing::TestWithParam<PresenceRow> {};

TEST_P(SourceDirShapes, ReadsBackOnlyANonEmptyText) {
    SavedRegValue value(HKEY_LOCAL_MACHINE, "SOFTWARE\\Trovek\\ZarvelCdView", "install.SourceDir");
    const StoredValue stored = Stored(GetParam().shape, "C:\\medium", FillAfter("C:\\medium\\", 'x'));
    value.Set(stored.type, stored.bytes);

    EXPECT_EQ(GetParam().present, TheApp().IsSourceDirRegistered());
}

INSTANTIATE_TEST_SUITE_P(Values, SourceDirShapes,
                         ::testing::Values(PresenceRow{Shape::Text, true}, PresenceRow{Shape::Number, false},
                                           PresenceRow{Shape::Binary, false}, PresenceRow{Shape::ExpandText, true},
                                           PresenceRow{Shape::MultiText, true},
                                           PresenceRow{Shape::MultiEmptyFirst, false},
                                           PresenceRow{Shape::Bytes259, true}, PresenceRow{Shape::Bytes260, true},
                                           PresenceRow{Shape::Bytes261, false}, PresenceRow{Shape::NoNul, true},
                                           PresenceRow{Shape::Bytes260NoNul, true}),
                         RowName<PresenceRow>);

// ---- .NET Framework "InstallRoot": accepted only as REG_SZ or REG_EXPAND_SZ (unexpanded) that fits
// the buffer and ends with its NUL

const std::string kRoot = "%SystemRoot%\\Microsoft.NET\\Framework64\\";
const Padding kRootPadding = FillAfter(kRoot, 'x');

class FrameworkRootShapes : public ::testing::TestWithParam<TextRow> {};

TEST_P(FrameworkRootShapes, IsTheStoredTextOrEmptyAndIsLogged) {
    SavedRegValue value(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\.NETFramework", "InstallRoot");
    const StoredValue stored = Stored(GetParam().shape, kRoot, kRootPadding);
    value.Set(stored.type, stored.bytes);
    const LogTail log;

    FillStackWithNoise();
    const CString root = TheApp().GetFrameworkInstallRoot();

    EXPECT_EQ(GetParam().expected, std::string(root.GetString(), root.GetLength()));
    EXPECT_NE(std::string::npos, log.Added().find(": Detected Framework path: " + GetParam().expected + "\r\n"))
        << log.Added();
}

INSTANTIATE_TEST_SUITE_P(Values, FrameworkRootShapes,
                         ::testing::Values(TextRow{Shape::Text, kRoot}, TextRow{Shape::Number, ""},
                                           TextRow{Shape::Binary, ""}, TextRow{Shape::ExpandText, kRoot},
                                           TextRow{Shape::MultiText, ""}, TextRow{Shape::MultiEmptyFirst, ""},
                                           TextRow{Shape::Bytes259, kRootPadding(258)},
                                           TextRow{Shape::Bytes260, kRootPadding(259)}, TextRow{Shape::Bytes261, ""},
                                           TextRow{Shape::NoNul, ""}, TextRow{Shape::Bytes260NoNul, ""}),
                         RowName<TextRow>);

} // namespace
