#pragma once

#include "editor/document/TextEncoding.h"

#include <functional>
#include <string_view>

namespace editor {

// The encoding a text is written in: the one asked for, or UTF-8 when that
// one cannot hold the text (a character Windows-1252 lacks), so that no
// character is ever replaced.
TextEncoding writableEncoding(std::string_view utf8, TextEncoding encoding);

// Hands the bytes of utf8 in an encoding that can hold it (byte-order mark
// first) to `out`, in pieces of about a megabyte; stops at the first false.
using PieceSink = std::function<bool(std::string_view)>;
bool encodeInPieces(std::string_view utf8, TextEncoding encoding, const PieceSink& out);

} // namespace editor
