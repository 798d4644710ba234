#include "editor/recovery/RecoveryJournal.h"

#include "core/text/PathBytes.h"
#include "editor/recovery/StoredNames.h"

#include <QByteArray>

#include <array>
#include <cstdlib>
#include <cstring>
#include <map>

namespace editor {

namespace {

constexpr std::string_view kMagic = "Ostra recovery journal 2\n";
constexpr char kRecord = 'R';
// kind, position, length
constexpr std::size_t kRecordHead = 1 + 1 + 8 + 8;

std::optional<long long> number(const std::string& text, int base) {
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long long value = base == 16
                                ? static_cast<long long>(std::strtoull(text.c_str(), &end, 16))
                                : std::strtoll(text.c_str(), &end, 10);
    if (*end != '\0' || errno != 0)
        return std::nullopt;
    return value;
}

void put64(std::string& out, std::uint64_t v) {
    for (int i = 0; i < 8; ++i)
        out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::uint64_t get64(std::string_view in) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(in[static_cast<std::size_t>(i)]);
    return v;
}

// A base is a plain file name in the journal's folder, never a path.
bool validBaseName(const std::string& name) {
    return !name.empty() && name.size() < 200 && name.find('/') == std::string::npos &&
           name != "." && name != ".." && name.find('\0') == std::string::npos;
}

std::string hex(std::uint64_t v) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(v));
    return text;
}

} // namespace

std::uint64_t journalChecksum(std::string_view bytes, std::uint64_t hash) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

std::string encodeJournalHeader(const JournalHeader& h) {
    // The name as bytes, percent-encoded: any byte may be in a file name.
    const QByteArray file = core::pathBytes(h.file).toPercentEncoding("/");
    std::string text(kMagic);
    text += "file: " + file.toStdString() + "\n";
    text += "encoding: " + std::string(storedName(kStoredEncodings, h.encoding)) + "\n";
    text += "line-end: " + std::string(storedName(kStoredLineEnds, h.lineEnd)) + "\n";
    text += "type: " + std::string(storedName(kStoredTypes, h.type)) + "\n";
    text += "base: " + h.baseName + "\n";
    text += "base-length: " + std::to_string(h.baseLength) + "\n";
    text += "base-checksum: " + hex(h.baseChecksum) + "\n";
    text += "file-size: " + std::to_string(h.fileSize) + "\n";
    text += "file-time: " + std::to_string(h.fileTime) + "\n";
    text += "header-checksum: " + hex(journalChecksum(text)) + "\n\n";
    return text;
}

std::string encodeJournalEdit(const JournalEdit& edit) {
    std::string record;
    record.reserve(kRecordHead + edit.text.size() + 8);
    record += kRecord;
    record += static_cast<char>(edit.kind);
    put64(record, edit.position);
    put64(record, edit.length);
    if (edit.kind == JournalEdit::Kind::Insert)
        record.append(edit.text);
    put64(record, journalChecksum(record));
    return record;
}

std::optional<ParsedJournal> parseJournal(std::string_view stored,
                                          const std::function<bool(const JournalEdit&)>& apply) {
    if (stored.substr(0, kMagic.size()) != kMagic)
        return std::nullopt;
    const std::size_t end = stored.find("\n\n", kMagic.size() - 1);
    if (end == std::string_view::npos)
        return std::nullopt;
    std::map<std::string, std::string> fields;
    std::size_t checked = 0; // the header up to its checksum line
    for (std::size_t pos = kMagic.size(); pos < end + 1;) {
        const std::size_t eol = stored.find('\n', pos);
        const std::string_view line = stored.substr(pos, eol - pos);
        const std::size_t colon = line.find(": ");
        if (colon == std::string_view::npos)
            return std::nullopt;
        const std::string key(line.substr(0, colon));
        if (key == "header-checksum")
            checked = pos;
        fields[key] = std::string(line.substr(colon + 2));
        pos = eol + 1;
    }
    ParsedJournal parsed;
    JournalHeader& h = parsed.header;
    const auto headerSum = number(fields["header-checksum"], 16);
    const auto baseLength = number(fields["base-length"], 10);
    const auto baseSum = number(fields["base-checksum"], 16);
    const auto fileSize = number(fields["file-size"], 10);
    const auto fileTime = number(fields["file-time"], 10);
    if (!checked || !headerSum ||
        journalChecksum(stored.substr(0, checked)) != static_cast<std::uint64_t>(*headerSum) ||
        !(validBaseName(fields["base"]) ||
          (fields["base"].empty() && fileSize && *fileSize >= 0)) ||
        !baseLength || *baseLength < 0 || !baseSum || !fileSize || !fileTime ||
        !storedValue(kStoredEncodings, fields["encoding"], h.encoding) ||
        !storedValue(kStoredLineEnds, fields["line-end"], h.lineEnd) ||
        !storedValue(kStoredTypes, fields["type"], h.type) || !fields.count("file"))
        return std::nullopt;
    const QByteArray file =
        QByteArray::fromPercentEncoding(QByteArray::fromStdString(fields["file"]));
    h.file = core::pathFromBytes(
        std::string_view(file.constData(), static_cast<std::size_t>(file.size())));
    h.baseName = fields["base"];
    h.baseLength = static_cast<std::uint64_t>(*baseLength);
    h.baseChecksum = static_cast<std::uint64_t>(*baseSum);
    h.fileSize = *fileSize;
    h.fileTime = *fileTime;

    std::size_t at = end + 2;
    parsed.validBytes = at;
    while (at < stored.size()) {
        const std::string_view rest = stored.substr(at);
        if (rest.size() < kRecordHead + 8 || rest[0] != kRecord)
            break;
        JournalEdit edit;
        edit.kind = static_cast<JournalEdit::Kind>(rest[1]);
        edit.position = get64(rest.substr(2));
        edit.length = get64(rest.substr(10));
        const bool insert = edit.kind == JournalEdit::Kind::Insert;
        if (!insert && edit.kind != JournalEdit::Kind::Delete &&
            edit.kind != JournalEdit::Kind::Type)
            break;
        const std::size_t payload = insert ? static_cast<std::size_t>(edit.length) : 0;
        if (insert && edit.length > rest.size() - kRecordHead - 8)
            break;
        const std::size_t body = kRecordHead + payload;
        if (journalChecksum(rest.substr(0, body)) != get64(rest.substr(body)))
            break;
        if (insert)
            edit.text = rest.substr(kRecordHead, payload);
        if (!apply(edit))
            break;
        at += body + 8;
        parsed.validBytes = at;
        ++parsed.edits;
    }
    parsed.tornTail = parsed.validBytes < stored.size();
    return parsed;
}

bool applyJournalEdit(std::string& text, const JournalEdit& edit) {
    switch (edit.kind) {
    case JournalEdit::Kind::Insert:
        if (edit.position > text.size())
            return false;
        text.insert(static_cast<std::size_t>(edit.position), edit.text);
        return true;
    case JournalEdit::Kind::Delete:
        if (edit.position > text.size() || edit.length > text.size() - edit.position)
            return false;
        text.erase(static_cast<std::size_t>(edit.position), static_cast<std::size_t>(edit.length));
        return true;
    case JournalEdit::Kind::Type:
        return edit.length < 4;
    }
    return false;
}

} // namespace editor
