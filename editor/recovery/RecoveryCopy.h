#pragma once

#include "core/DocumentType.h"
#include "editor/document/TextEncoding.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace editor {

// What a recovery copy keeps of an unsaved document: enough to put it back
// as it was, file name and encoding included.
struct RecoveryCopy {
    QString file; // CurrentFile; empty while untitled
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnd lineEnd = LineEnd::CrLf;
    core::DocumentType type = core::DocumentType::HTML;
    std::string text; // UTF-8, as the editor holds it
};

// The stored form is a short header of "key: value" lines, a blank line, then
// the text itself. The header carries the text's length and checksum, so a
// copy cut short by a power failure, or damaged, is recognised.
std::string recoveryHeader(const RecoveryCopy& copy);
std::optional<RecoveryCopy> parseRecovery(std::string_view stored);

// 64-bit FNV-1a: cheap, and enough to tell a damaged copy.
std::uint64_t recoveryChecksum(std::string_view text);

} // namespace editor
