#pragma once

#include "anybutton/properties/PropertyValue.h"

#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace anybutton {

// The keyed store of one control instance. Keys match without regard to case;
// writing a value equal to its default removes the key instead of storing it.
// Order of first writing is kept, so a save reads back in the order it ran.
//
// Text form, one value per line, "key = kind payload":
//   caption = str "&Open"            strings quoted; \\ \" \n \r \t escaped
//   buttonstyle = i32 3              also i16; decimal or 0x-hex (backcolor = i32 0x8000000F)
//   enabled = bool 0                 booleans -1 or 0
//   font = font "Tahoma" 8.25 -1 0 0 0   name, size, bold, italic, underline, strikethrough
//   picture = pic empty              or null, hand, or "TYPE HIMW HIMH base64-PNG"
// Lines starting with '#' and blank lines are ignored. A design file holds
// several bags, each after a "[name]" line.
class PropertyBag {
public:
    PropertyValue read(const QString& key, const PropertyValue& defaultValue) const;
    void write(const QString& key, const PropertyValue& value, const PropertyValue& defaultValue);

    bool contains(const QString& key) const { return find(key) != nullptr; }
    std::optional<PropertyValue> value(const QString& key) const;
    // Stores a value as given, defaults or not (loading a saved text, tools).
    void set(const QString& key, const PropertyValue& value);
    void remove(const QString& key);
    std::vector<QString> keys() const;
    int size() const { return static_cast<int>(entries_.size()); }

    // One "key = kind payload" line per value, keys in lower case.
    QString toText() const;
    // Blank lines and lines starting with '#' are skipped. Throws
    // std::invalid_argument naming the line on malformed input.
    static PropertyBag fromText(const QString& text);

    // A saved design: several bags, each under a "[name]" header line.
    using Design = std::vector<std::pair<QString, PropertyBag>>;
    static Design parseDesign(const QString& text);
    static QString designText(const Design& design);

private:
    const PropertyValue* find(const QString& key) const;
    void parseLine(const QString& line, int lineNumber);

    std::vector<std::pair<QString, PropertyValue>> entries_;
};

} // namespace anybutton
