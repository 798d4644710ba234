#pragma once

#include "editor/document/DiskVersion.h"
#include "editor/document/TextEncoding.h"

#include <QString>

#include <optional>

namespace editor {

// The document window's document: its file (empty while untitled), whether
// it is saved, and how its bytes map to the editor's text.
struct DocumentState {
    QString CurrentFile;
    bool IsSaved = true;
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnd lineEnd = LineEnd::CrLf;
    // CurrentFile as last read or written here (or as the user last accepted
    // it); nothing while untitled or unknown.
    std::optional<DiskVersion> disk;
};

} // namespace editor
