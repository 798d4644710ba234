#include "anybutton/properties/PropertyTable.h"

#include <algorithm>

namespace anybutton {

namespace {

using V = PropertyValue;
using S = ButtonState;

const char* const kSoundOver = ".\\resources\\over.wav";
const char* const kSoundClick = ".\\resources\\click.wav";
constexpr OleColor kPressed = sysColorRef(gdi::COLOR_BTNHIGHLIGHT);
constexpr OleColor kHover = sysColorRef(gdi::COLOR_3DLIGHT);

QString str(const char* s) {
    return QString::fromLatin1(s);
}

std::vector<PropertyRow> buildRows() {
    // The three booleans whose bag default is the integer 1: it reads as true,
    // and since true is -1, a true value is still written.
    const V one = V::int16(1);
    const V none = V::picture(PictureRef());
    const V empty = V::picture(PictureRef::empty());
    const auto name = FromContainer::DisplayName;
    const auto font = FromContainer::Font;
    using R = LoadRule;
    // key, field, load step, bag default, new-instance value, load rule, second
    // loaded field, new-instance field.
    // We choose: a loaded picture fills the shown and the resting picture at
    // once, so a load that fails later never leaves the two apart.
    return {
        {"Caption", &S::g_Caption, 3, name, name},
        {"PicturePosition", &S::g_PicturePosition, 4, V::int32(PicturePositionLeft),
         V::int32(PicturePositionLeft)},
        {"ButtonStyle", &S::g_ButtonStyle, 5, V::int32(ButtonStyleXP), V::int32(ButtonStyleXP)},
        {"Picture", &S::g_CurrentPicture, 6, none, empty, R::Store, &S::g_Picture, &S::g_Picture},
        {"PictureWidth", &S::g_PictureWidth, 7, V::int32(32), V::int32(32)},
        {"PictureHeight", &S::g_PictureHeight, 8, V::int32(32), V::int32(32)},
        {"PictureSize", &S::g_PictureSize, 9, V::int32(PictureSize32), V::int32(PictureSize32)},
        {"OriginalPicSizeW", &S::g_OriginalPicSizeW, 10, V::int32(32), std::nullopt},
        {"OriginalPicSizeH", &S::g_OriginalPicSizeH, 11, V::int32(32), std::nullopt},
        {"PictureHover", &S::g_PictureHover, 13, none, empty},
        {"Enabled", &S::surfaceEnabled, 15, V::boolean(true), std::nullopt, R::Enabled},
        {"Font", &S::surfaceFont, 12, font, font, R::Font},
        {"MouseIcon", &S::surfaceMouseIcon, 14, none, std::nullopt, R::MouseIcon},
        {"MousePointer", &S::surfaceMousePointer, 16, V::int16(0), std::nullopt, R::Cursor},
        {"ShowFocusRect", &S::g_ShowFocusRect, 2, one, V::boolean(true)},
        {"URL", &S::g_URL, 17, V::string(QString()), V::string(QString())},
        {"XPColor_Pressed", &S::g_XPColor_Pressed, 18, V::int32(kPressed), V::int32(kPressed)},
        {"XPColor_Hover", &S::g_XPColor_Hover, 19, V::int32(kHover), V::int32(kHover)},
        {"XPDefaultColors", &S::g_XPDefaultColors, 20, one, V::boolean(true)},
        {"BackColor", &S::g_BackColor, 0, V::int32(kButtonFace), V::int32(kButtonFace), R::Store,
         &S::surfaceBackColor},
        {"ForeColor", &S::g_ForeColor, 1, V::int32(kButtonText), V::int32(kButtonText), R::Store,
         &S::surfaceForeColor},
        {"SoundOver", &S::g_SoundOver, 21, V::string(str(kSoundOver)), V::string(str(kSoundOver))},
        {"SoundClick", &S::g_SoundClick, 22, V::string(str(kSoundClick)),
         V::string(str(kSoundClick))},
        {"DefCurHand", &S::g_DefCurHand, 23, one, V::boolean(true)},
        {"XPShowBorderAlways", &S::g_XPShowBorderAlways, 24, V::boolean(false), V::boolean(false)},
        {"MaskColor", &S::g_MaskColor, 25, V::int32(0), V::int32(0)},
        {"TransparentBG", &S::g_TransparentBG, 26, V::boolean(false), V::boolean(false)},
        {"BEVEL", &S::g_Bevel, 27, V::int16(1), V::int16(1)},
        {"BEVELDEPTH", &S::g_BevelDepth, 28, V::int16(8), V::int16(8)},
    };
}

} // namespace

const std::vector<PropertyRow>& propertyRows() {
    static const std::vector<PropertyRow> rows = buildRows();
    return rows;
}

const std::vector<const PropertyRow*>& propertyLoadOrder() {
    static const std::vector<const PropertyRow*> order = [] {
        std::vector<const PropertyRow*> o;
        for (const PropertyRow& row : propertyRows())
            o.push_back(&row);
        std::sort(o.begin(), o.end(), [](const PropertyRow* a, const PropertyRow* b) {
            return a->loadStep < b->loadStep;
        });
        return o;
    }();
    return order;
}

const PropertyRow* findPropertyRow(const QString& key) {
    for (const PropertyRow& row : propertyRows())
        if (key.compare(QLatin1String(row.key), Qt::CaseInsensitive) == 0)
            return &row;
    return nullptr;
}

PropertyValue::Kind kindOf(const StateField& field) {
    // The field alternatives are listed in the order of the bag kinds.
    return static_cast<PropertyValue::Kind>(field.index());
}

PropertyValue resolve(const RowValue& value, const AmbientValues& ambient) {
    if (const auto* literal = std::get_if<PropertyValue>(&value))
        return *literal;
    return std::get<FromContainer>(value) == FromContainer::DisplayName
               ? V::string(ambient.displayName)
               : V::font(ambient.font);
}

PropertyValue fieldValue(const ButtonState& s, const StateField& field) {
    return std::visit(
        [&s](auto member) {
            const auto& v = s.*member;
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, bool>)
                return V::boolean(v);
            else if constexpr (std::is_same_v<T, std::int16_t>)
                return V::int16(v);
            else if constexpr (std::is_same_v<T, std::int32_t>)
                return V::int32(v);
            else if constexpr (std::is_same_v<T, QString>)
                return V::string(v);
            else if constexpr (std::is_same_v<T, FontDesc>)
                return V::font(v);
            else
                return V::picture(v);
        },
        field);
}

