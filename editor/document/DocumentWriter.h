#pragma once

#include "editor/document/TextEncoding.h"

#include <QString>

#include <string_view>

namespace editor {

struct WriteResult {
    bool ok = false;
    TextEncoding encoding = TextEncoding::Utf8; // what was actually written
    QString errorMessage;                       // for the user, when !ok
};

// Writes text (UTF-8, as the editor holds it) to path in the given encoding,
// atomically: a temporary file in the same folder is renamed over the target,
// so a failed save leaves the old file untouched. A symbolic link is written
// through to its target; the target keeps its permissions. A Windows-1252
// document holding a character that code page lacks is written as UTF-8.
WriteResult writeDocument(const QString& path, std::string_view utf8, TextEncoding encoding);

} // namespace editor
