#pragma once

#include "editor/document/SaveOptions.h"
#include "editor/document/TextEncoding.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string_view>

#include <sys/stat.h>

namespace editor {

// One way of writing a file's new content; `reason` says why it failed.
struct Written {
    bool ok = false;
    QString reason;
    QString oldContentKeptIn; // when a failed write could not be undone
    struct stat st {};
    std::uint64_t digest = 0;
};

// Writes into the file itself, which keeps everything that makes it that
// file. A copy of the old content is durable first and stays until the new
// content is; a failed write puts the old content back.
Written writeInPlace(const QByteArray& target, std::string_view utf8, TextEncoding encoding,
                     const SaveOptions& options);

} // namespace editor
