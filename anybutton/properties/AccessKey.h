#pragma once

#include <QChar>
#include <QString>

namespace anybutton {

// The access key a caption marks with '&', lower-cased; null when there is none.
// "&&" is a literal ampersand; only the first two marks are looked at.
QChar accessKeyOf(const QString& caption);

} // namespace anybutton
