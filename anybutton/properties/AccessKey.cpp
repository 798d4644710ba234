#include "anybutton/properties/AccessKey.h"

namespace anybutton {

QChar accessKeyOf(const QString& caption) {
    if (caption.size() < 2)
        return {};
    const int first = caption.indexOf(QLatin1Char('&'));
    if (first < 0 || first == caption.size() - 1)
        return {};
    if (caption[first + 1] != QLatin1Char('&'))
        return caption[first + 1].toLower();
    const int second = caption.indexOf(QLatin1Char('&'), first + 2);
    if (second < 0 || second == caption.size() - 1)
        return {};
    if (caption[second + 1] != QLatin1Char('&'))
        return caption[second + 1].toLower();
    return {};
}

} // namespace anybutton
