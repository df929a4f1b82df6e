#include "afx/AfxString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

// A string built by some CString operations and the text it must hold afterwards.
struct TextCase {
    const char* name;
    std::function<CString()> make;
    std::string expected;
};

std::ostream& operator<<(std::ostream& out, const TextCase& c) { return out << c.name; }

const std::string kLong(5000, 'x');

const TextCase kTextCases[] = {
    {"FormatNumbersAndText", [] { CString s; s.Format("%s=%d, %u", "code", -5, 4000000000u); return s; },
     "code=-5, 4000000000"},
    {"FormatLongerThanAnyFixedBuffer",
     [] { CString s; s.Format("[%s|%d]", kLong.c_str(), 7); return s; }, "[" + kLong + "|7]"},
    {"FormatUsingItsOwnTextAsArgument",
     [] { CString s("abc"); s.Format("%s-%s", static_cast<const char*>(s), static_cast<const char*>(s)); return s; },
     "abc-abc"},
    {"FormatReplacesEarlierText", [] { CString s("previous"); s.Format("%s", ""); return s; }, ""},
    {"FormatTopBitCodeAsSigned", [] { CString s; s.Format("Error %d", static_cast<int>(0x80070005u)); return s; },
     "Error -2147024891"},
    {"FormatKeepsCarriageReturns", [] { CString s; s.Format("%s\r\n", "line"); return s; }, "line\r\n"},
    {"ConcatenateStringsTextsAndCharacters",
     [] { return "<" + CString("a") + "b" + CString("c") + 'd' + ">"; }, "<abcd>"},
    {"AppendInPlace", [] { CString s("C:\\Program Files"); s += "\\Zarvel"; s += '\\'; s += CString("x"); return s; },
     "C:\\Program Files\\Zarvel\\x"},
    {"CopyIsIndependent",
     [] {
         CString original("one");
         CString copy = original;
         copy += " two";
         original = "changed";
         return copy;
     },
     "one two"},
    {"NullTextIsEmpty", [] { return CString(static_cast<const char*>(nullptr)); }, ""},
    {"PartOfATextByLength", [] { return CString("abcdef", 3); }, "abc"},
    {"RepeatedCharacter", [] { return CString('-', 4); }, "----"},
    {"Left", [] { return CString("abcdef").Left(2); }, "ab"},
    {"LeftBeyondTheEnd", [] { return CString("ab").Left(10); }, "ab"},
    {"MidToTheEnd", [] { return CString("abcdef").Mid(4); }, "ef"},
    {"MidWithCount", [] { return CString("abcdef").Mid(1, 3); }, "bcd"},
    {"MidPastTheEnd", [] { return CString("abc").Mid(5); }, ""},
    {"Right", [] { return CString("abcdef").Right(2); }, "ef"},
    {"RightLongerThanText", [] { return CString("ab").Right(5); }, "ab"},
    {"BufferFilledBySystemCall",
     [] {
         CString s;
         std::strcpy(s.GetBuffer(64), "filled");
         s.ReleaseBuffer();
         return s;
     },
     "filled"},
    {"BufferCutToGivenLength",
     [] {
         CString s("abcdef");
         s.GetBuffer(10);
         s.ReleaseBuffer(3);
         return s;
     },
     "abc"},
};

class CStringText : public ::testing::TestWithParam<TextCase> {};

TEST_P(CStringText, HoldsTheExpectedText) {
    const CString result = GetParam().make();
    const char* text = result;  // the conversion every Windows call uses
    EXPECT_EQ(GetParam().expected, std::string(text));
    EXPECT_EQ(static_cast<int>(GetParam().expected.size()), result.GetLength());
    EXPECT_EQ(GetParam().expected.empty(), result.IsEmpty());
    EXPECT_EQ(std::strlen(text), static_cast<size_t>(result.GetLength()));
}

