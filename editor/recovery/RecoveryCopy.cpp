#include "editor/recovery/RecoveryCopy.h"

#include "core/text/PathBytes.h"
#include "editor/recovery/RecoveryJournal.h"
#include "editor/recovery/StoredNames.h"

#include <QByteArray>

#include <array>
#include <cstdlib>
#include <map>

namespace editor {

namespace {

constexpr std::string_view kMagic = "Ostra recovery copy 1\n";

std::optional<std::uint64_t> number(const std::string& text, int base) {
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text.c_str(), &end, base);
    if (*end != '\0')
        return std::nullopt;
    return value;
}

} // namespace

std::uint64_t recoveryChecksum(std::string_view text) {
    // The same FNV-1a as the journal's records.
    return journalChecksum(text);
}

std::string recoveryHeader(const RecoveryCopy& copy) {
    // The name as bytes, percent-encoded: any byte may be in a file name.
    const QByteArray file = core::pathBytes(copy.file).toPercentEncoding("/");
    std::string header(kMagic);
    header += "file: " + file.toStdString() + "\n";
    header += "encoding: " + std::string(storedName(kStoredEncodings, copy.encoding)) + "\n";
    header += "line-end: " + std::string(storedName(kStoredLineEnds, copy.lineEnd)) + "\n";
    header += "type: " + std::string(storedName(kStoredTypes, copy.type)) + "\n";
    header += "length: " + std::to_string(copy.text.size()) + "\n";
    char checksum[17];
    std::snprintf(checksum, sizeof checksum, "%016llx",
                  static_cast<unsigned long long>(recoveryChecksum(copy.text)));
    header += "checksum: " + std::string(checksum) + "\n\n";
    return header;
}

std::optional<RecoveryCopy> parseRecovery(std::string_view stored) {
    if (stored.substr(0, kMagic.size()) != kMagic)
        return std::nullopt;
    const size_t end = stored.find("\n\n", kMagic.size() - 1);
    if (end == std::string_view::npos)
        return std::nullopt;
    std::map<std::string, std::string> fields;
    for (size_t pos = kMagic.size(); pos < end + 1;) {
        const size_t eol = stored.find('\n', pos);
        const std::string_view line = stored.substr(pos, eol - pos);
        const size_t colon = line.find(": ");
        if (colon == std::string_view::npos)
            return std::nullopt;
        fields[std::string(line.substr(0, colon))] = std::string(line.substr(colon + 2));
        pos = eol + 1;
    }
    RecoveryCopy copy;
    const auto length = number(fields["length"], 10);
    const auto checksum = number(fields["checksum"], 16);
    const std::string_view text = stored.substr(end + 2);
    if (!length || !checksum || text.size() != *length || recoveryChecksum(text) != *checksum ||
        !storedValue(kStoredEncodings, fields["encoding"], copy.encoding) ||
        !storedValue(kStoredLineEnds, fields["line-end"], copy.lineEnd) ||
        !storedValue(kStoredTypes, fields["type"], copy.type) || !fields.count("file"))
        return std::nullopt;
    const QByteArray file =
        QByteArray::fromPercentEncoding(QByteArray::fromStdString(fields["file"]));
    copy.file = core::pathFromBytes(std::string_view(file.constData(), file.size()));
    copy.text.assign(text);
    return copy;
}

} // namespace editor
