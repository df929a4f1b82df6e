#include "ValueShapes.h"

#include <stdexcept>

namespace {

std::string WithNul(const std::string& text) { return text + '\0'; }

std::string Checked(const std::string& text, size_t length) {
    if (text.size() != length) throw std::logic_error("padding gave " + std::to_string(text.size()) + " characters");
    return text;
}

} // namespace

const char* ShapeName(Shape shape) {
    switch (shape) {
    case Shape::Text: return "Text";
    case Shape::Number: return "Number";
    case Shape::Binary: return "Binary";
    case Shape::ExpandText: return "ExpandText";
    case Shape::MultiText: return "MultiText";
    case Shape::MultiEmptyFirst: return "MultiEmptyFirst";
    case Shape::Bytes259: return "Bytes259";
    case Shape::Bytes260: return "Bytes260";
    case Shape::Bytes261: return "Bytes261";
    case Shape::NoNul: return "NoNul";
    case Shape::Bytes260NoNul: return "Bytes260NoNul";
    }
    return "?";
}

StoredValue Stored(Shape shape, const std::string& text, const Padding& padded) {
    switch (shape) {
    case Shape::Text: return {REG_SZ, WithNul(text)};
    case Shape::Number: return {REG_DWORD, WithNul(text.substr(0, 3)).append(4, '\0').substr(0, 4)};
    case Shape::Binary: return {REG_BINARY, WithNul(text)};
    case Shape::ExpandText: return {REG_EXPAND_SZ, WithNul(text)};
    case Shape::MultiText: return {REG_MULTI_SZ, WithNul(text) + WithNul("second") + '\0'};
    case Shape::MultiEmptyFirst: return {REG_MULTI_SZ, WithNul("") + WithNul(text) + '\0'};
    case Shape::Bytes259: return {REG_SZ, WithNul(Checked(padded(258), 258))};
    case Shape::Bytes260: return {REG_SZ, WithNul(Checked(padded(259), 259))};
    case Shape::Bytes261: return {REG_SZ, WithNul(Checked(padded(260), 260))};
    case Shape::NoNul: return {REG_SZ, text};
    case Shape::Bytes260NoNul: return {REG_SZ, Checked(padded(260), 260)};
    }
    throw std::logic_error("unknown shape");
}

Padding FillAfter(const std::string& text, char fill) {
    return [text, fill](size_t length) { return text + std::string(length - text.size(), fill); };
}

Padding FillBefore(const std::string& text, char fill) {
    return [text, fill](size_t length) { return std::string(length - text.size(), fill) + text; };
}