INSTANTIATE_TEST_SUITE_P(Operations, CStringText, ::testing::ValuesIn(kTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Replace and Remove change the string in place and report how many places they changed.
struct EditCase {
    const char* name;
    const char* before;
    std::function<int(CString&)> edit;
    const char* after;
    int count;
};

std::ostream& operator<<(std::ostream& out, const EditCase& c) { return out << c.name; }

const EditCase kEditCases[] = {
    {"VersionWithCommasBecomesDotted", "6, 7, 1, 2", [](CString& s) { return s.Replace(", ", "."); }, "6.7.1.2", 3},
    {"VersionWithoutCommaUnchanged", "6.7.1.2", [](CString& s) { return s.Replace(", ", "."); }, "6.7.1.2", 0},
    {"ReplacementIsNotScannedAgain", "aaa", [](CString& s) { return s.Replace("a", "aa"); }, "aaaaaa", 3},
    {"ReplaceWithNothing", "abXabX", [](CString& s) { return s.Replace("ab", ""); }, "XX", 2},
    {"ReplaceNonOverlappingLeftToRight", "aaaa", [](CString& s) { return s.Replace("aa", "b"); }, "bb", 2},
    {"ReplaceEmptyPatternDoesNothing", "abc", [](CString& s) { return s.Replace("", "x"); }, "abc", 0},
    {"ReplaceInEmptyText", "", [](CString& s) { return s.Replace("a", "b"); }, "", 0},
    {"RemoveEveryBlank", " a b  c ", [](CString& s) { return s.Remove(' '); }, "abc", 5},
    {"RemoveAbsentCharacter", "abc", [](CString& s) { return s.Remove('x'); }, "abc", 0},
    {"EmptyClears", "abc", [](CString& s) { s.Empty(); return 0; }, "", 0},
};

class CStringEdit : public ::testing::TestWithParam<EditCase> {};

TEST_P(CStringEdit, ChangesTextAndCountsPlaces) {
    CString text(GetParam().before);
    const int count = GetParam().edit(text);
    EXPECT_STREQ(GetParam().after, text);
    EXPECT_EQ(GetParam().count, count);
}

INSTANTIATE_TEST_SUITE_P(Operations, CStringEdit, ::testing::ValuesIn(kEditCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct CompareCase {
    const char* a;
    const char* b;
    int sign;         // of Compare
    bool equalNoCase;
};

std::ostream& operator<<(std::ostream& out, const CompareCase& c) { return out << '"' << c.a << "\" vs \"" << c.b << '"'; }

const CompareCase kCompareCases[] = {
    {"abc", "abc", 0, true},
    {"abc", "abd", -1, false},
    {"abd", "abc", 1, false},
    {"ab", "abc", -1, false},
    {"", "", 0, true},
    {"", "a", -1, false},
    {"Program Files", "PROGRAM FILES", 1, true},
    {"Zarvel", "zarvel", -1, true},
};

int Sign(int value) { return (value > 0) - (value < 0); }

class CStringCompare : public ::testing::TestWithParam<CompareCase> {};

TEST_P(CStringCompare, OrdersLikeTheCharacterCodes) {
    const CompareCase& c = GetParam();
    const CString left(c.a);
    const CString right(c.b);
    EXPECT_EQ(c.sign, Sign(left.Compare(right)));
    EXPECT_EQ(c.sign == 0, left == right);
    EXPECT_EQ(c.sign == 0, left == c.b);
    EXPECT_EQ(c.sign == 0, c.a == right);
    EXPECT_EQ(c.sign != 0, left != right);
    EXPECT_EQ(c.sign != 0, left != c.b);
    EXPECT_EQ(c.sign < 0, left < right);
    EXPECT_EQ(c.equalNoCase, left.CompareNoCase(c.b) == 0);
}

INSTANTIATE_TEST_SUITE_P(Pairs, CStringCompare, ::testing::ValuesIn(kCompareCases));

TEST(CStringFind, ReportsPositionsOrMinusOne) {
    const CString text("C:\\Program Files\\Common Files");
    EXPECT_EQ(2, text.Find('\\'));
    EXPECT_EQ(16, text.Find('\\', 3));
    EXPECT_EQ(10, text.Find(" "));
    EXPECT_EQ(-1, text.Find("Zarvel"));
    EXPECT_EQ(-1, text.Find('x'));
    EXPECT_EQ(-1, text.Find('C', 100));
    EXPECT_EQ(0, CString("").Find(""));
}

TEST(CStringAccess, CharactersByIndex) {
    const CString text("ab");
    EXPECT_EQ('a', text[0]);
    EXPECT_EQ('b', text.GetAt(1));
}

} // namespace
