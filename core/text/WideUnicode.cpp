#include "core/text/WideUnicode.h"

#include "core/text/Utf8.h"

namespace core {

namespace {

int unitSize(WideForm form) {
    return form == WideForm::Utf16Le || form == WideForm::Utf16Be ? 2 : 4;
}

bool littleEndian(WideForm form) {
    return form == WideForm::Utf16Le || form == WideForm::Utf32Le;
}

int utf8Length(char32_t c) {
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

void appendUnit(std::string& out, std::uint32_t value, WideForm form) {
    const int size = unitSize(form);
    for (int i = 0; i < size; ++i) {
        const int shift = 8 * (littleEndian(form) ? i : size - 1 - i);
        out += static_cast<char>((value >> shift) & 0xFF);
    }
}

} // namespace

std::optional<WideForm> wideFormOfMark(std::string_view start) {
    if (start.substr(0, 4) == std::string_view("\xFF\xFE\0\0", 4))
        return WideForm::Utf32Le;
    if (start.substr(0, 4) == std::string_view("\0\0\xFE\xFF", 4))
        return WideForm::Utf32Be;
    if (start.substr(0, 2) == "\xFF\xFE")
        return WideForm::Utf16Le;
    if (start.substr(0, 2) == "\xFE\xFF")
        return WideForm::Utf16Be;
    return std::nullopt;
}

std::string_view byteOrderMark(WideForm form) {
    switch (form) {
    case WideForm::Utf16Le:
        return "\xFF\xFE";
    case WideForm::Utf16Be:
        return "\xFE\xFF";
    case WideForm::Utf32Le:
        return std::string_view("\xFF\xFE\0\0", 4);
    case WideForm::Utf32Be:
        break;
    }
    return std::string_view("\0\0\xFE\xFF", 4);
}

void WideDecoder::unit(std::uint32_t value, std::string* out) {
    char32_t c = value;
    if (unitSize(form_) == 2) {
        if (highSurrogate_ != 0) {
            if (value < 0xDC00 || value > 0xDFFF) {
                valid_ = false;
                return;
            }
            c = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (value - 0xDC00);
            highSurrogate_ = 0;
        } else if (value >= 0xD800 && value <= 0xDBFF) {
            highSurrogate_ = value;
            return;
        } else if (value >= 0xDC00 && value <= 0xDFFF) {
            valid_ = false;
            return;
        }
    } else if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        valid_ = false;
        return;
    }
    decoded_ += static_cast<std::uint64_t>(utf8Length(c));
    if (out)
        appendUtf8(*out, c);
}

bool WideDecoder::feed(std::string_view bytes, std::string* out) {
    const int size = unitSize(form_);
    for (const char byte : bytes) {
        if (!valid_)
            return false;
        pending_[pendingBytes_++] = static_cast<unsigned char>(byte);
        if (pendingBytes_ < size)
            continue;
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i)
            value |= std::uint32_t{pending_[i]} << (8 * (littleEndian(form_) ? i : size - 1 - i));
        pendingBytes_ = 0;
        unit(value, out);
    }
    return valid_;
}

bool encodeWide(std::string_view utf8, WideForm form, std::string& out) {
    out.reserve(out.size() + utf8.size() * static_cast<size_t>(unitSize(form)));
    for (size_t pos = 0; pos < utf8.size();) {
        const auto c = decodeUtf8(utf8, pos);
        if (!c)
            return false;
        if (unitSize(form) == 4 || *c < 0x10000) {
            appendUnit(out, *c, form);
        } else {
            appendUnit(out, 0xD800 + ((*c - 0x10000) >> 10), form);
            appendUnit(out, 0xDC00 + ((*c - 0x10000) & 0x3FF), form);
        }
    }
    return true;
}

} // namespace core
