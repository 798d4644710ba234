#include "editor/Utf8Validator.h"

namespace editor {

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

} // namespace editor
