#pragma once

#include <cstdint>
#include <optional>

namespace core {

// Windows-1252 as a total byte <-> character mapping: the five bytes the code
// page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of
// the same value, so every byte decodes and encodes back to itself.
char32_t windows1252ToUnicode(std::uint8_t byte);
std::optional<std::uint8_t> unicodeToWindows1252(char32_t codePoint);

} // namespace core
