#pragma once

#include "editor/document/DiskVersion.h"
#include "editor/document/SaveOptions.h"
#include "editor/document/TextEncoding.h"

#include <QString>

#include <string_view>

namespace editor {

struct WriteResult {
    bool ok = false;
    TextEncoding encoding = TextEncoding::Utf8; // what was actually written
    QString errorMessage;                       // for the user, when !ok
    DiskVersion version;                        // the file as written, when ok
};

// Writes text (UTF-8, as the editor holds it) to path in the given encoding
// so that a failure or a kill at any moment leaves the old content or the new
// one. Normally a temporary file beside the target, given the target's owner,
// group, permissions and extended attributes, is renamed over it. Where that
// would change the file (hard links, attributes that cannot be copied) or the
// folder takes no new file, the file is written in place after a durable copy
// of its old content (see SaveJournal). A symbolic link is written through to
// its target. A document whose encoding cannot hold the text is written as UTF-8.
WriteResult writeDocument(const QString& path, std::string_view utf8, TextEncoding encoding,
                          const SaveOptions& options = {});

} // namespace editor
