#pragma once
#include <windows.h>

#include <functional>
#include <string>

// The forms a registry value that the setup reads as text can come in.
enum class Shape {
    Text,             // REG_SZ with its NUL
    Number,           // REG_DWORD whose four bytes spell the text's first three characters and a NUL
    Binary,           // REG_BINARY holding the text and its NUL
    ExpandText,       // REG_EXPAND_SZ
    MultiText,        // REG_MULTI_SZ: the text, then a second string
    MultiEmptyFirst,  // REG_MULTI_SZ whose first string is empty
    Bytes259,         // REG_SZ of 258 characters and a NUL
    Bytes260,         // 259 characters and a NUL: fills the setup's 260-byte buffer exactly
    Bytes261,         // 260 characters and a NUL: one byte too many
    NoNul,            // REG_SZ: the text's bytes only
    Bytes260NoNul,    // REG_SZ: 260 characters, no NUL
};

const char* ShapeName(Shape shape);

struct StoredValue {
    DWORD type;
    std::string bytes;
};

// What a case stores: text is the well-formed value; padded(n) gives a text of n characters for
// the length shapes, chosen by the case so that it means what the case wants.
using Padding = std::function<std::string(size_t length)>;
StoredValue Stored(Shape shape, const std::string& text, const Padding& padded);

// A padding that keeps the text and fills up with the character.
Padding FillAfter(const std::string& text, char fill);
// A padding that puts the character in front of the text.
Padding FillBefore(const std::string& text, char fill);
