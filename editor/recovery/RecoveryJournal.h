#pragma once

#include "core/DocumentType.h"
#include "editor/document/TextEncoding.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace editor {

// A recovery journal: what an unsaved document was based on, then every edit
// made since, appended as it happens. The base is the document's file as it
// was read or saved, until a copy of the journal's own replaces it (a moment
// later, off the keys' path); or a file of the text itself. Once the base is
// the journal's own, the document's file may change or go without the edits
// losing their footing.
struct JournalHeader {
    QString file; // CurrentFile; empty while untitled
    TextEncoding encoding = TextEncoding::Utf8;
    LineEnd lineEnd = LineEnd::CrLf;
    core::DocumentType type = core::DocumentType::HTML;
    // The base the edits apply to (a file name in the journal's folder, or
    // empty for the document's file itself), and its bytes' length and checksum.
    std::string baseName;
    std::uint64_t baseLength = 0;
    std::uint64_t baseChecksum = 0; // the base's content digest (platform::ContentDigest)
    // The document's file when the base was taken from it (none for a text base).
    std::int64_t fileSize = -1;
    std::int64_t fileTime = 0; // modification time, nanoseconds
};

// One edit of the text, in bytes of its UTF-8 form.
struct JournalEdit {
    enum class Kind : char { Insert = 'I', Delete = 'D', Type = 'T' };
    Kind kind = Kind::Insert;
    std::uint64_t position = 0;
    std::uint64_t length = 0; // of the insertion or the deletion; the type's index
    std::string_view text;    // what an insertion inserts
};

// 64-bit FNV-1a: cheap, and enough to tell a damaged record.
std::uint64_t journalChecksum(std::string_view bytes, std::uint64_t hash = 14695981039346656037ULL);

std::string encodeJournalHeader(const JournalHeader& header);
// Each record carries its own checksum, so a record cut short by a kill or a
// power failure is recognised; it and anything after it are left out.
std::string encodeJournalEdit(const JournalEdit& edit);

struct ParsedJournal {
    JournalHeader header;
    std::size_t edits = 0; // records read whole
    std::size_t validBytes = 0;
    bool tornTail = false; // bytes after the last whole record
};
// Reads a stored journal; each whole edit goes to `apply`, in order, and the
// reading stops at the first one `apply` refuses (it does not fit the text).
// None when the header is not a journal's.
std::optional<ParsedJournal> parseJournal(std::string_view stored,
                                          const std::function<bool(const JournalEdit&)>& apply);

// Applies an edit to a text held as a string (tests, and the fuzz target's model).
bool applyJournalEdit(std::string& text, const JournalEdit& edit);

} // namespace editor
