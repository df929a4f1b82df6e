#include "diag/SystemText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The system's own text for a code, fetched the plain way; empty when it has none.
std::string SystemMessage(DWORD code) {
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string message = length && text ? std::string(text, length) : std::string();
    if (text) ::LocalFree(text);
    return message;
}

std::string LastErrorText(DWORD code) {
    ::SetLastError(code);
    return static_cast<const char*>(FormatLastError());
}

TEST(FormatLastError, AccessDeniedWithTheSystemText) {
    const std::string system = SystemMessage(ERROR_ACCESS_DENIED);
    ASSERT_GE(system.size(), 2u);
    ASSERT_EQ("\r\n", system.substr(system.size() - 2));
    EXPECT_EQ("Error 5: " + system, LastErrorText(ERROR_ACCESS_DENIED));
}

TEST(FormatLastError, TextWithInsertMarkersKeepsThem) {
    const std::string system = SystemMessage(ERROR_BAD_EXE_FORMAT);
    ASSERT_NE(std::string::npos, system.find("%1")) << "the system text for 193 has no insert marker: " << system;
    EXPECT_EQ("Error 193: " + system, LastErrorText(ERROR_BAD_EXE_FORMAT));
}

TEST(FormatLastError, CodeWithoutSystemTextGetsAReadableText) {
    const DWORD code = 12345678;
    ASSERT_EQ("", SystemMessage(code));
    EXPECT_EQ("Error 12345678: No description is available for this error.\r\n", LastErrorText(code));
}

TEST(FormatLastError, CodeWithTheTopBitSetPrintsNegative) {
    const std::string text = LastErrorText(0x80070005u);
    EXPECT_EQ("Error -2147024891: ", text.substr(0, 19)) << text;
    EXPECT_EQ("\r\n", text.substr(text.size() - 2)) << text;
}

TEST(FormatLastError, NeverLongerThan255Characters) {
    for (DWORD code = 0; code < 16000; ++code) {
        const std::string text = LastErrorText(code);
        ASSERT_LE(text.size(), 255u) << code;
        ASSERT_EQ(0u, text.rfind("Error " + std::to_string(code) + ": ", 0)) << text;
    }
}

TEST(ErrorText, LongSystemTextIsCutAt255Characters) {
    const std::string longText(400, 'x');
    const std::string text = static_cast<const char*>(ErrorText(5, longText.c_str()));
    EXPECT_EQ(255u, text.size());
    EXPECT_EQ("Error 5: " + longText.substr(0, 255 - 9), text);
}

TEST(ErrorText, TextThatJustFitsIsKept) {
    const std::string fits(255 - 9, 'y');
    EXPECT_EQ("Error 5: " + fits, std::string(ErrorText(5, fits.c_str())));
}

} // namespace
