#pragma once

#include <QString>

namespace core {

// The document type options of the document window, in their order.
enum class DocumentType { HTML = 0, XML = 1, ASP = 2, CSS = 3 };

// The type a file name selects: the last four characters, lower-cased, are
// ".xml", ".asp" or ".css"; anything else (a shorter path taken whole) is HTML.
DocumentType documentTypeForPath(const QString& path);

} // namespace core
