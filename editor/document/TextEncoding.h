#pragma once

#include "core/text/WideUnicode.h"

#include <optional>

namespace editor {

// How a document's bytes map to its text. Saving writes the encoding the file
// was read in, so an unchanged document always saves to the identical bytes.
// The wide forms are read only behind their byte-order mark, and written with it.
enum class TextEncoding { Utf8, Utf8WithBom, Windows1252, Utf16Le, Utf16Be, Utf32Le, Utf32Be };

// The line end the editor inserts for Enter: the first one found in the file.
enum class LineEnd { CrLf, Lf, Cr };

inline std::optional<core::WideForm> wideForm(TextEncoding encoding) {
    switch (encoding) {
    case TextEncoding::Utf16Le:
        return core::WideForm::Utf16Le;
    case TextEncoding::Utf16Be:
        return core::WideForm::Utf16Be;
    case TextEncoding::Utf32Le:
        return core::WideForm::Utf32Le;
    case TextEncoding::Utf32Be:
        return core::WideForm::Utf32Be;
    default:
        return std::nullopt;
    }
}

inline TextEncoding encodingOf(core::WideForm form) {
    switch (form) {
    case core::WideForm::Utf16Le:
        return TextEncoding::Utf16Le;
    case core::WideForm::Utf16Be:
        return TextEncoding::Utf16Be;
    case core::WideForm::Utf32Le:
        return TextEncoding::Utf32Le;
    case core::WideForm::Utf32Be:
        break;
    }
    return TextEncoding::Utf32Be;
}

} // namespace editor
