#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "DetectData.h"
#include "detect/ModuleVersion.h"
#include "support/Files.h"
#include "support/ScratchDir.h"

namespace {

const DWORD kSignature = 0xFEEF04BD;

void ExpectFixedRecordCleared(const FXAModuleVersion& version) {
    const VS_FIXEDFILEINFO& fixed = version;
    const DWORD* field = &fixed.dwSignature;
    for (size_t i = 0; i < sizeof fixed / sizeof(DWORD); ++i) EXPECT_EQ(0u, field[i]) << "field " << i;
}

// A copy of a built file with the first occurrence of `from` replaced by `to`.
std::string PatchedCopy(const testsupport::ScratchDir& scratch, const std::string& source, const std::string& from,
                        const std::string& to) {
    std::string bytes = testsupport::ReadFileBytes(source);
    const size_t at = bytes.find(from);
    if (at == std::string::npos) throw std::runtime_error("pattern not found in " + source);
    bytes.replace(at, from.size(), to);
    return scratch.Write("patched.exe", bytes);
}

std::string Utf16(const std::string& ascii) {
    std::string wide;
    for (char c : ascii) wide += {c, '\0'};
    return wide;
}

TEST(ModuleVersion, FileWithoutResourceFailsWithAZeroRecord) {
    FXAModuleVersion version;
    EXPECT_FALSE(version.Load(detectdata::File("NoResource.exe").c_str()));
    ExpectFixedRecordCleared(version);
    EXPECT_STREQ("", version.GetVersionString("ProductVersion"));
}

TEST(ModuleVersion, MissingFileFails) {
    FXAModuleVersion version;
    EXPECT_FALSE(version.Load(detectdata::File("NoSuchProgram.exe").c_str()));
    ExpectFixedRecordCleared(version);
    EXPECT_STREQ("", version.GetVersionString("ProductVersion"));
}

TEST(ModuleVersion, FailedLoadClearsWhatAnEarlierLoadRead) {
    FXAModuleVersion version;
    ASSERT_TRUE(version.Load(detectdata::File("Translations.exe").c_str()));
    EXPECT_FALSE(version.Load(detectdata::File("NoResource.exe").c_str()));
    ExpectFixedRecordCleared(version);
}

TEST(ModuleVersion, CopiesTheWholeFixedRecord) {
    FXAModuleVersion version;
    ASSERT_TRUE(version.Load(detectdata::File("Translations.exe").c_str()));
    EXPECT_EQ(kSignature, version.dwSignature);
    EXPECT_EQ(0x00010000u, version.dwStrucVersion);
    EXPECT_EQ(0x00060000u, version.dwFileVersionMS);
    EXPECT_EQ(0x00000001u, version.dwFileVersionLS);
    EXPECT_EQ(0x00060007u, version.dwProductVersionMS);
    EXPECT_EQ(0x00010002u, version.dwProductVersionLS);
    EXPECT_EQ(0x3Fu, version.dwFileFlagsMask);
    EXPECT_EQ(0x2u, version.dwFileFlags);
    EXPECT_EQ(0x40004u, version.dwFileOS);
    EXPECT_EQ(0x1u, version.dwFileType);
    EXPECT_EQ(0u, version.dwFileSubtype);
}

TEST(ModuleVersion, UsesOnlyTheFirstTranslation) {
    FXAModuleVersion version;
    ASSERT_TRUE(version.Load(detectdata::File("Translations.exe").c_str()));
    EXPECT_EQ(0x041D, version.m_wLanguage);
    EXPECT_EQ(1252, version.m_wCodePage);
    EXPECT_STREQ("6, 7, 1, 2", version.GetVersionString("ProductVersion"));
    EXPECT_STREQ("Copyright (C) 2004 Trovek", version.GetVersionString("LegalCopyright"));
    EXPECT_STREQ("", version.GetVersionString("SecondOnly"));
    EXPECT_STREQ("", version.GetVersionString("Comments"));
}

TEST(ModuleVersion, WithoutTranslationTableTheCodePageIs1252) {
    FXAModuleVersion version;
    ASSERT_TRUE(version.Load(detectdata::File("Unicode.exe").c_str()));
    ASSERT_EQ(1200, version.m_wCodePage);
    EXPECT_TRUE(version.Load(detectdata::File("NoTranslation.exe").c_str()));
    EXPECT_EQ(1252, version.m_wCodePage);
    EXPECT_EQ(0x00010002u, version.dwFileVersionMS);
    EXPECT_EQ(0x00030004u, version.dwFileVersionLS);
}

// The library search order looks in the running program's folder, where the data files are built.
TEST(ModuleVersion, BareFileNameIsFoundInTheProgramsFolder) {
    testsupport::ScratchDir elsewhere;
    char previous[MAX_PATH];
    ASSERT_NE(0u, GetCurrentDirectoryA(MAX_PATH, previous));
    ASSERT_TRUE(SetCurrentDirectoryA(elsewhere.Path().c_str()));
    FXAModuleVersion version;
    const BOOL loaded = version.Load("Translations.exe");
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(loaded);
    EXPECT_STREQ("6, 7, 1, 2", version.GetVersionString("ProductVersion"));
}

TEST(ModuleVersion, WrongSignatureFailsButKeepsTheCopiedRecord) {
    testsupport::ScratchDir scratch;
    const std::string good(reinterpret_cast<const char*>(&kSignature), sizeof kSignature);
    const std::string bad("\xBC\x04\xEF\xFE", 4);
    FXAModuleVersion version;
    EXPECT_FALSE(version.Load(PatchedCopy(scratch, detectdata::File("Translations.exe"), good, bad).c_str()));
    EXPECT_EQ(0xFEEF04BCu, version.dwSignature);
    EXPECT_EQ(0x00060000u, version.dwFileVersionMS);
    EXPECT_EQ(0x00000001u, version.dwFileVersionLS);
}

TEST(ModuleVersion, StringWithoutItsNulIsReadToItsLength) {
    testsupport::ScratchDir scratch;
    const std::string terminated = Utf16("abcdefghij") + std::string(2, '\0');
    const std::string unterminated = Utf16("abcdefghijk");
    FXAModuleVersion version;
    ASSERT_TRUE(version.Load(PatchedCopy(scratch, detectdata::File("Translations.exe"), terminated, unterminated).c_str()));
    EXPECT_STREQ("abcdefghijk", version.GetVersionString("Letters"));
}

// In this layout the value is handed out in place: reading on past its length picks up the bytes of
// the next record or of whatever follows the block.
struct BoundedString {
    const char* entry;
    const char* text;
};

class ModuleVersionBounds : public testing::TestWithParam<BoundedString> {};

TEST_P(ModuleVersionBounds, ReadsNoFurtherThanTheValueLength) {
    FXAModuleVersion version;
    ASSERT_TRUE(version.Load(detectdata::File("Unterminated.exe").c_str()));
    ASSERT_EQ(0x041D, version.m_wLanguage);
    ASSERT_EQ(1252, version.m_wCodePage);
    EXPECT_STREQ(GetParam().text, version.GetVersionString(GetParam().entry));
}

INSTANTIATE_TEST_SUITE_P(EightBitLayout, ModuleVersionBounds,
                         testing::Values(BoundedString{"Unterminated", "abcdefghijkl"},
                                         BoundedString{"Declared", "abc"}, BoundedString{"Tail", "wxyz"},
                                         BoundedString{"Missing", ""}));

}  // namespace
