#include "platform/files/LocalPath.h"

#include "core/text/PathBytes.h"

#include <QStringList>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

namespace platform {

namespace {

bool exists(const QByteArray& bytes) {
    struct stat st {};
    return ::lstat(bytes.constData(), &st) == 0;
}

// The one entry of folder whose name Qt would show as shown; nothing when
// none or several do.
std::optional<QByteArray> uniqueEntryShownAs(const QByteArray& folder, const QString& shown) {
    DIR* dir = ::opendir(folder.isEmpty() ? "." : folder.constData());
    if (!dir)
        return std::nullopt;
    std::optional<QByteArray> found;
    int matches = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (QString::fromUtf8(entry->d_name) == shown) {
            found = QByteArray(entry->d_name);
            ++matches;
        }
    }
    ::closedir(dir);
    return matches == 1 ? found : std::nullopt;
}

} // namespace

QUrl fileUrl(const QString& path) {
    return QUrl::fromEncoded("file://" + core::pathBytes(path).toPercentEncoding("/"));
}

std::optional<QString> localPath(const QUrl& url) {
    if (!url.isLocalFile())
        return std::nullopt;
    if (!url.host().isEmpty())
        return url.toLocalFile(); // a network name: text, not bytes
    const QByteArray encoded = url.path(QUrl::FullyEncoded).toLatin1();
    const QByteArray bytes = QByteArray::fromPercentEncoding(encoded);
    return core::pathFromBytes(std::string_view(bytes.constData(), bytes.size()));
}

QString recoverDialogPath(const QString& path) {
    constexpr QChar kReplacement(0xFFFD);
    if (!path.contains(kReplacement) || exists(core::pathBytes(path)))
        return path;
    QByteArray recovered;
    const QStringList parts = path.split(QLatin1Char('/'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        const QByteArray folder = recovered;
        if (i > 0)
            recovered += '/';
        QByteArray bytes = core::pathBytes(part);
        if (part.contains(kReplacement) && !exists(recovered + bytes)) {
            const auto entry = uniqueEntryShownAs(folder.isEmpty() && i > 0 ? "/" : folder, part);
            if (!entry)
                return path;
            bytes = *entry;
        }
        recovered += bytes;
    }
    return core::pathFromBytes(std::string_view(recovered.constData(), recovered.size()));
}

QString absolutePath(const QString& path) {
    if (path.isEmpty() || path.startsWith(QLatin1Char('/')))
        return path;
    std::unique_ptr<char, decltype(&std::free)> cwd(::getcwd(nullptr, 0), &std::free);
    if (!cwd)
        return path; // the current folder is gone: the path stays as typed
    QByteArray relative = core::pathBytes(path);
    while (relative.startsWith("./")) {
        relative.remove(0, 2);
        while (relative.startsWith('/'))
            relative.remove(0, 1);
    }
    if (relative == ".")
        relative.clear();
    QByteArray full(cwd.get());
    if (!full.endsWith('/'))
        full += '/';
    return core::pathFromBytes((full + relative).toStdString());
}

} // namespace platform
