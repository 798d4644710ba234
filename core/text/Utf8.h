#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// Strict UTF-8 check fed in pieces: a sequence may be split across pieces.
// Overlong forms, surrogates and code points beyond U+10FFFF are invalid.
class Utf8Validator {
public:
    // Returns false once the input seen so far cannot be UTF-8.
    bool feed(std::string_view bytes);
    // True when everything fed is valid and no sequence is left unfinished.
    bool finish() const { return valid_ && pending_ == 0; }

private:
    bool valid_ = true;
    int pending_ = 0;           // continuation bytes still expected
    std::uint8_t lower_ = 0x80; // allowed range of the next continuation byte
    std::uint8_t upper_ = 0xBF;
};

// Appends the UTF-8 form of a Unicode scalar value (up to U+10FFFF).
void appendUtf8(std::string& out, char32_t codePoint);

// Decodes one code point at pos and advances pos past it; nothing for a
// malformed or cut sequence, as strict as Utf8Validator: overlong forms,
// surrogates and code points beyond U+10FFFF are malformed (pos then stays).
std::optional<char32_t> decodeUtf8(std::string_view s, size_t& pos);

} // namespace core
