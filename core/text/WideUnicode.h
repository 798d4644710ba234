#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace core {

// UTF-16 and UTF-32 in either byte order, as files carry them behind a
// byte-order mark. The editor holds UTF-8; these convert in pieces.
enum class WideForm { Utf16Le, Utf16Be, Utf32Le, Utf32Be };

// The form the byte-order mark at the start of a file names. FF FE 00 00 is
// taken as UTF-32: a UTF-16 file would have to start with U+0000.
std::optional<WideForm> wideFormOfMark(std::string_view start);
std::string_view byteOrderMark(WideForm form);

// Decodes units fed in pieces (a unit or a surrogate pair may be split
// across pieces) to UTF-8. A lone surrogate, a value beyond U+10FFFF or a cut
// unit at the end makes the input invalid: such a file is not read this way.
class WideDecoder {
public:
    explicit WideDecoder(WideForm form) : form_(form) {}
    // Appends the UTF-8 of what is complete to `out` (none: only counts);
    // false once the input cannot be this form.
    bool feed(std::string_view bytes, std::string* out);
    bool finish() const { return valid_ && pendingBytes_ == 0 && highSurrogate_ == 0; }
    // UTF-8 bytes the input fed so far decodes to.
    std::uint64_t decodedBytes() const { return decoded_; }
    WideForm form() const { return form_; }

private:
    void unit(std::uint32_t value, std::string* out);

    WideForm form_;
    bool valid_ = true;
    unsigned char pending_[4] = {};
    int pendingBytes_ = 0;
    std::uint32_t highSurrogate_ = 0;
    std::uint64_t decoded_ = 0;
};

// Appends the form's bytes for UTF-8 text, without a mark; false (and `out`
// unspecified) when the text is not valid UTF-8.
bool encodeWide(std::string_view utf8, WideForm form, std::string& out);

} // namespace core
