#include "anybutton/properties/PropertyBag.h"

#include <QStringList>

#include <stdexcept>

namespace anybutton {

namespace {
bool sameKey(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

const PropertyValue* PropertyBag::find(const QString& key) const {
    for (const auto& e : entries_)
        if (sameKey(e.first, key))
            return &e.second;
    return nullptr;
}

PropertyValue PropertyBag::read(const QString& key, const PropertyValue& defaultValue) const {
    const PropertyValue* v = find(key);
    return v ? *v : defaultValue;
}

void PropertyBag::write(const QString& key, const PropertyValue& value,
                        const PropertyValue& defaultValue) {
    if (value.sameAs(defaultValue))
        remove(key);
    else
        set(key, value);
}

std::optional<PropertyValue> PropertyBag::value(const QString& key) const {
    const PropertyValue* v = find(key);
    return v ? std::optional<PropertyValue>(*v) : std::nullopt;
}

void PropertyBag::set(const QString& key, const PropertyValue& value) {
    for (auto& e : entries_) {
        if (sameKey(e.first, key)) {
            e.second = value;
            return;
        }
    }
    entries_.emplace_back(key, value);
}

void PropertyBag::remove(const QString& key) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (sameKey(it->first, key)) {
            entries_.erase(it);
            return;
        }
    }
}

std::vector<QString> PropertyBag::keys() const {
    std::vector<QString> out;
    out.reserve(entries_.size());
    for (const auto& e : entries_)
        out.push_back(e.first);
    return out;
}

QString PropertyBag::toText() const {
    QString out;
    for (const auto& e : entries_)
        out += e.first.toLower() + QLatin1String(" = ") + e.second.serialise() + QLatin1Char('\n');
    return out;
}

void PropertyBag::parseLine(const QString& line, int lineNumber) {
    const int eq = line.indexOf(QLatin1Char('='));
    const QString key = eq < 0 ? QString() : line.left(eq).trimmed();
    if (key.isEmpty())
        throw std::invalid_argument("line " + std::to_string(lineNumber) +
                                    ": expected key = value");
    try {
        set(key, PropertyValue::parse(line.mid(eq + 1)));
    } catch (const std::invalid_argument& e) {
        throw std::invalid_argument("line " + std::to_string(lineNumber) + ": " + e.what());
    }
}

PropertyBag PropertyBag::fromText(const QString& text) {
    PropertyBag bag;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            bag.parseLine(line, i + 1);
    }
    return bag;
}

PropertyBag::Design PropertyBag::parseDesign(const QString& text) {
    Design design;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            design.emplace_back(line.mid(1, line.size() - 2).trimmed(), PropertyBag());
            continue;
        }
        if (design.empty())
            throw std::invalid_argument("line " + std::to_string(i + 1) +
                                        ": value before the first [name]");
        design.back().second.parseLine(line, i + 1);
    }
    return design;
}

QString PropertyBag::designText(const Design& design) {
    QString out;
    for (const auto& [name, bag] : design)
        out += QLatin1Char('[') + name + QLatin1String("]\n") + bag.toText() + QLatin1Char('\n');
    return out;
}

} // namespace anybutton
