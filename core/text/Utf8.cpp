#include "core/text/Utf8.h"

namespace core {

bool Utf8Validator::feed(std::string_view bytes) {
    if (!valid_)
        return false;
    for (const char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        if (pending_ > 0) {
            if (b < lower_ || b > upper_) {
                valid_ = false;
                return false;
            }
            --pending_;
            lower_ = 0x80;
            upper_ = 0xBF;
            continue;
        }
        if (b < 0x80)
            continue;
        if (b >= 0xC2 && b <= 0xDF) {
            pending_ = 1;
        } else if (b >= 0xE0 && b <= 0xEF) {
            pending_ = 2;
            if (b == 0xE0)
                lower_ = 0xA0; // no overlong three-byte forms
            else if (b == 0xED)
                upper_ = 0x9F; // no surrogates
        } else if (b >= 0xF0 && b <= 0xF4) {
            pending_ = 3;
            if (b == 0xF0)
                lower_ = 0x90;
            else if (b == 0xF4)
                upper_ = 0x8F; // nothing beyond U+10FFFF
        } else {
            valid_ = false;
            return false;
        }
    }
    return true;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::optional<char32_t> decodeUtf8(std::string_view s, size_t& pos) {
    if (pos >= s.size())
        return std::nullopt;
    const auto b0 = static_cast<unsigned char>(s[pos]);
    // The lead bytes the validator accepts: C0, C1 and F5..FF start only
    // overlong forms or code points beyond U+10FFFF.
    const int extra = b0 < 0x80                  ? 0
                      : b0 >= 0xC2 && b0 <= 0xDF ? 1
                      : b0 >= 0xE0 && b0 <= 0xEF ? 2
                      : b0 >= 0xF0 && b0 <= 0xF4 ? 3
                                                 : -1;
    if (extra < 0 || pos + static_cast<size_t>(extra) >= s.size())
        return std::nullopt;
    char32_t cp = extra == 0 ? b0 : b0 & (0x3F >> extra);
    for (int i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + static_cast<size_t>(i)]);
        if ((b & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond U+10FFFF are malformed.
    if ((extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000) || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    pos += static_cast<size_t>(extra) + 1;
    return cp;
}

} // namespace core
