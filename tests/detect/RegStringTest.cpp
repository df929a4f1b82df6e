#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "RegistrySetup.h"
#include "afx/Scoped.h"
#include "detect/RegString.h"
#include "support/Registry.h"

namespace {

const char kKey[] = "Software\\ZarvelDetectTest";

struct StoredValue {
    const char* name;
    DWORD type;
    std::string bytes;
    std::string text;  // what GetRegString gives
};

std::string Digits(size_t count) {
    std::string digits;
    for (size_t i = 0; i < count; ++i) digits += static_cast<char>('0' + i % 10);
    return digits;
}

std::string WithNul(const std::string& text) { return text + '\0'; }

// Reads the value from `depth` nested frames down. A read past the value's bytes runs into whatever
// lies above the reader's buffer on the stack; from several depths that is not always a zero.
__attribute__((noinline)) std::string ReadNested(HKEY key, const char* name, int depth) {
    if (depth == 0) {
        const CString text = GetRegString(key, name);
        return std::string(text, static_cast<size_t>(text.GetLength()));
    }
    volatile char frame[40];
    frame[0] = static_cast<char>(depth);
    std::string text = ReadNested(key, name, depth - 1);
    // Touched after the call, so the frame stays and each depth really is one frame further down.
    frame[1] = frame[0];
    return text;
}

class RegStringRead : public testing::TestWithParam<StoredValue> {
protected:
    void SetUp() override { ClaimAbsentKey(m_cleanup, HKEY_CURRENT_USER, kKey); }
    testsupport::RegKeyCleanup m_cleanup;
};

TEST_P(RegStringRead, GivesTheTextUpToItsFirstNul) {
    const StoredValue& value = GetParam();
    SetExactRegValue(HKEY_CURRENT_USER, kKey, value.name, value.type, value.bytes);
    ScopedRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Open(HKEY_CURRENT_USER, kKey, KEY_READ));
    for (int depth = 0; depth < 8; ++depth)
        EXPECT_EQ(value.text, ReadNested(key.Get(), value.name, depth)) << "read " << depth << " frames down";
}

// The buffer holds 260 bytes: a value that fills it exactly, with or without its NUL, still reads;
// one byte more and it does not fit.
INSTANTIATE_TEST_SUITE_P(
    Values, RegStringRead,
    testing::Values(StoredValue{"Text", REG_SZ, WithNul("2.8"), "2.8"},
                    StoredValue{"Empty", REG_SZ, WithNul(""), ""},
                    StoredValue{"NoBytes", REG_SZ, "", ""},
                    StoredValue{"NoNul", REG_SZ, "2.8", "2.8"},
                    StoredValue{"EmbeddedNul", REG_SZ, std::string("2.8\0" "9.9", 8), "2.8"},
                    StoredValue{"Expandable", REG_EXPAND_SZ, WithNul("%SystemRoot%\\x"), "%SystemRoot%\\x"},
                    StoredValue{"Several", REG_MULTI_SZ, std::string("first\0second\0", 14), "first"},
                    StoredValue{"Bytes259", REG_SZ, WithNul(Digits(258)), Digits(258)},
                    StoredValue{"Bytes260", REG_SZ, WithNul(Digits(259)), Digits(259)},
                    StoredValue{"Bytes260NoNul", REG_SZ, Digits(260), Digits(260)},
                    StoredValue{"Bytes261", REG_SZ, WithNul(Digits(260)), ""}),
    [](const testing::TestParamInfo<StoredValue>& info) { return std::string(info.param.name); });

// A number or raw bytes read as text would pass for a version or a folder.
INSTANTIATE_TEST_SUITE_P(
    NotText, RegStringRead,
    testing::Values(StoredValue{"Number", REG_DWORD, std::string("\x38\x00\x00\x00", 4), ""},
                    StoredValue{"Binary", REG_BINARY, WithNul("2.8"), ""}),
    [](const testing::TestParamInfo<StoredValue>& info) { return std::string(info.param.name); });

TEST(RegStringMissing, MissingValueGivesEmptyText) {
    testsupport::RegKeyCleanup cleanup;
    ClaimAbsentKey(cleanup, HKEY_CURRENT_USER, kKey);
    testsupport::SetRegString(HKEY_CURRENT_USER, kKey, "Other", "2.8");
    ScopedRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Open(HKEY_CURRENT_USER, kKey, KEY_READ));
    EXPECT_STREQ("", GetRegString(key.Get(), "Path"));
}

}  // namespace
