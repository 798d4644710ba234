#pragma once

#include "core/DocumentType.h"
#include "editor/document/TextEncoding.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace editor {

// The names recovery files store for each value: each enum once, and every
// value of it, or a copy of a page in that encoding could not be read back.
inline constexpr std::array<std::pair<TextEncoding, std::string_view>, 7> kStoredEncodings{{
    {TextEncoding::Utf8, "utf-8"},
    {TextEncoding::Utf8WithBom, "utf-8-bom"},
    {TextEncoding::Windows1252, "windows-1252"},
    {TextEncoding::Utf16Le, "utf-16le"},
    {TextEncoding::Utf16Be, "utf-16be"},
    {TextEncoding::Utf32Le, "utf-32le"},
    {TextEncoding::Utf32Be, "utf-32be"},
}};
inline constexpr std::array<std::pair<LineEnd, std::string_view>, 3> kStoredLineEnds{{
    {LineEnd::CrLf, "crlf"},
    {LineEnd::Lf, "lf"},
    {LineEnd::Cr, "cr"},
}};
inline constexpr std::array<std::pair<core::DocumentType, std::string_view>, 4> kStoredTypes{{
    {core::DocumentType::HTML, "html"},
    {core::DocumentType::XML, "xml"},
    {core::DocumentType::ASP, "asp"},
    {core::DocumentType::CSS, "css"},
}};

// The stored name of `value` (the table's first for a value it lacks).
template <typename Table, typename Value>
std::string_view storedName(const Table& table, Value value) {
    for (const auto& [v, name] : table) {
        if (v == value)
            return name;
    }
    return table[0].second;
}

// The value stored as `name`; false for a name the table does not hold.
template <typename Table, typename Value>
bool storedValue(const Table& table, const std::string& name, Value& out) {
    for (const auto& [v, n] : table) {
        if (n == name) {
            out = v;
            return true;
        }
    }
    return false;
}

} // namespace editor
