#pragma once

#include "editor/document/FileStamp.h"
#include "editor/document/TextEncoding.h"

#include <QString>

namespace editor {

// The document window's document: its file (empty while untitled), whether
// it is saved, and how its bytes map to the editor's text.
struct DocumentState {
    QString CurrentFile;
    bool IsSaved = true;
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnd lineEnd = LineEnd::CrLf;
    // CurrentFile as it was last read or written: the text equals it while
    // the editor is at its save point.
    FileStamp stamp;
};

} // namespace editor
