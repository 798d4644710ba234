#pragma once

namespace editor {

// How a document's bytes map to its text. Saving writes the encoding the file
// was read in, so an unchanged document always saves to the identical bytes.
enum class TextEncoding { Utf8, Utf8WithBom, Windows1252 };

// The line end the editor inserts for Enter: the first one found in the file.
enum class LineEnd { CrLf, Lf, Cr };

} // namespace editor
