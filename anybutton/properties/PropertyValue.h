#pragma once

#include "anybutton/properties/FontDesc.h"
#include "anybutton/properties/PictureRef.h"

#include <QString>

#include <cstdint>
#include <variant>

namespace anybutton {

// One typed value of the property bag. Booleans are kept as booleans and read
// back as -1 or 0; conversions to a field's type follow the control's rules and
// throw PropertyError when they cannot be made.
class PropertyValue {
public:
    enum class Kind { Bool, Int16, Int32, String, Font, Picture };

    PropertyValue() : v_(QString()) {}
    static PropertyValue boolean(bool b) { return PropertyValue(Data(b)); }
    static PropertyValue int16(std::int16_t i) { return PropertyValue(Data(i)); }
    static PropertyValue int32(std::int32_t i) { return PropertyValue(Data(i)); }
    static PropertyValue string(const QString& s) { return PropertyValue(Data(s)); }
    static PropertyValue font(const FontDesc& f) { return PropertyValue(Data(f)); }
    static PropertyValue picture(const PictureRef& p) { return PropertyValue(Data(p)); }

    Kind kind() const { return static_cast<Kind>(v_.index()); }

    // Conversions; `key` only names the value in the error.
    bool toBool(const QString& key = {}) const;
    std::int16_t toInt16(const QString& key = {}) const;
    std::int32_t toInt32(const QString& key = {}) const;
    QString toString(const QString& key = {}) const;
    FontDesc toFont(const QString& key = {}) const;
    PictureRef toPicture(const QString& key = {}) const;

    // Equality as the bag uses it to skip defaults: numbers and booleans compare
    // by value (true is -1, so true differs from 1), strings exactly, objects by
    // content; values of unrelated kinds differ.
    bool sameAs(const PropertyValue& other) const;

    // Text form used by the bag's serialisation: "<kind> <payload>".
    QString serialise() const;
    static PropertyValue parse(const QString& text); // throws std::invalid_argument

private:
    using Data = std::variant<bool, std::int16_t, std::int32_t, QString, FontDesc, PictureRef>;
    explicit PropertyValue(Data d) : v_(std::move(d)) {}
    bool numeric(std::int64_t& out) const;

    Data v_;
};

// Parses a number the way the control converts text: optional sign, decimal with
// an optional fraction (rounded half to even), or "0x"/"&H" hex read as 32 bits.
bool parseNumber(const QString& text, double& out);

} // namespace anybutton
