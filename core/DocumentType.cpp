#include "core/DocumentType.h"

namespace core {

DocumentType documentTypeForPath(const QString& path) {
    const QString ending = path.right(4).toLower();
    if (ending == QLatin1String(".xml"))
        return DocumentType::XML;
    if (ending == QLatin1String(".asp"))
        return DocumentType::ASP;
    if (ending == QLatin1String(".css"))
        return DocumentType::CSS;
    return DocumentType::HTML;
}

} // namespace core
