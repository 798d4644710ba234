#include "editor/search/GoToLine.h"

#include <QStringList>

namespace editor {

std::optional<LineColumn> parseLineColumn(const QString& typed) {
    const QStringList parts = typed.trimmed().split(QLatin1Char(':'));
    if (parts.size() > 2)
        return std::nullopt;
    LineColumn at;
    bool ok = false;
    at.line = parts[0].trimmed().toLong(&ok);
    if (!ok || at.line < 1)
        return std::nullopt;
    if (parts.size() == 2) {
        at.column = parts[1].trimmed().toLong(&ok);
        if (!ok || at.column < 1)
            return std::nullopt;
    }
    return at;
}

} // namespace editor