void storeField(ButtonState& s, const StateField& field, const PropertyValue& v,
                const QString& key) {
    std::visit(
        [&](auto member) {
            auto& target = s.*member;
            using T = std::decay_t<decltype(target)>;
            if constexpr (std::is_same_v<T, bool>)
                target = v.toBool(key);
            else if constexpr (std::is_same_v<T, std::int16_t>)
                target = v.toInt16(key);
            else if constexpr (std::is_same_v<T, std::int32_t>)
                target = v.toInt32(key);
            else if constexpr (std::is_same_v<T, QString>)
                target = v.toString(key);
            else if constexpr (std::is_same_v<T, FontDesc>)
                target = v.toFont(key);
            else
                target = v.toPicture(key);
        },
        field);
}

QString propertyDescriptionText(const QString& property) {
    static const std::pair<const char*, const char*> descriptions[] = {
        {"BackColor",
         "Returns/sets the background color used to display text and graphics in an object."},
        {"ForeColor",
         "Returns/sets the foreground color used to display text and graphics in an object."},
        {"MaskColor",
         "Returns/sets the color that specifies transparent areas in the MaskPicture."},
        {"version", "FileVersion"},
    };
    for (const auto& [name, text] : descriptions)
        if (property == QLatin1String(name))
            return QString::fromLatin1(text);
    return {};
}

} // namespace anybutton
